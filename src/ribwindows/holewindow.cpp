#include "ribwindows/holewindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/lengths.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/optiongroup.h"

namespace ribwindows {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

HoleWindow::HoleWindow(core::RibDocument& document, QWidget* parent)
    : TableWindow(document, "FrmTrou", &core::ViewState::markedHole, "HoleWindow", HoleHelpTopic(), parent),
      editor_(document) {
  setObjectName("frmtrou");

  boxesGroup_ = new QGroupBox(this);
  positionLabel_ = new QLabel;
  sizeLabel_ = new QLabel;
  heightLabel_ = new QLabel;
  offsetLabel_ = new QLabel;
  sizeBox_ = new QLineEdit;
  sizeBox_->setObjectName("Text1_1");
  heightBox_ = new QLineEdit;
  heightBox_->setObjectName("Text1_2");
  offsetBox_ = new QLineEdit;
  offsetBox_->setObjectName("Text2");
  auto* grid = BoxGrid(boxesGroup_, {positionLabel_, sizeLabel_, heightLabel_, offsetLabel_},
                       {positionBox_, sizeBox_, heightBox_, offsetBox_}, filters_);
  centred_ = new QCheckBox(boxesGroup_);
  centred_->setObjectName("Chkcentr");
  grid->addWidget(centred_, 4, 0, 1, 2);
  connect(centred_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) offsetBox_->setText("0");
    ShowCentred(on);
  });

  offsetGroup_ = new QGroupBox(this);
  offsetReference_ = new QLabel(offsetGroup_);
  offsetReference_->setWordWrap(true);
  (new QVBoxLayout(offsetGroup_))->addWidget(offsetReference_);
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
  left->addWidget(offsetGroup_);
  left->addStretch(1);
  top->addLayout(left);
  auto* right = new QVBoxLayout;
  right->addWidget(shapeGroup_);
  right->addWidget(edgeGroup_);
  right->addWidget(shapesHint_);
  right->addWidget(positionsHint_);
  right->addStretch(1);
  top->addLayout(right);

  labelsGroup_ = new QGroupBox(this);
  (new QVBoxLayout(labelsGroup_))->addWidget(LabelRow());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
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
  boxesGroup_->setTitle(Q(Text(s, "2")));
  positionLabel_->setText(Q(Text(s, "3")));
  positionBox_->setToolTip(Q(Text(s, "3T")));
  labelsGroup_->setTitle(Q(Text(s, "4")));
  offsetLabel_->setText(Q(Text(s, "5")));
  offsetBox_->setToolTip(Q(Text(s, "5T")));
  shapeGroup_->setTitle(Q(Text(s, "6")));
  centred_->setText(Q(Text(s, "7")));
  centred_->setToolTip(Q(Text(s, "7T")));
  shape_[0]->setText(Q(Text(s, "11")));
  shape_[1]->setText(Q(Text(s, "12")));
  edgeGroup_->setTitle(Q(Text(s, "13")));
  edge_[0]->setText(Q(Text(s, "14")));
  edge_[1]->setText(Q(Text(s, "15")));
  offsetGroup_->setTitle(Q(Text(s, "19")));
  shapesHint_->setText(Q(Text(s, "23")));
  positionsHint_->setText(Q(Text(s, "24")));
  SetButtonTexts(s, "16");
  ShowShape(static_cast<core::HoleShape>(CheckedOption(shape_)));
  ShowCentred(centred_->isChecked());
}

void HoleWindow::UseUnit() {
  const QString lengths = Q(core::LengthKeys(document_.settings.unitText));
  filters_[0]->SetAllowed(lengths + "%");
  filters_[1]->SetAllowed(lengths);
  filters_[2]->SetAllowed(lengths);
  filters_[3]->SetAllowed(lengths + "-");  // the offset alone may be negative
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
  heightLabel_->setVisible(boxes.heightShown);
  heightBox_->setVisible(boxes.heightShown);
}

void HoleWindow::ShowCentred(bool centred) {
  offsetBox_->setEnabled(!centred);
  offsetReference_->setText(Q(HoleOffsetCaption(centred)));
}

bool HoleWindow::MayClose() { return editor_.MayClose(positionBox_->text().toStdString()); }

TableOutcome HoleWindow::Act(Action action) {
  switch (action) {
    case Action::Apply: return editor_.Apply(Fields());
    case Action::Add: return editor_.Add(Fields());
    case Action::Modify: return editor_.Modify(Fields());
    case Action::Delete: return editor_.Delete();
  }
  return {};
}

}  // namespace ribwindows
