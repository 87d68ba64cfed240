#include "ribwindows/blockwindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/typednumber.h"
#include "core/lengths.h"
#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"

namespace ribwindows {

using platform::Text;

namespace {
constexpr int kLeading = 1, kTrailing = 2, kAngle = 5;
}  // namespace

BlockWindow::BlockWindow(core::RibDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
  setObjectName("frmbloc");
  setWindowTitle(Q(ChordWindowTitle("FrmBloc", document_)));
  const std::string unit = UnitWord(document_.settings.unitText);
  // A board below the chord line or above it: every box takes a sign.
  const QString keys = Q(core::LengthKeys(document_.settings.unitText, /*negativeAllowed=*/true));

  // In the window before its boxes are made, so that Tab takes them before the buttons.
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const platform::TextKey captions[6] = {keys::BlockFrontDepthLabel,  keys::BlockFrontLengthLabel,
                                         keys::BlockRearLengthLabel,  keys::BlockSeatDepthLabel,
                                         keys::BlockFrontHeightLabel, keys::BlockAngleLabel};
  const platform::TextKey tips[6] = {
      {}, {}, keys::BlockRearLengthTip, keys::BlockSeatDepthTip, {}, keys::BlockAngleTip};
  for (int i = 0; i < 6; ++i)
    boxes_[i] = AddCaptionedBox(grid, i, QString("txt%1").arg(i), Text(captions[i]),
                                tips[i].key.empty() ? std::string() : Text(tips[i]),
                                i == kAngle ? Q(core::NumberKeys() + "-") : keys)
                    .box;
  for (int i = 0; i < 6; ++i) AddUnitLabel(grid, i, i == kAngle ? "\u00b0" : unit);
  auto* tailRow = new QHBoxLayout;
  const platform::TextKey tailCaptions[2] = {keys::UpperTailOption, keys::LowerTailOption};
  const platform::TextKey tailTips[2] = {keys::UpperTailTip, keys::LowerTailTip};
  for (int i = 0; i < 2; ++i) {
    tails_[i] = new QRadioButton(Q(Text(tailCaptions[i])), this);
    tails_[i]->setObjectName(QString("Optquebf%1").arg(i));
    tails_[i]->setToolTip(Q(Text(tailTips[i])));
    tailRow->addWidget(tails_[i]);
  }
  auto addLabel = [&](int row, platform::TextKey captionKey, platform::TextKey tipKey, const QString& name) {
    auto* caption = new QLabel(Q(Text(captionKey)), this);
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setToolTip(Q(Text(tipKey)));
    caption->setToolTip(value->toolTip());
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    return value;
  };
  total_ = addLabel(6, keys::BlockTotalLengthLabel, keys::BlockTotalLengthTip, "lbllongb");
  lowest_ = addLabel(7, keys::AirfoilLowestPointLabel, keys::AirfoilHeightsTip, "lblmini");
  highest_ = addLabel(8, keys::AirfoilHighestPointLabel, keys::AirfoilHeightsTip, "lblmaxi");

  const DialogButtons buttons = AddDialogButtons(this, platform::kTopicBlocks);
  ok_ = buttons.ok;
  apply_ = buttons.apply;
  cancel_ = buttons.cancel;
  help_ = buttons.help;
  remove_ = AddRemoveButton(buttons, Text(keys::TakeOffBlockButton), document_.rib.baseMode == core::BaseMode::Blocks);

  layout->addLayout(tailRow);
  layout->addWidget(buttons.box);

  const BlockBoxes shown = BlockBoxesFromDocument(document_);
  const std::string* texts[6] = {&shown.baseHeight, &shown.leading, &shown.trailing,
                                 &shown.seat,       &shown.topHeight, &shown.angle};
  for (int i = 0; i < 6; ++i) boxes_[i]->setText(Q(*texts[i]));
  tails_[shown.tail == core::BlockTail::LowerContour ? 1 : 0]->setChecked(true);
  ShowTotal();
  ShowAirfoilHeights();

  for (int index : {kLeading, kTrailing}) connect(boxes_[index], &QLineEdit::textEdited, this, [this] { ShowTotal(); });
  connect(boxes_[kAngle], &QLineEdit::textEdited, this, [this] { AngleEdited(); });
  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (Apply()) accept();
  });
  connect(remove_, &QPushButton::clicked, this, [this] { Remove(); });
  subscription_ = document_.changes.Listen([this](core::Changes what) {
    if (!what.Has(core::Change::Chord)) return;
    setWindowTitle(Q(ChordWindowTitle("FrmBloc", document_)));
    ShowTotal();
    ShowAirfoilHeights();
  });
}

BlockBoxes BlockWindow::Typed() const {
  BlockBoxes b;
  std::string* texts[6] = {&b.baseHeight, &b.leading, &b.trailing, &b.seat, &b.topHeight, &b.angle};
  for (int i = 0; i < 6; ++i) *texts[i] = boxes_[i]->text().toStdString();
  b.tail = tails_[1]->isChecked() ? core::BlockTail::LowerContour : core::BlockTail::UpperContour;
  return b;
}

void BlockWindow::ShowTotal() {
  const BlockBoxes typed = Typed();
  total_->setText(Q(BlockTotalText(TypedBlockLength(typed.leading, document_),
                                   TypedBlockLength(typed.trailing, document_), document_)));
}

void BlockWindow::ShowAirfoilHeights() {
  const AirfoilHeightTexts heights = AirfoilHeights(document_);
  lowest_->setText(Q(heights.lowest));
  highest_->setText(Q(heights.highest));
}

void BlockWindow::AngleEdited() {
  const TypedValue typed = TypedBlockAngle(boxes_[kAngle]->text().toStdString());
  if (!typed.correctedText.empty()) boxes_[kAngle]->setText(Q(typed.correctedText));
}

bool BlockWindow::Apply() {
  if (ShowUnreadableBox(this)) return false;
  boxes_[kAngle]->setText(Q(ApplyBlocks(document_, Typed())));
  ShowTotal();
  remove_->setEnabled(true);
  changed_ = changed_ | core::Change::Setup;
  return true;
}

void BlockWindow::Remove() {
  const core::Changes changed = TakeRibOffBase(document_, core::BaseMode::Blocks);
  changed_ = changed_ | changed;
  accept();
}

}  // namespace ribwindows
