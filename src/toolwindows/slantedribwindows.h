#pragma once
// The windows that write the airfoil of a rib that does not stand square: `frminclinaison`
// (a rib inclined by the dihedral angle, ordinates / cos) and `frmangle` (a rib cut
// obliquely, ordinates / or x sin). Both start from the current airfoil or one picked.
#include <QDialog>
#include <array>
#include <string>

#include "commands/airfoiltools.h"
#include "core/ribdocument.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace toolwindows {

// What a window shows once its file is written: the result, where the file went, and a button
// that opens the file as the current airfoil. The window stays open, Cancel becomes Close.
class WrittenFile : public QObject {
  Q_OBJECT
 public:
  WrittenFile(core::RibDocument& document, QPushButton* cancel, QDialog* window);
  QLabel* Label() const { return label_; }
  QWidget* Room() const { return room_; }  // the label's place in the window's layout
  QPushButton* OpenButton() const { return open_; }
  const std::string& Path() const { return path_; }
  void Show(const std::string& path, const std::string& text);

 private:
  core::RibDocument& document_;
  QPushButton* cancel_;
  QLabel* label_;
  QWidget* room_;
  QPushButton* open_;
  std::string path_;
};

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
  WrittenFile& Written() const { return *written_; }
  const std::string& WrittenPath() const { return written_->Path(); }
  void Ok();

 private:
  core::RibDocument& document_;
  QLineEdit* airfoilBox_;
  QLineEdit* angle_;
  QPushButton* ok_;
  SourceAirfoilPicker* picker_;
  WrittenFile* written_;
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
  WrittenFile& Written() const { return *written_; }
  const std::string& WrittenPath() const { return written_->Path(); }
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
  WrittenFile* written_;
  int mode_ = 0;
};

}  // namespace toolwindows
