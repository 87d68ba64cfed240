#pragma once
// The table of a series just written: each rib's number, position and chord with its file.
// The selected file opens in the main window; "next" opens the following one, so that the
// builder can draw or print the ribs one after another. The opener says whether the file
// opened (the user may keep the rib in hand), and the selection stays with the rib shown.
// It stays open beside the main window, as the spar window does, so that each rib can be
// worked on in between.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "files/seriesfiles.h"

class QPushButton;
class QTableWidget;

namespace serieswindows {

// The position column: the span fraction in % for an evenly spaced series, the distance
// from the root rib's mid-plane in the unit in force for a spaced one.
std::string SeriesPositionText(const files::SeriesJob& job, const core::SeriesRib& rib);

class SeriesTableWindow : public QDialog {
  Q_OBJECT
 public:
  SeriesTableWindow(const files::SeriesJob& job, std::vector<std::string> paths,
                    std::function<bool(const std::string&)> open, QWidget* parent = nullptr);

  // Shows the table beside `owner`, in place of the one it has open; it closes itself.
  static SeriesTableWindow* Show(const files::SeriesJob& job, std::vector<std::string> paths,
                                 std::function<bool(const std::string&)> open, QWidget* owner);

  QTableWidget* Table() const { return table_; }
  QPushButton* OpenButton() const { return openButton_; }
  QPushButton* NextButton() const { return nextButton_; }

  void OpenSelected();
  void OpenNext();
  void reject() override;  // Escape closes, and the place is kept

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool placed_ = false;
  QTableWidget* table_;
  QPushButton* openButton_;
  QPushButton* nextButton_;
  std::vector<std::string> paths_;
  std::function<bool(const std::string&)> open_;
};

}  // namespace serieswindows
