#pragma once
// The defaults window: the unit, the dimensions every new rib starts with and the two
// airfoil folders. It edits a draft (defaultsettings.h) and stores it on OK; a unit change
// asks first, because the new unit counts from the next start.
#include <QDialog>
#include <array>

#include "core/ribdocument.h"
#include "platform/texts.h"
#include "settingswindows/defaultsettings.h"

class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ribwindows {
class KeyFilter;
}

namespace settingswindows {

class DefaultsWindow : public QDialog {
  Q_OBJECT
 public:
  DefaultsWindow(core::RibDocument& document, QWidget* parent = nullptr);

  // After OK: the user agreed to a new start in the new unit.
  bool RestartRequested() const { return restartRequested_; }
  // What OK would store, as the boxes stand.
  DefaultsDraft Draft() const;

  QRadioButton* MillimetreOption() const { return mm_; }
  QRadioButton* InchOption() const { return inches_; }
  QLineEdit* LengthBox(DefaultLength which) const { return boxes_[static_cast<std::size_t>(which)]; }
  QLabel* UnitLabel(DefaultLength which) const { return unitLabels_[static_cast<std::size_t>(which)]; }
  QLineEdit* AirfoilFolderBox() const { return airfoilDir_; }
  QLineEdit* SeriesFolderBox() const { return seriesDir_; }
  QPushButton* AirfoilBrowseButton() const { return airfoilBrowse_; }
  QPushButton* SeriesBrowseButton() const { return seriesBrowse_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }

 private:
  // The parts of the window, built in Tab order.
  QGroupBox* BuildUnitFrame();
  QGroupBox* BuildLengthFrame(const char* name, platform::TextKey caption, int first, int last);
  QGroupBox* BuildFolderFrame(const char* name, platform::TextKey caption, const char* boxName, const char* buttonName,
                              QLineEdit*& box, QPushButton*& button);
  QDialogButtonBox* BuildButtons();
  void Show(const DefaultsDraft& draft);
  void UnitChosen(const std::string& unitText);
  void Browse(QLineEdit* box);
  void Store();

  core::RibDocument& document_;
  core::PrintSetup print_;  // the margins the unit in the window brings
  bool restartRequested_ = false;
  QRadioButton* mm_;
  QRadioButton* inches_;
  std::array<QLineEdit*, kDefaultLengthCount> boxes_{};
  std::array<QLabel*, kDefaultLengthCount> unitLabels_{};
  std::array<ribwindows::KeyFilter*, kDefaultLengthCount> filters_{};
  QLineEdit* airfoilDir_;
  QLineEdit* seriesDir_;
  QPushButton* airfoilBrowse_;
  QPushButton* seriesBrowse_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  QPushButton* helpButton_;
};

// The Template defaults command: the window, then, when the user agreed to a new start,
// `mainWindow` closes as on Exit (so a modified rib is asked about) and the program starts
// again. A refused close keeps the program open in the unit in force.
void ChangeDefaults(core::RibDocument& document, QWidget& mainWindow);

}  // namespace settingswindows
