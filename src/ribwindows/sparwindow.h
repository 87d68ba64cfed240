#pragma once
// The spar window: the spar table with its pending row, edited beside the main window.
// Rules in sparrules.h.
#include <array>

#include "ribwindows/editortablewindow.h"
#include "ribwindows/sparrules.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace ribwindows {

class KeyFilter;

class SparWindow : public EditorTableWindow<SparTraits> {
  Q_OBJECT
 public:
  SparWindow(core::RibDocument& document, QWidget* parent = nullptr);
  // Brings the open spar window of `owner` to the front, or opens one.
  static SparWindow* Open(core::RibDocument& document, QWidget* owner);

  QLineEdit* WidthBox() const { return widthBox_; }
  QLineEdit* HeightBox() const { return heightBox_; }
  QLineEdit* InsetBox() const { return insetBox_; }
  QLabel* WidthCaption() const { return widthLabel_; }
  QLabel* HeightCaption() const { return heightLabel_; }
  QRadioButton* UpperOption(int i) const { return upper_[static_cast<std::size_t>(i)]; }
  QRadioButton* LowerOption(int i) const { return lower_[static_cast<std::size_t>(i)]; }
  QRadioButton* ShapeOption(int i) const { return shape_[static_cast<std::size_t>(i)]; }
  QRadioButton* EdgeOption(int i) const { return edge_[static_cast<std::size_t>(i)]; }
  SparFields Fields() const override;

 protected:
  void ShowFields() override;
  void LoadCaptions() override;
  void UseUnit() override;

 private:
  void ShowShape(core::SparShape shape);
  void ShapeChosen(int index);

  QLineEdit* widthBox_;
  QLineEdit* heightBox_;
  QLineEdit* insetBox_;
  QLabel* positionLabel_;
  QLabel* widthLabel_;
  QLabel* heightLabel_;
  QLabel* insetLabel_;
  QGroupBox* boxesGroup_;
  QGroupBox* edgeGroup_;
  QGroupBox* upperGroup_;
  QGroupBox* lowerGroup_;
  QGroupBox* shapeGroup_;
  std::array<QRadioButton*, 2> edge_{};
  std::array<QRadioButton*, 3> upper_{};
  std::array<QRadioButton*, 3> lower_{};
  std::array<QRadioButton*, 4> shape_{};
  std::array<KeyFilter*, 4> filters_{};
};

}  // namespace ribwindows
