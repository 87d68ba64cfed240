#pragma once
// `frmtraCevol` and `frmtraCevol2`: the rib series of a tapered panel, evenly spaced or
// placed by a table of rib thicknesses and gaps. The window keeps its own airfoils and
// entries; of the document it changes only the series folder. Its table shows the series
// just written, or the summary of an earlier one, and opens the rib files one after
// another in the main window; the table stays open beside the main window when this
// window has closed.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "commands/ribseries.h"
#include "core/ribdocument.h"
#include "files/airfoilfile.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace serieswindows {

using commands::SeriesKind;

// An airfoil chosen by the user, read whole.
struct PickedAirfoil {
  std::string path;
  files::AirfoilData data;
};
// Asks for an airfoil under a caption (the main window's open window); nothing on cancel.
using AirfoilPicker = std::function<std::optional<PickedAirfoil>(const std::string& caption)>;
// Opens a series file as the current airfoil; false when it did not (the user kept the rib).
using FileOpener = std::function<bool(const std::string& path)>;

class SeriesWindow : public QDialog {
  Q_OBJECT
 public:
  SeriesWindow(core::RibDocument& document, SeriesKind kind, AirfoilPicker pick, FileOpener open,
               QWidget* parent = nullptr);
  // What it holds is kept for the next series window of its kind in the session.
  ~SeriesWindow() override;

  // After a series is written, ask whether to lay its ribs out as a cutting kit.
  void OfferKit(bool offer) { offerKit_ = offer; }

  // The language section of the window's texts.
  const char* Section() const;

  QLineEdit* AirfoilBox(int index) const { return airfoilBoxes_[static_cast<std::size_t>(index)]; }
  QLineEdit* ChordBox(int index) const { return chordBoxes_[static_cast<std::size_t>(index)]; }
  QLineEdit* RibCountBox() const { return ribCountBox_; }
  QLineEdit* FolderBox() const { return folderBox_; }
  QLineEdit* EndThicknessBox() const { return endThicknessBox_; }
  QLineEdit* RibThicknessBox() const { return ribThicknessBox_; }
  QLineEdit* GapBox() const { return gapBox_; }
  QLabel* RibLabel(int slot) const { return ribLabels_[static_cast<std::size_t>(slot)]; }
  QLabel* PanelLengthLabel() const { return panelLength_; }
  // Says why a count above the limit was refused as it was typed.
  QLabel* RibCountNote() const { return countNote_; }
  QPushButton* TableButton() const { return tableButton_; }
  int SelectedRib() const { return selectedRib_; }
  const files::SeriesJob* LastSeries() const { return lastJob_ ? &*lastJob_ : nullptr; }
  const files::SeriesWriteResult& LastResult() const { return lastResult_; }

  // Event handlers, also driven by the tests.
  void OpenAirfoil(int index);
  void ChooseFolder();
  void SelectRib(int slot);
  void ApplyRib();
  bool Generate();
  void ShowTable();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The parts of the window, built in Tab order.
  int AddAirfoilRows(QGridLayout* grid, const QString& lengthKeys);
  int AddCountRows(QGridLayout* grid, int row, const QString& lengthKeys);
  void AddFolderRow(QGridLayout* grid, int row);
  void AddSpacingTable(QVBoxLayout* layout, const QString& lengthKeys);
  void AddButtons(QVBoxLayout* layout);
  int MostRibs() const;
  int RibCount() const;
  void RibCountEdited(const QString& typed);
  void TakeKeptEntries();
  void RelabelRibs();
  void ShowPanelLength();
  void TableFromBoxes(core::SlotFloats& thickness, core::SlotFloats& gaps) const;
  commands::SeriesRequest RequestFromBoxes() const;
  void OpenTable(const files::SeriesJob& job, std::vector<std::string> paths);
  void Refuse(const std::string& key, const std::string& suffix, bool warning, QLineEdit* box);

  core::RibDocument& document_;
  SeriesKind kind_;
  AirfoilPicker pick_;
  FileOpener open_;
  std::array<QLineEdit*, 2> airfoilBoxes_{};
  std::array<QLineEdit*, 2> chordBoxes_{};
  QLineEdit* ribCountBox_ = nullptr;
  QLineEdit* folderBox_ = nullptr;
  QLineEdit* endThicknessBox_ = nullptr;
  QLineEdit* ribThicknessBox_ = nullptr;
  QLineEdit* gapBox_ = nullptr;
  QLabel* panelLength_ = nullptr;
  QLabel* countNote_ = nullptr;
  QString lastRibCount_;
  std::array<QLabel*, core::kSpacedSlots> ribLabels_{};
  QPushButton* generateButton_ = nullptr;
  QPushButton* tableButton_ = nullptr;
  int selectedRib_ = -1;
  bool offerKit_ = false;

  std::array<std::optional<PickedAirfoil>, 2> airfoils_;
  // The spaced table as typed: slot 0 and 13 come from the root and tip thickness box.
  std::array<std::string, core::kSpacedSlots> thicknessTexts_;
  std::array<std::string, core::kSpacedSlots> gapTexts_;
  std::optional<files::SeriesJob> lastJob_;
  files::SeriesWriteResult lastResult_;
};

// Forgets what the series windows kept: their next ones open blank, as in a new session.
void ForgetSeriesEntries();

// Opens the series window of `kind` from the Tools menu: the question that clears the rib
// first (commands::ConfirmSeriesTool), then the window, modally; a series written there
// may go on to the cutting kit.
void RunSeriesTool(core::RibDocument& document, SeriesKind kind, AirfoilPicker pick, FileOpener open, QWidget* parent);

}  // namespace serieswindows
