// The rib view with its scroll bars and status bar: drawing, zoom, scrolling and panning.
#include "mainwindow/mainwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QWheelEvent>
#include <algorithm>

#include "commands/ribwarningtext.h"
#include "core/ribwarnings.h"
#include "core/viewgeometry.h"
#include "mainwindow/mainview.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "sharedwindows/ribstatus.h"
#include "mainwindow/viewdrawing.h"
#include "platform/messages.h"
#include "platform/qt/qtdrawtarget.h"
#include "platform/texts.h"

namespace mainwindow {

using platform::Text;

namespace {

using platform::Q;

// The cream of the picture, &HEFFFFF: red 255, green 255, blue 239.
const QColor kViewBackground(255, 255, 239);

// The status bar's spacing between its panels and its size grip.
constexpr int kStatusBarAllowance = 40;

// The text on as many lines as it needs at `width`, broken between words.
QString BrokenToWidth(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(' ')) {
    const QString longer = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  lines << line;
  return lines.join('\n');
}

// How far a pixel of the view reaches on the drawing, which the view shows at true scale.
double ViewMmPerPixel(const QWidget& view) { return platform::kMmPerInch / view.logicalDpiX(); }

}  // namespace

RibView::RibView(QWidget* parent) : QWidget(parent) {
  setObjectName("Pic");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(50, 50);
  // The Menu key and Shift+F10 reach the rib menu through the focus (the window's filter).
  setFocusPolicy(Qt::StrongFocus);
}

void RibView::Clear() {
  const qreal ratio = devicePixelRatioF();
  QSize size = this->size() * ratio;
  if (size.isEmpty()) size = QSize(1, 1);
  if (surface_.size() != size) {
    surface_ = QImage(size, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
  }
  surface_.fill(kViewBackground);
  blank_ = true;
  update();
}

void RibView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kViewBackground);
  if (!surface_.isNull()) painter.drawImage(0, 0, surface_);
}

void RibView::contextMenuEvent(QContextMenuEvent* event) {
  emit rightClicked(event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center()) : event->globalPos());
}

void MainWindow::BuildView() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  view_ = new RibView(central);
  hScroll_ = new QScrollBar(Qt::Horizontal, central);
  hScroll_->setObjectName("Hsbpic");
  vScroll_ = new QScrollBar(Qt::Vertical, central);
  vScroll_->setObjectName("Vsbpic");
  hScroll_->setRange(0, 0);
  vScroll_->setRange(0, 0);
  grid->addWidget(view_, 0, 0);
  grid->addWidget(vScroll_, 0, 1);
  grid->addWidget(hScroll_, 1, 0);
  setCentralWidget(central);

  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QString("StatusBarPanel%1").arg(i + 1));
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  // Stored values that leave no sensible rib are told here, in the airfoil panel's place,
  // never widening the window.
  warningPanel_ = new QLabel(this);
  warningPanel_->setObjectName("StatusBarWarning");
  warningPanel_->setStyleSheet("color: rgb(176, 0, 0);");
  warningPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  warningPanel_->hide();
  panels_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(panels_[0]);
  statusBar()->addWidget(panels_[1], 1);
  statusBar()->addWidget(warningPanel_, 1);
  statusBar()->addWidget(panels_[2]);

  connect(hScroll_, &QScrollBar::valueChanged, this, &MainWindow::HorizontalScrolled);
  connect(vScroll_, &QScrollBar::valueChanged, this, &MainWindow::VerticalScrolled);
  connect(zoomList_, &QComboBox::currentIndexChanged, this, [this] { ZoomChosen(); });
  connect(view_, &RibView::rightClicked, this, [this](const QPoint& at) { ribMenu_->popup(at); });
  view_->installEventFilter(this);
  // The keys of the view (Shift+F10, the Menu key) work from the start, before any click.
  view_->setFocus();
}

QLabel* MainWindow::Panel(int index) const { return panels_[index - 1]; }

void MainWindow::SetSpecialView(SpecialView view, SpecialDrawing drawing) {
  specialViews_[view] = std::move(drawing);
}

void MainWindow::Redraw() {
  const QString warning =
      Q(commands::RibWarningsText(core::FindRibWarnings(document_), document_.settings.unitText));
  // Broken between words onto a second line where the window is too narrow for it: the
  // status bar grows by a line rather than cutting the warning.
  const int room = statusBar()->contentsRect().width() - panels_[0]->sizeHint().width() -
                   panels_[2]->sizeHint().width() - kStatusBarAllowance;
  warningPanel_->setText(BrokenToWidth(warning, warningPanel_->fontMetrics(), room));
  warningPanel_->setToolTip(warning);
  warningPanel_->setVisible(!warning.isEmpty());
  // The airfoil's figures give the warning their room while it stands.
  panels_[1]->setVisible(warning.isEmpty());
  const core::ViewState& v = document_.view;
  if (v.compareShown || v.thicknessCamberShown || v.formerShown) {
    UpdateScrollRanges();
    view_->Clear();
    const core::ViewPlacement at = core::PlaceView(document_);
    QPainter painter(&view_->Surface());
    platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, view_->Surface());
    const std::pair<bool, SpecialView> order[] = {{v.compareShown, SpecialView::Comparison},
                                                  {v.thicknessCamberShown, SpecialView::ThicknessCamber},
                                                  {v.formerShown, SpecialView::Former}};
    for (const auto& [active, kind] : order) {
      auto it = specialViews_.find(kind);
      if (active && it != specialViews_.end() && it->second) it->second(target, at);
    }
    view_->MarkDrawn();
    return;
  }
  if (!document_.airfoil.loaded) return;
  Panel(1)->setText(Q(VersionPanelText(document_)));
  Panel(2)->setText(Q(sharedwindows::AirfoilPanelText(document_, Text(keys::AirfoilLabel), Text(keys::ChordLabel))));
  if (core::EdgeWarning(document_).what != core::RibWarning::None) {
    // Nothing is drawn; the box is told once for these values, not at every resize or scroll.
    view_->Clear();
    const std::array<float, 3> refused{document_.rib.leadingEdge.mm, document_.rib.trailingEdge.mm,
                                       document_.rib.chord.mm};
    if (refused == refusedEdges_) return;
    refusedEdges_ = refused;
    platform::Inform(Text(keys::EdgesLongerThanChord), Text(keys::EdgesLongerThanChordTitle),
                     platform::BoxIcon::Exclamation);
    return;
  }
  refusedEdges_ = {};
  UpdateScrollRanges();
  view_->Clear();
  // A rib without a chord has nothing to draw, and the trace divides by the chord.
  if (document_.rib.chord.mm > 0) {
    PaintRib(document_, view_->Surface());
    view_->MarkDrawn();
    ++drawCount_;
  }
}

void MainWindow::UpdateScrollRanges() {
  const double mmPerPixel = ViewMmPerPixel(*view_);
  const ScrollRanges r = ScrollRangesFor(document_, view_->width() * mmPerPixel, view_->height() * mmPerPixel);
  QSignalBlocker h(hScroll_);
  QSignalBlocker v(vScroll_);
  hScroll_->setRange(r.horizontal.minimum, r.horizontal.maximum);
  hScroll_->setPageStep(r.horizontal.pageStep);
  vScroll_->setRange(r.vertical.minimum, r.vertical.maximum);
  vScroll_->setPageStep(r.vertical.pageStep);
  // An arrow or a wheel notch moves a fixed part of the view, whatever the zoom.
  hScroll_->setSingleStep(std::max(1, r.horizontal.pageStep / 8));
  vScroll_->setSingleStep(std::max(1, r.vertical.pageStep / 8));
  // A smaller range may have moved a bar's value.
  document_.view.hScroll = static_cast<std::int16_t>(-hScroll_->value());
  document_.view.vScroll = static_cast<std::int16_t>(vScroll_->value());
}

void MainWindow::UpdateScrollRangesKeepingValues() {
  const double mmPerPixel = ViewMmPerPixel(*view_);
  const ScrollRanges r = ScrollRangesFor(document_, view_->width() * mmPerPixel, view_->height() * mmPerPixel);
  const int h = std::clamp<int>(-document_.view.hScroll, r.horizontal.minimum,
                                std::max(r.horizontal.minimum, r.horizontal.maximum));
  const int v =
      std::clamp<int>(document_.view.vScroll, r.vertical.minimum, std::max(r.vertical.minimum, r.vertical.maximum));
  QSignalBlocker hb(hScroll_);
  QSignalBlocker vb(vScroll_);
  hScroll_->setRange(r.horizontal.minimum, std::max(r.horizontal.minimum, r.horizontal.maximum));
  vScroll_->setRange(r.vertical.minimum, std::max(r.vertical.minimum, r.vertical.maximum));
  hScroll_->setValue(h);
  vScroll_->setValue(v);
  document_.view.hScroll = static_cast<std::int16_t>(-h);
  document_.view.vScroll = static_cast<std::int16_t>(v);
}

void MainWindow::ResetScrollBars() {
  QSignalBlocker h(hScroll_);
  QSignalBlocker v(vScroll_);
  hScroll_->setValue(0);
  vScroll_->setValue(0);
  document_.view.hScroll = 0;
  document_.view.vScroll = 0;
}

void MainWindow::SetZoom(double zoom, int hScroll, int vScroll, bool announce) {
  {
    QSignalBlocker block(zoomList_);
    const QString text = Q(ZoomEntryText(zoom));
    int index = zoomList_->findText(text);
    if (index < 0) {
      // One place beyond the fixed entries holds a zoom of the user's own (Fit, the wheel).
      if (zoomList_->count() > static_cast<int>(ZoomEntries().size())) zoomList_->setItemText(zoomList_->count() - 1, text);
      else zoomList_->addItem(text);
      index = zoomList_->count() - 1;
    }
    zoomList_->setCurrentIndex(index);
  }
  document_.view.zoom = ZoomFromEntry(zoomList_->currentText().toStdString());
  document_.view.hScroll = static_cast<std::int16_t>(hScroll);
  document_.view.vScroll = static_cast<std::int16_t>(vScroll);
  UpdateScrollRangesKeepingValues();
  if (announce) document_.changes.Announce(core::Change::View);
}

void MainWindow::StepZoom(int direction, const QPoint& about) {
  // The fixed entries run from the largest zoom down.
  const std::array<std::string, 7>& entries = ZoomEntries();
  const double now = document_.view.zoom;
  double next = now;
  if (direction < 0) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
      if (ZoomFromEntry(*it) > now + 1e-6) {
        next = ZoomFromEntry(*it);
        break;
      }
  } else {
    for (const std::string& e : entries)
      if (ZoomFromEntry(e) < now - 1e-6) {
        next = ZoomFromEntry(e);
        break;
      }
  }
  if (next == now) return;
  const double mmPerPixel = ViewMmPerPixel(*view_);
  const ScrollValues keep = ScrollKeepingPoint(document_, next, about.x() * mmPerPixel, about.y() * mmPerPixel);
  SetZoom(next, keep.hScroll, keep.vScroll);
}

void MainWindow::FitInView(bool announce) {
  const double mmPerPixel = ViewMmPerPixel(*view_);
  const FitView fit = FitRibInView(document_, view_->width() * mmPerPixel, view_->height() * mmPerPixel);
  SetZoom(fit.zoom, fit.hScroll, fit.vScroll, announce);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      if (wheel->modifiers() & Qt::ControlModifier) {
        if (wheel->angleDelta().y() != 0) StepZoom(wheel->angleDelta().y() > 0 ? -1 : 1, wheel->position().toPoint());
      } else {
        // The bars scroll as their own wheel would; Shift turns the wheel sideways.
        QScrollBar* bar = (wheel->modifiers() & Qt::ShiftModifier) || wheel->angleDelta().y() == 0 ? hScroll_ : vScroll_;
        QCoreApplication::sendEvent(bar, event);
      }
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::MiddleButton) break;
      panFrom_ = mouse->position().toPoint();
      panning_ = true;
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!panning_) break;
      PanBy(mouse->position().toPoint() - panFrom_);
      panFrom_ = mouse->position().toPoint();
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) panning_ = false;
      break;
    case QEvent::KeyPress: {
      // Shift+F10 asks for the rib menu as the Menu key does; not every window system says so.
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier) break;
      const QPoint centre = view_->rect().center();
      QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, view_->mapToGlobal(centre));
      QCoreApplication::sendEvent(view_, &menu);
      return true;
    }
    default: break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::PanBy(const QPoint& pixels) {
  const double step = core::ScrollStepMm(document_);
  if (!(step > 0)) return;
  // Whole scroll steps only; what is left over waits for the next move.
  panRest_ += QPointF(pixels) * ViewMmPerPixel(*view_) / step;
  const int dx = static_cast<int>(panRest_.x()), dy = static_cast<int>(panRest_.y());
  panRest_ -= QPointF(dx, dy);
  // Dragging the picture right brings its left part into view.
  if (dx != 0) hScroll_->setValue(hScroll_->value() - dx);
  if (dy != 0) vScroll_->setValue(vScroll_->value() - dy);
}

void MainWindow::ZoomChosen() {
  if (zoomList_->currentIndex() < 0) return;
  document_.view.zoom = ZoomFromEntry(zoomList_->currentText().toStdString());
  ResetScrollBars();
  document_.changes.Announce(core::Change::View);
}

void MainWindow::HorizontalScrolled(int value) {
  document_.view.hScroll = static_cast<std::int16_t>(-value);
  document_.changes.Announce(core::Change::View);
}

void MainWindow::VerticalScrolled(int position) {
  // The bar counts down as its thumb goes down (see ScrollRanges).
  const int value = -position;
  document_.view.vScroll = static_cast<std::int16_t>(-value);
  document_.changes.Announce(core::Change::View);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Redraw();
}

}  // namespace mainwindow
