#include "ribwindows/sparwindow.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/lengths.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/optiongroup.h"

namespace ribwindows {

namespace {

using platform::Q;

}  // namespace

SparWindow::SparWindow(core::RibDocument& document, QWidget* parent)
    : EditorTableWindow(document, &core::ViewState::markedSpar, "SparWindow", SparHelpTopic(), parent) {
  setObjectName("frmlongeron");

  MakeRowBoxes(boxesGroup_, {&positionLabel_, &widthLabel_, &heightLabel_, &insetLabel_},
               {{{&widthBox_, "Text1_1"}, {&heightBox_, "Text1_2"}, {&insetBox_, "Text1_3"}}}, filters_);

  edgeGroup_ = OptionGroup(this, "OptDistance", edge_);
  upperGroup_ = OptionGroup(this, "Opte", upper_);
  lowerGroup_ = OptionGroup(this, "Opti", lower_);
  shapeGroup_ = OptionGroup(this, "OptLong", shape_);
  for (std::size_t i = 0; i < shape_.size(); ++i)
    connect(shape_[i], &QRadioButton::clicked, this, [this, i] { ShapeChosen(static_cast<int>(i)); });

  auto* top = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(boxesGroup_);
  left->addWidget(edgeGroup_);
  left->addStretch(1);
  top->addLayout(left);
  auto* cuts = new QVBoxLayout;
  cuts->addWidget(upperGroup_);
  cuts->addWidget(lowerGroup_);
  cuts->addStretch(1);
  top->addLayout(cuts);
  auto* shapes = new QVBoxLayout;
  shapes->addWidget(shapeGroup_);
  shapes->addStretch(1);
  top->addLayout(shapes);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(LabelRow());
  layout->addWidget(EditButtons());
  layout->addWidget(DialogButtons());
  Start();
}

SparWindow* SparWindow::Open(core::RibDocument& document, QWidget* owner) {
  return OpenTableWindow<SparWindow>(document, owner);
}

void SparWindow::LoadCaptions() {
  using platform::Text;
  const char* s = "Frmlongeron";
  boxesGroup_->setTitle(Q(Text(keys::SparFrame)));
  positionLabel_->setText(Q(Text(keys::SparPositionLabel)));
  positionBox_->setToolTip(Q(Text(keys::SparPositionTip)));
  insetLabel_->setText(Q(Text(keys::SparInsetLabel)));
  insetBox_->setToolTip(Q(Text(keys::SparInsetTip)));
  upperGroup_->setTitle(Q(Text(keys::SparUpperSurfaceFrame)));
  lowerGroup_->setTitle(Q(Text(keys::SparLowerSurfaceFrame)));
  shapeGroup_->setTitle(Q(Text(keys::SparShapeFrame)));
  edgeGroup_->setTitle(Q(Text(keys::SparReferenceFrame)));
  // The surface and shape options are numbered runs of keys.
  for (int i = 0; i < 3; ++i) {
    upper_[static_cast<std::size_t>(i)]->setText(Q(Text(s, std::to_string(10 + i))));
    lower_[static_cast<std::size_t>(i)]->setText(Q(Text(s, std::to_string(14 + i))));
  }
  for (int i = 0; i < 4; ++i) shape_[static_cast<std::size_t>(i)]->setText(Q(Text(s, std::to_string(18 + i))));
  edge_[0]->setText(Q(Text(keys::SparFromLeadingEdge)));
  edge_[1]->setText(Q(Text(keys::SparFromTrailingEdge)));
  SetButtonTexts(s, "4");
  // The width's two captions swap with the shape.
  KeepRoomFor(widthLabel_, Text(keys::SparWidthLabel), Text(keys::RoundSparWidthLabel));
  ShowShape(static_cast<core::SparShape>(CheckedOption(shape_)));
}

void SparWindow::UseUnit() {
  const QString lengths = Q(core::LengthKeys(document_.settings.unitText));
  filters_[0]->SetAllowed(lengths + "%");
  for (std::size_t i = 1; i < filters_.size(); ++i) filters_[i]->SetAllowed(lengths);
}

SparFields SparWindow::Fields() const {
  SparFields f;
  f.position = positionBox_->text().toStdString();
  f.width = widthBox_->text().toStdString();
  f.height = heightBox_->text().toStdString();
  f.inset = insetBox_->text().toStdString();
  f.upper = static_cast<core::SparCut>(CheckedOption(upper_));
  f.lower = static_cast<core::SparCut>(CheckedOption(lower_));
  f.shape = static_cast<core::SparShape>(CheckedOption(shape_));
  f.fromTrailingEdge = CheckedOption(edge_) == 1;
  return f;
}

void SparWindow::ShowFields() {
  const SparFields f = editor_.Shown();
  positionBox_->setText(Q(f.position));
  widthBox_->setText(Q(f.width));
  heightBox_->setText(Q(f.height));
  insetBox_->setText(Q(f.inset));
  CheckOption(upper_, static_cast<int>(f.upper));
  CheckOption(lower_, static_cast<int>(f.lower));
  CheckOption(shape_, static_cast<int>(f.shape));
  CheckOption(edge_, f.fromTrailingEdge ? 1 : 0);
  ShowShape(static_cast<core::SparShape>(CheckedOption(shape_)));
}

void SparWindow::ShowShape(core::SparShape shape) {
  const SparShapeBoxes boxes = SparShapeBoxesFor(shape);
  widthLabel_->setText(Q(boxes.widthCaption));
  heightLabel_->setText(Q(boxes.heightCaption));
  // Every box keeps its place: what the shape does not use is greyed, not hidden.
  heightLabel_->setEnabled(boxes.heightUsed);
  heightBox_->setEnabled(boxes.heightUsed);
  insetLabel_->setEnabled(boxes.insetEnabled);
  // A disabled inset box keeps its text, and the text is stored with the spar.
  insetBox_->setEnabled(boxes.insetEnabled);
}

void SparWindow::ShapeChosen(int index) {
  const auto shape = static_cast<core::SparShape>(index);
  ShowShape(shape);
  if (shape == core::SparShape::Round) heightBox_->setText("0");
  if (SparShapeBoxesFor(shape).insetEnabled) {
    insetBox_->setFocus();
    insetBox_->selectAll();
  }
}

}  // namespace ribwindows
