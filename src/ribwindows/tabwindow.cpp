#include "ribwindows/tabwindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/typednumber.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/settle.h"
#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"

namespace ribwindows {

using platform::Text;

namespace {
constexpr int kLower = 0, kLength = 1, kRear = 2, kTabAngle = 3, kUpper = 4;
}  // namespace

// ---------------------------------------------------------------------------------------
TabSketch::TabSketch(const core::RibDocument& document, QWidget* parent) : QWidget(parent), document_(document) {
  setObjectName("TabSketch");
  setMinimumSize(260, 110);
}

void TabSketch::Show(const TabBoxes& boxes) {
  boxes_ = boxes;
  update();
}

void TabSketch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(255, 255, 239));
  const double c = document_.rib.chord.mm;
  if (!document_.airfoil.loaded || !(c > 0)) return;
  const std::string& unit = document_.settings.unitText;
  const bool lowerSide = boxes_.board == core::TabBoard::UnderLowerSurface;
  // The board distance measured downward, the angle as the rib is drawn with it.
  const double h = lowerSide ? core::LengthFromText(boxes_.lowerDistance, unit)
                             : -core::LengthFromText(boxes_.upperDistance, unit);
  const double a = core::Radians(-std::clamp(core::NumberFromText(boxes_.angle), -20.0, 20.0));
  const double rear = core::PercentLength(boxes_.rear.empty() ? "0" : boxes_.rear, static_cast<float>(c), unit);
  const double reach = rear + core::PercentLength(boxes_.length.empty() ? "0" : boxes_.length, static_cast<float>(c), unit);
  const double sheeting = document_.rib.sheeting.mm;

  std::vector<QPointF> upper, lower;
  for (int j = 0; j < core::kStations; ++j) {
    const double x = c * (1.0 - j / 400.0);
    upper.emplace_back(x, c * document_.prepared.upperAt[static_cast<std::size_t>(j)]);
    lower.emplace_back(x, c * document_.prepared.lowerAt[static_cast<std::size_t>(j)]);
  }
  const QPointF b0(h * std::sin(a), -h * std::cos(a));
  const QPointF u(std::cos(a), std::sin(a));
  auto boardAt = [&](double x) { return b0 + x * std::cos(a) * u; };
  auto innerAt = [&](double x) {
    const std::size_t k = static_cast<std::size_t>(core::NearestStation(core::StationFromLE(x, c)));
    return QPointF(
        x, lowerSide ? c * document_.prepared.lowerAt[k] + sheeting : c * document_.prepared.upperAt[k] - sheeting);
  };
  std::vector<std::pair<QPointF, QPointF>> edges;
  for (double x : {c - rear, c - reach})
    if (x >= 0 && x <= c) edges.emplace_back(boardAt(x), innerAt(x));

  // Fit everything, keeping the rib's proportions, y up.
  // (QRectF::united ignores empty rectangles, so the bounds are kept by hand.)
  double left = 0, right = 0, bottom = 0, top = 0;
  auto grow = [&](QPointF q) {
    left = std::min(left, q.x());
    right = std::max(right, q.x());
    bottom = std::min(bottom, q.y());
    top = std::max(top, q.y());
  };
  for (const QPointF& q : upper) grow(q);
  for (const QPointF& q : lower) grow(q);
  grow(boardAt(0));
  grow(boardAt(c));
  const double margin = 8;
  const double scale = std::min((width() - 2 * margin) / std::max(right - left, 1e-9),
                                (height() - 2 * margin) / std::max(top - bottom, 1e-9));
  const QPointF offset(margin + (width() - 2 * margin - (right - left) * scale) / 2,
                       margin + (height() - 2 * margin - (top - bottom) * scale) / 2);
  auto map = [&](QPointF q) {
    return QPointF(offset.x() + (q.x() - left) * scale, offset.y() + (top - q.y()) * scale);
  };

  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline(map(upper.front()));
  for (const QPointF& q : upper) outline.lineTo(map(q));
  for (auto it = lower.rbegin(); it != lower.rend(); ++it) outline.lineTo(map(*it));
  p.setPen(QPen(Qt::black, 1));
  p.drawPath(outline);
  p.setPen(QPen(Qt::darkGray, 1, Qt::DashDotLine));
  p.drawLine(map({0, 0}), map({c, 0}));
  p.setPen(QPen(QColor(0, 0, 160), 2));
  p.drawLine(map(boardAt(0)), map(boardAt(c)));
  p.setPen(QPen(QColor(192, 0, 0), 1.5));
  for (const auto& [onBoard, onRib] : edges) p.drawLine(map(onBoard), map(onRib));
}

// ---------------------------------------------------------------------------------------
TabWindow::TabWindow(core::RibDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
  setObjectName("frmTalon");
  setWindowTitle(Q(ChordWindowTitle("FrmTalon", document_)));
  const std::string& unit = document_.settings.unitText;
  const QString lengthKeys = Q(core::LengthKeys(unit));

  // In the window before the boxes are made, so that Tab takes them before the buttons.
  auto* layout = new QVBoxLayout(this);
  auto* sideRow = new QHBoxLayout;
  layout->addLayout(sideRow);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const platform::TextKey sideKeys[2] = {keys::BoardUnderLowerOption, keys::BoardOverUpperOption};
  for (int i = 0; i < 2; ++i) {
    sides_[i] = new QRadioButton(Q(Text(sideKeys[i])), this);
    sides_[i]->setObjectName(QString("OptTalon%1").arg(i));
    sideRow->addWidget(sides_[i]);
  }
  struct Row {
    int index;
    platform::TextKey caption;
    platform::TextKey tip;
    QString keys;
  };
  const Row rows[] = {{kLower, keys::BoardBelowLabel, {}, lengthKeys},
                      {kUpper, keys::BoardAboveLabel, {}, lengthKeys},
                      {kLength, keys::TabLengthLabel, keys::TabLengthTip, lengthKeys + "%"},
                      {kRear, keys::TabRearLabel, keys::TabRearTip, lengthKeys + "%"},
                      {kTabAngle, keys::TabAngleLabel, keys::TabAngleTip, lengthKeys + "-"}};
  int gridRow = 0;
  for (const Row& r : rows) {
    const CaptionedBox b = AddCaptionedBox(grid, gridRow++, QString("txt%1").arg(r.index), Text(r.caption),
                                           r.tip.key.empty() ? std::string() : Text(r.tip), r.keys);
    boxes_[r.index] = b.box;
    captions_[r.index] = b.caption;
    units_[r.index] = AddUnitLabel(grid, gridRow - 1, r.index == kTabAngle ? "\u00b0" : UnitWord(unit));
  }
  auto* reachCaption = new QLabel(Q(Text(keys::TabReachLabel)), this);
  reach_ = new QLabel(this);
  reach_->setObjectName("lbllongb");
  reach_->setToolTip(Q(Text(keys::TabReachTip)));
  reachCaption->setToolTip(reach_->toolTip());
  grid->addWidget(reachCaption, gridRow, 0);
  grid->addWidget(reach_, gridRow, 1);

  sketch_ = new TabSketch(document_, this);
  const DialogButtons buttons = AddDialogButtons(this, platform::kTopicRibDimensions);
  ok_ = buttons.ok;
  apply_ = buttons.apply;
  cancel_ = buttons.cancel;
  help_ = buttons.help;
  remove_ = AddRemoveButton(buttons, Text(keys::TakeOffTabsButton), document_.rib.baseMode == core::BaseMode::Tabs);

  layout->insertWidget(1, sketch_, 1);  // between the sides and the boxes
  layout->addWidget(buttons.box);

  const TabBoxes shown = TabBoxesFromDocument(document_);
  boxes_[kLower]->setText(Q(shown.lowerDistance));
  boxes_[kLength]->setText(Q(shown.length));
  boxes_[kRear]->setText(Q(shown.rear));
  boxes_[kTabAngle]->setText(Q(shown.angle));
  boxes_[kUpper]->setText(Q(shown.upperDistance));
  sides_[shown.board == core::TabBoard::UnderLowerSurface ? 0 : 1]->setChecked(true);
  length_ = TypedTabPosition(shown.length, document_).value;
  rear_ = TypedTabPosition(shown.rear, document_).value;
  SideChosen();
  ShowReach();

  for (int index : {kLength, kRear})
    connect(boxes_[index], &QLineEdit::textEdited, this, [this, index] { PositionEdited(index); });
  connect(boxes_[kTabAngle], &QLineEdit::textEdited, this, [this] { AngleEdited(); });
  for (int index : {kLower, kUpper})
    connect(boxes_[index], &QLineEdit::textEdited, this, [this] { sketch_->Show(Typed()); });
  for (QRadioButton* side : sides_) connect(side, &QRadioButton::toggled, this, [this](bool on) { if (on) SideChosen(); });
  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(ok_, &QPushButton::clicked, this, [this] { if (Apply()) accept(); });
  connect(remove_, &QPushButton::clicked, this, [this] { Remove(); });
  subscription_ = document_.changes.Listen([this](core::Changes what) { Follow(what); });
}

TabBoxes TabWindow::Typed() const {
  TabBoxes b;
  b.board = sides_[1]->isChecked() ? core::TabBoard::OverUpperSurface : core::TabBoard::UnderLowerSurface;
  b.lowerDistance = boxes_[kLower]->text().toStdString();
  b.length = boxes_[kLength]->text().toStdString();
  b.rear = boxes_[kRear]->text().toStdString();
  b.angle = boxes_[kTabAngle]->text().toStdString();
  b.upperDistance = boxes_[kUpper]->text().toStdString();
  return b;
}

void TabWindow::PositionEdited(int index) {
  const TypedValue typed = TypedTabPosition(boxes_[index]->text().toStdString(), document_);
  if (!typed.correctedText.empty()) boxes_[index]->setText(Q(typed.correctedText));
  (index == kLength ? length_ : rear_) = typed.value;
  ShowReach();
}

void TabWindow::AngleEdited() {
  const TypedValue typed = TypedTabAngle(boxes_[kTabAngle]->text().toStdString());
  if (!typed.correctedText.empty()) boxes_[kTabAngle]->setText(Q(typed.correctedText));
  sketch_->Show(Typed());
}

void TabWindow::SideChosen() {
  const bool lower = sides_[0]->isChecked();
  for (int i : {kLower, kUpper})
    for (QWidget* w : {static_cast<QWidget*>(boxes_[i]), static_cast<QWidget*>(captions_[i]), static_cast<QWidget*>(units_[i])})
      w->setVisible(lower == (i == kLower));
  sketch_->Show(Typed());
}

void TabWindow::ShowReach() {
  reach_->setText(Q(LengthLabelText(length_ + rear_, document_.settings.unitText)));
  sketch_->Show(Typed());
}

bool TabWindow::Apply() {
  if (ShowUnreadableBox(this)) return false;
  const core::Changes changed = ApplyTabs(document_, Typed(), windowTitle().toStdString());
  if (!changed.Any()) return false;
  changed_ = changed_ | changed;
  remove_->setEnabled(true);
  return true;
}

void TabWindow::Remove() {
  const core::Changes changed = TakeRibOffBase(document_, core::BaseMode::Tabs);
  changed_ = changed_ | changed;
  accept();
}

void TabWindow::Follow(core::Changes what) {
  if (!what.Has(core::Change::Chord) && !what.Has(core::Change::Sheeting)) return;
  setWindowTitle(Q(ChordWindowTitle("FrmTalon", document_)));
  // While the board lies parallel to the chord, its distances follow the airfoil.
  if (core::NumberFromText(boxes_[kTabAngle]->text().toStdString()) == 0 && document_.airfoil.loaded) {
    const core::TabBoardDistances defaults = core::DefaultTabDistances(document_);
    boxes_[kLower]->setText(Q(defaults.lower.text));
    boxes_[kUpper]->setText(Q(defaults.upper.text));
  }
  // A percentage follows the chord.
  length_ = TypedTabPosition(boxes_[kLength]->text().toStdString(), document_).value;
  rear_ = TypedTabPosition(boxes_[kRear]->text().toStdString(), document_).value;
  ShowReach();
}

}  // namespace ribwindows
