#include "serieswindows/kitpreview.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "output/kitwriter.h"
#include "platform/qt/qtdrawtarget.h"

namespace serieswindows {

namespace {
constexpr int kMargin = 6;  // pixels around the sheet
}

class SheetCanvas : public QWidget {
 public:
  explicit SheetCanvas(KitPreview* preview) : QWidget(preview), preview_(preview) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const KitPreview& p = *preview_;
    if (p.shown_ < 0) return;
    const double scale = p.PixelsPerMm();
    painter.fillRect(QRectF(kMargin, kMargin, p.size_.lengthMm * scale, p.size_.widthMm * scale), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kMargin, kMargin);
    // Drawn at true size for the screen, then scaled, so that the engraved names shrink
    // with the parts; lines stay a pixel wide.
    const double trueScale = logicalDpiY() / 25.4;
    painter.scale(scale / trueScale, scale / trueScale);
    platform::QtDrawTarget target(painter, logicalDpiX(), logicalDpiY(), trueScale / scale);
    output::DrawKitSheet(p.sheets_[static_cast<std::size_t>(p.shown_)], p.size_, target);
  }

 private:
  KitPreview* preview_;
};

KitPreview::KitPreview(QWidget* parent) : QScrollArea(parent) {
  setObjectName("kitpreview");
  setWidget(new SheetCanvas(this));
  setWidgetResizable(false);
  setAlignment(Qt::AlignCenter);
  setMinimumHeight(110);
}

void KitPreview::SetSheets(std::vector<core::CutLayout> sheets, core::SheetSize size) {
  sheets_ = std::move(sheets);
  size_ = size;
  shown_ = sheets_.empty() ? -1 : 0;
  zoom_ = 1;
  Resize();
  emit Changed();
}

void KitPreview::Show(int sheet) {
  if (sheets_.empty()) return;
  shown_ = std::clamp(sheet, 0, SheetCount() - 1);
  widget()->update();
  emit Changed();
}

void KitPreview::ZoomBy(double factor) {
  const double zoom = std::clamp(zoom_ * factor, 1.0, 32.0);
  if (zoom == zoom_) return;
  // The middle of what is seen stays in the middle.
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  const double cx = (h->value() + viewport()->width() / 2.0) / std::max(1, widget()->width());
  const double cy = (v->value() + viewport()->height() / 2.0) / std::max(1, widget()->height());
  zoom_ = zoom;
  Resize();
  h->setValue(static_cast<int>(cx * widget()->width() - viewport()->width() / 2.0));
  v->setValue(static_cast<int>(cy * widget()->height() - viewport()->height() / 2.0));
  emit Changed();
}

double KitPreview::PixelsPerMm() const {
  if (!(size_.lengthMm > 0) || !(size_.widthMm > 0)) return 1;
  // At zoom 1 the whole sheet is seen, whichever side limits it.
  // (The room without scroll bars, so that the fit does not change once they show.)
  const QSize room = maximumViewportSize();
  const double across = (room.width() - 2 * kMargin) / size_.lengthMm;
  const double down = (room.height() - 2 * kMargin) / size_.widthMm;
  return std::max(0.01, std::min(across, down)) * zoom_;
}

void KitPreview::Resize() {
  const double scale = PixelsPerMm();
  if (shown_ < 0) {
    widget()->resize(maximumViewportSize());
  } else {
    widget()->resize(static_cast<int>(size_.lengthMm * scale) + 2 * kMargin,
                     static_cast<int>(size_.widthMm * scale) + 2 * kMargin);
  }
  widget()->update();
}

void KitPreview::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  Resize();
}

void KitPreview::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QScrollArea::wheelEvent(event);
    return;
  }
  const int steps = event->angleDelta().y() / 120;
  if (steps != 0) ZoomBy(steps > 0 ? 1.25 : 0.8);
  event->accept();
}

}  // namespace serieswindows
