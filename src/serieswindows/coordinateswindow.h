#pragma once
// `frmCoord`: type an airfoil point by point (from a printed table, say), or open a
// coordinate file, edit its lines and save it as a file the airfoil reader accepts. It
// works on its own list: the current airfoil and rib are never touched.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ribdocument.h"
#include "serieswindows/coordinaterules.h"

class QDialogButtonBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace serieswindows {

// Asks for one line of text: title, prompt, proposed text; nothing on cancel.
using LineAsker =
    std::function<std::optional<std::string>(const std::string& title, const std::string& prompt, const std::string& text)>;

class CoordinatesWindow : public QDialog {
  Q_OBJECT
 public:
  explicit CoordinatesWindow(const core::ProgramSettings& settings, QWidget* parent = nullptr);

  // The tests answer the line questions themselves.
  void SetLineAsker(LineAsker ask) { askLine_ = std::move(ask); }

  QListWidget* List() const { return list_; }
  QLineEdit* NameBox() const { return boxes_[0]; }
  QLineEdit* TitleBox() const { return boxes_[1]; }
  QLineEdit* ScaleBox() const { return boxes_[2]; }
  QLineEdit* XBox() const { return xBox_; }
  QLineEdit* YBox() const { return yBox_; }
  std::vector<std::string> Lines() const;
  bool Unsaved() const { return marks_.Unsaved(); }

  // Event handlers, also driven by the tests.
  void EnterPoint();
  void InsertLine();
  void EditLine(int row);
  void DeleteLines();
  void ClearAll();
  void OpenFile();
  bool SaveFile();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // The parts of the window, built in Tab order.
  QGridLayout* BuildBoxes();
  QHBoxLayout* BuildList();
  QDialogButtonBox* BuildButtons();
  bool MayLeave();
  void ScaleEdited();

  const core::ProgramSettings& settings_;
  QListWidget* list_;
  QLineEdit* boxes_[3];
  QLineEdit* xBox_;
  QLineEdit* yBox_;
  EditorMarks marks_;
  LineAsker askLine_;
  bool leaving_ = false;
};

}  // namespace serieswindows
