#include "platform/qt/qtsizedicon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

class SizedFilesEngine final : public QIconEngine {
 public:
  explicit SizedFilesEngine(std::vector<SizedIconFile> files) : files_(std::move(files)), icons_(files_.size()) {
    std::sort(files_.begin(), files_.end(), [](const SizedIconFile& a, const SizedIconFile& b) { return a.side < b.side; });
  }

  // As QIcon's own engine: the chosen image's size, scaled down to fit. No file is decoded.
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    if (files_.empty()) return QSize();
    const int side = files_[Choice(size)].side;
    QSize actual(side, side);
    if (side > size.width() || side > size.height()) actual.scale(size, Qt::KeepAspectRatio);
    return actual;
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  // `size` is in device pixels. The images are all of one density, so the choice among them
  // depends on the size alone.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
    return files_.empty() ? QPixmap() : For(size).pixmap(size, 1.0, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QPaintDevice* device = painter->device();
    const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
    const QSize deviceSize = rect.size() * ratio;
    painter->drawPixmap(rect, scaledPixmap(deviceSize, mode, state, ratio));
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off)
      for (const SizedIconFile& f : files_) sizes.append(QSize(f.side, f.side));
    return sizes;
  }
  bool isNull() override { return files_.empty(); }
  QIconEngine* clone() const override { return new SizedFilesEngine(*this); }

 private:
  SizedFilesEngine(const SizedFilesEngine&) = default;

  // The file a request of `size` uses: the smallest at least as large in area, else the largest.
  std::size_t Choice(const QSize& size) const {
    const qint64 wanted = qint64(size.width()) * size.height();
    std::size_t i = 0;
    while (i + 1 < files_.size() && qint64(files_[i].side) * files_[i].side < wanted) ++i;
    return i;
  }
  // The icon of that one file, decoded the first time.
  const QIcon& For(const QSize& size) {
    const std::size_t i = Choice(size);
    if (icons_[i].isNull()) icons_[i].addFile(files_[i].path, QSize(files_[i].side, files_[i].side));
    return icons_[i];
  }

  std::vector<SizedIconFile> files_;  // smallest first
  std::vector<QIcon> icons_;          // one per file, empty until needed
};

}  // namespace

QIcon IconFromSizedFiles(std::vector<SizedIconFile> files) { return QIcon(new SizedFilesEngine(std::move(files))); }

}  // namespace platform
