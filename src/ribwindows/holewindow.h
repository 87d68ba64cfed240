#pragma once
// The hole window: the lightening-hole table with its pending row, edited beside the main
// window. Rules in holerules.h.
#include <array>

#include "ribwindows/editortablewindow.h"
#include "ribwindows/holerules.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace ribwindows {

class KeyFilter;

class HoleWindow : public EditorTableWindow<HoleTraits> {
  Q_OBJECT
 public:
  HoleWindow(core::RibDocument& document, QWidget* parent = nullptr);
  // Brings the open hole window of `owner` to the front, or opens one.
  static HoleWindow* Open(core::RibDocument& document, QWidget* owner);

  QLineEdit* SizeBox() const { return sizeBox_; }
  QLineEdit* HeightBox() const { return heightBox_; }
  QLineEdit* OffsetBox() const { return offsetBox_; }
  QLabel* SizeCaption() const { return sizeLabel_; }
  QLabel* HeightCaption() const { return heightLabel_; }
  QLabel* OffsetReference() const { return offsetReference_; }
  QCheckBox* CentredBox() const { return centred_; }
  QRadioButton* ShapeOption(int i) const { return shape_[static_cast<std::size_t>(i)]; }
  QRadioButton* EdgeOption(int i) const { return edge_[static_cast<std::size_t>(i)]; }
  HoleFields Fields() const override;

 protected:
  void ShowFields() override;
  void LoadCaptions() override;
  void UseUnit() override;

 private:
  void ShowShape(core::HoleShape shape);
  void ShowCentred(bool centred);

  QLineEdit* sizeBox_;
  QLineEdit* heightBox_;
  QLineEdit* offsetBox_;
  QLabel* positionLabel_;
  QLabel* sizeLabel_;
  QLabel* heightLabel_;
  QLabel* offsetLabel_;
  QLabel* shapesHint_;
  QLabel* positionsHint_;
  QLabel* offsetReference_;
  QCheckBox* centred_;
  QGroupBox* boxesGroup_;
  QGroupBox* shapeGroup_;
  QGroupBox* edgeGroup_;
  QGroupBox* labelsGroup_;
  std::array<QRadioButton*, 2> shape_{};
  std::array<QRadioButton*, 2> edge_{};
  std::array<KeyFilter*, 4> filters_{};
};

}  // namespace ribwindows
