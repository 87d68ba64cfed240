#include "ribwindows/holewindow.h"

#include <QCheckBox>
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

HoleWindow::HoleWindow(core::RibDocument& document, QWidget* parent)
    : EditorTableWindow(document, &core::ViewState::markedHole, "HoleWindow", HoleHelpTopic(), parent) {
  setObjectName("frmtrou");

  QGridLayout* grid =
      MakeRowBoxes(boxesGroup_, {&positionLabel_, &sizeLabel_, &heightLabel_, &offsetLabel_},
                   {{{&sizeBox_, "Text1_1"}, {&heightBox_, "Text1_2"}, {&offsetBox_, "Text2"}}}, filters_);
  centred_ = new QCheckBox(boxesGroup_);
  centred_->setObjectName("Chkcentr");
  grid->addWidget(centred_, 4, 0, 1, 2);
  // What the offset is measured from, under the box that decides it.
  offsetReference_ = new QLabel(boxesGroup_);
  offsetReference_->setObjectName("lbloffsetreference");
  offsetReference_->setEnabled(false);
  grid->addWidget(offsetReference_, 5, 0, 1, 2);
  connect(centred_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) offsetBox_->setText("0");
    ShowCentred(on);
  });

  shapeGroup_ = OptionGroup(this, "OptTrouRec", shape_);
  edgeGroup_ = OptionGroup(this, "OptDistance", edge_);
  for (std::size_t i = 0; i < shape_.size(); ++i)
    connect(shape_[i], &QRadioButton::clicked, this, [this, i] { ShowShape(static_cast<core::HoleShape>(i)); });

  shapesHint_ = new QLabel(this);
  shapesHint_->setWordWrap(true);
  positionsHint_ = new QLabel(this);
  positionsHint_->setWordWrap(true);

  auto* top = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(boxesGroup_);
  left->addStretch(1);
  top->addLayout(left);
  auto* right = new QVBoxLayout;
  right->addWidget(shapeGroup_);
  right->addWidget(edgeGroup_);
  right->addStretch(1);
  top->addLayout(right);

  labelsGroup_ = new QGroupBox(this);
  (new QVBoxLayout(labelsGroup_))->addWidget(LabelRow());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  // Across the whole width: wrapped beside the options, they had the options squeezed.
  layout->addWidget(shapesHint_);
  layout->addWidget(positionsHint_);
  layout->addWidget(labelsGroup_);
  layout->addWidget(EditButtons());
  layout->addWidget(DialogButtons());
  setMinimumWidth(480);
  Start();
}

HoleWindow* HoleWindow::Open(core::RibDocument& document, QWidget* owner) {
  return OpenTableWindow<HoleWindow>(document, owner);
}

void HoleWindow::LoadCaptions() {
  using platform::Text;
  const char* s = "FrmTrou";
  boxesGroup_->setTitle(Q(Text(keys::HoleFrame)));
  positionLabel_->setText(Q(Text(keys::HolePositionLabel)));
  positionBox_->setToolTip(Q(Text(keys::HolePositionTip)));
  labelsGroup_->setTitle(Q(Text(keys::HoleLabelsFrame)));
  offsetLabel_->setText(Q(Text(keys::HoleOffsetLabel)));
  offsetBox_->setToolTip(Q(Text(keys::HoleOffsetTip)));
  shapeGroup_->setTitle(Q(Text(keys::HoleShapeFrame)));
  centred_->setText(Q(Text(keys::HoleCentredCheck)));
  centred_->setToolTip(Q(Text(keys::HoleCentredTip)));
  shape_[0]->setText(Q(Text(keys::RoundHoleOption)));
  shape_[1]->setText(Q(Text(keys::RectangularHoleOption)));
  edgeGroup_->setTitle(Q(Text(keys::HoleReferenceFrame)));
  edge_[0]->setText(Q(Text(keys::HoleFromLeadingEdge)));
  edge_[1]->setText(Q(Text(keys::HoleFromTrailingEdge)));
  shapesHint_->setText(Q(Text(keys::HoleShapesHint)));
  positionsHint_->setText(Q(Text(keys::HolePositionsHint)));
  SetButtonTexts(s, "16");
  // The size's two captions swap with the shape, the offset's two references with Centred.
  KeepRoomFor(sizeLabel_, Text(keys::RectangularHoleSizeLabel), Text(keys::RoundHoleSizeLabel));
  KeepRoomFor(offsetReference_, HoleOffsetCaption(false), HoleOffsetCaption(true));
  ShowShape(static_cast<core::HoleShape>(CheckedOption(shape_)));
  ShowCentred(centred_->isChecked());
}

void HoleWindow::UseUnit() {
  const QString lengths = Q(core::LengthKeys(document_.settings.unitText));
  filters_[0]->SetAllowed(lengths + "%");
  filters_[1]->SetAllowed(lengths);
  filters_[2]->SetAllowed(lengths);
  // The offset alone may be negative.
  filters_[3]->SetAllowed(Q(core::LengthKeys(document_.settings.unitText, /*negativeAllowed=*/true)));
}

HoleFields HoleWindow::Fields() const {
  HoleFields f;
  f.position = positionBox_->text().toStdString();
  f.size = sizeBox_->text().toStdString();
  f.height = heightBox_->text().toStdString();
  f.offset = offsetBox_->text().toStdString();
  f.centred = centred_->isChecked();
  f.fromTrailingEdge = CheckedOption(edge_) == 1;
  f.shape = static_cast<core::HoleShape>(CheckedOption(shape_));
  return f;
}

void HoleWindow::ShowFields() {
  const HoleFields f = editor_.Shown();
  positionBox_->setText(Q(f.position));
  sizeBox_->setText(Q(f.size));
  heightBox_->setText(Q(f.height));
  offsetBox_->setText(Q(f.offset));
  centred_->setChecked(f.centred);
  CheckOption(shape_, static_cast<int>(f.shape));
  CheckOption(edge_, f.fromTrailingEdge ? 1 : 0);
  ShowShape(static_cast<core::HoleShape>(CheckedOption(shape_)));
  ShowCentred(f.centred);
}

void HoleWindow::ShowShape(core::HoleShape shape) {
  const HoleShapeBoxes boxes = HoleShapeBoxesFor(shape);
  sizeLabel_->setText(Q(boxes.sizeCaption));
  heightLabel_->setText(Q(boxes.heightCaption));
  // Every box keeps its place: a round hole's height box is greyed, not hidden.
  heightLabel_->setEnabled(boxes.heightUsed);
  heightBox_->setEnabled(boxes.heightUsed);
}

void HoleWindow::ShowCentred(bool centred) {
  offsetBox_->setEnabled(!centred);
  offsetLabel_->setEnabled(!centred);
  offsetReference_->setText(Q(HoleOffsetCaption(centred)));
}

}  // namespace ribwindows
