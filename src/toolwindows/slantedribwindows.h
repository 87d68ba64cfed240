#pragma once
// The windows that write the airfoil of a rib that does not stand square: `frminclinaison`
// (a rib inclined by the dihedral angle, ordinates / cos) and `frmangle` (a rib cut
// obliquely, ordinates / or x sin). Both start from the current airfoil or one picked.
#include <QDialog>
#include <array>
#include <string>

#include "commands/airfoiltools.h"
#include "core/ribdocument.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace toolwindows {

// The airfoil box with its "Other airfoil..." button.
class SourceAirfoilPicker : public QObject {
  Q_OBJECT
 public:
  SourceAirfoilPicker(core::RibDocument& document, QLineEdit* nameBox, QPushButton* openButton, QWidget* window);
  const commands::SourceAirfoil& Airfoil() const { return airfoil_; }
  void Use(commands::SourceAirfoil airfoil);

 private:
  void PickOther();
  core::RibDocument& document_;
  QLineEdit* nameBox_;
  QWidget* window_;
  commands::SourceAirfoil airfoil_;
};

class InclinedRibWindow : public QDialog {
  Q_OBJECT
 public:
  InclinedRibWindow(core::RibDocument& document, QWidget* parent = nullptr);

  QLineEdit* AngleBox() const { return angle_; }
  QLineEdit* AirfoilBox() const { return airfoilBox_; }
  QPushButton* OkButton() const { return ok_; }
  SourceAirfoilPicker& Picker() { return *picker_; }
  const std::string& WrittenPath() const { return written_; }
  void Ok();

 private:
  core::RibDocument& document_;
  QLineEdit* airfoilBox_;
  QLineEdit* angle_;
  QPushButton* ok_;
  SourceAirfoilPicker* picker_;
  std::string written_;
};

class ObliqueRibWindow : public QDialog {
  Q_OBJECT
 public:
  enum Box { ObliqueLength = 0, SquareLength = 1, Angle = 2 };
  ObliqueRibWindow(core::RibDocument& document, QWidget* parent = nullptr);

  QLineEdit* BoxAt(Box b) const { return boxes_[static_cast<std::size_t>(b)]; }
  QRadioButton* ModeButton(int mode) const { return modes_[static_cast<std::size_t>(mode)]; }
  QLineEdit* AirfoilBox() const { return airfoilBox_; }
  QPushButton* OkButton() const { return ok_; }
  SourceAirfoilPicker& Picker() { return *picker_; }
  const std::string& WrittenPath() const { return written_; }
  int Mode() const { return mode_; }
  void SetMode(int mode);
  void Ok();

 private:
  core::RibDocument& document_;
  QLineEdit* airfoilBox_;
  std::array<QLineEdit*, 3> boxes_{};
  std::array<QRadioButton*, 2> modes_{};
  QPushButton* ok_;
  SourceAirfoilPicker* picker_;
  int mode_ = 0;
  std::string written_;
};

}  // namespace toolwindows
