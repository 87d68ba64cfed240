#pragma once
// The page set-up window: paper, chord-line position, margins and overlap, what they give
// (one sheet or several, how many), the rib's height against the room on the sheet, and
// the switch of the scale bar and label. OK stores only values that print.
#include <QDialog>
#include <array>

#include "core/pagetiling.h"
#include "core/ribdocument.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ribwindows {
class KeyFilter;
}

namespace settingswindows {

enum class PrintBox { ChordLine, StartMargin, EndMargin, Overlap };
inline constexpr int kPrintBoxCount = 4;

class PrintWindow : public QDialog {
  Q_OBJECT
 public:
  // `printerPaperHeightMm`: the short side of the printer's own paper (entry 8), 0 unknown.
  PrintWindow(core::RibDocument& document, double printerPaperHeightMm, QWidget* parent = nullptr);

  // The set-up as the boxes stand, and the sheets it gives.
  core::PrintSetup Draft() const;
  core::PagePlan Plan() const;

  QComboBox* PaperList() const { return paper_; }
  QLineEdit* Box(PrintBox which) const { return boxes_[static_cast<std::size_t>(which)]; }
  QLabel* UnitLabel(PrintBox which) const { return unitLabels_[static_cast<std::size_t>(which)]; }
  QRadioButton* OneSheetIndicator() const { return oneSheet_; }
  QRadioButton* SeveralSheetsIndicator() const { return severalSheets_; }
  QLabel* PageCountLabel() const { return pageCount_; }
  QLabel* RibHeightLabel() const { return ribHeight_; }
  QLabel* RoomLabel() const { return room_; }
  QLabel* CutOffWarning() const { return cutOff_; }
  QCheckBox* ExtrasSwitch() const { return extras_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }
  QPushButton* PrinterSetupButton() const { return printerSetup_; }

 private:
  // The parts of the window, built in Tab order.
  int AddPaperAndBoxes(QGridLayout* grid);
  void AddIndicators(QGridLayout* grid, int row);
  QDialogButtonBox* BuildButtons();
  void Recompute();
  void Store();

  core::RibDocument& document_;
  double printerPaperHeightMm_;
  double printedLengthMm_;
  QComboBox* paper_;
  std::array<QLineEdit*, kPrintBoxCount> boxes_{};
  std::array<QLabel*, kPrintBoxCount> unitLabels_{};
  QRadioButton* oneSheet_;
  QRadioButton* severalSheets_;
  QLabel* usable_;
  QLabel* pageCount_;
  QLabel* printedLength_;
  QLabel* ribHeight_;
  QLabel* room_;
  QLabel* cutOff_;
  QCheckBox* extras_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  QPushButton* helpButton_;
  QPushButton* printerSetup_;
};

}  // namespace settingswindows
