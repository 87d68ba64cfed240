#include "platform/qt/qtpicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSvgGenerator>
#include <cmath>

#include "platform/fileio.h"
#include "platform/qt/qtdrawtarget.h"

namespace platform {

namespace {

// About 57 SVG user units to the millimetre, so the file keeps the drawing's precision.
constexpr int kSvgDpi = 1440;

int Pixels(double mm, double dpi) { return std::max(1, static_cast<int>(std::ceil(mm * dpi / kMmPerInch))); }

void Paint(QPainter& painter, const QPaintDevice& device, const PictureRequest& request, const Drawing& draw) {
  QtDrawTarget target = QtDrawTarget::ForDevice(painter, device);
  target.SetBackground(request.background);
  target.Clear();
  draw(target);
}

// Painting on a QPicture gives the extent of lines and circles; texts are added here since
// the picture does not count them.
class MeasuringTarget : public QtDrawTarget {
 public:
  MeasuringTarget(QPainter& painter, const QPaintDevice& device) : QtDrawTarget(ForDevice(painter, device)) {}
  PictureExtent textExtent;

 protected:
  void PrintAt(const std::string& text, double x, double y, const Font& font, int colour) override {
    if (std::isfinite(x) && std::isfinite(y)) {
      textExtent.leftMm = std::min(textExtent.leftMm, x);
      textExtent.topMm = std::min(textExtent.topMm, y);
      textExtent.rightMm = std::max(textExtent.rightMm, x + TextWidth(text, font));
      textExtent.bottomMm = std::max(textExtent.bottomMm, y + TextHeight(text, font));
    }
    QtDrawTarget::PrintAt(text, x, y, font, colour);
  }
};

}  // namespace

bool PictureFormatFromPath(const std::string& path, PictureFormat& format) {
  const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
  if (suffix == "png") format = PictureFormat::Png;
  else if (suffix == "svg") format = PictureFormat::Svg;
  else if (suffix == "pdf") format = PictureFormat::Pdf;
  else return false;
  return true;
}

PictureExtent MeasureDrawing(const Drawing& draw) {
  QPicture picture;
  QPainter painter(&picture);
  MeasuringTarget target(painter, picture);
  draw(target);
  painter.end();
  const QRect bounds = picture.boundingRect();
  PictureExtent extent = target.textExtent;
  if (bounds.isValid()) {
    const double mmX = kMmPerInch / picture.logicalDpiX();
    const double mmY = kMmPerInch / picture.logicalDpiY();
    extent.leftMm = std::min(extent.leftMm, bounds.left() * mmX);
    extent.topMm = std::min(extent.topMm, bounds.top() * mmY);
    extent.rightMm = std::max(extent.rightMm, (bounds.right() + 1) * mmX);
    extent.bottomMm = std::max(extent.bottomMm, (bounds.bottom() + 1) * mmY);
  }
  return extent;
}

namespace {

// The picture's bytes, painted in memory so that the file is written in one atomic step.
bool PaintPicture(const QString& file, PictureFormat format, const PictureRequest& request, const Drawing& draw,
                  QBuffer& out) {
  out.open(QIODevice::WriteOnly);
  switch (format) {
    case PictureFormat::Png: {
      QImage image(Pixels(request.widthMm, request.pngDpi), Pixels(request.heightMm, request.pngDpi),
                   QImage::Format_RGB32);
      if (image.isNull()) return false;
      const int dotsPerMetre = static_cast<int>(std::lround(request.pngDpi / 0.0254));
      image.setDotsPerMeterX(dotsPerMetre);
      image.setDotsPerMeterY(dotsPerMetre);
      image.fill(Qt::white);
      {
        QPainter painter(&image);
        Paint(painter, image, request, draw);
      }
      return image.save(&out, "PNG");
    }
    case PictureFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&out);
      svg.setResolution(kSvgDpi);
      const QSize size(Pixels(request.widthMm, kSvgDpi), Pixels(request.heightMm, kSvgDpi));
      svg.setSize(size);
      svg.setViewBox(QRect(QPoint(0, 0), size));
      svg.setTitle(QFileInfo(file).completeBaseName());
      QPainter painter;
      if (!painter.begin(&svg)) return false;
      Paint(painter, svg, request, draw);
      return painter.end();
    }
    case PictureFormat::Pdf: {
      QPdfWriter pdf(&out);
      pdf.setResolution(kPdfDpi);
      const QSizeF pageMm(request.widthMm, request.heightMm);
      pdf.setPageSize(QPageSize(pageMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setTitle(QFileInfo(file).completeBaseName());
      pdf.setCreator("Vandrell");
      QPainter painter;
      if (!painter.begin(&pdf)) return false;
      Paint(painter, pdf, request, draw);
      return painter.end();
    }
  }
  return false;
}

}  // namespace

static bool WritePictureOnce(const std::string& path, PictureFormat format, const PictureRequest& request,
                             const Drawing& draw, ErrorInfo& error) {
  if (!(request.widthMm > 0 && request.heightMm > 0) || !std::isfinite(request.widthMm) ||
      !std::isfinite(request.heightMm)) {
    error = {kErrInvalidCall, "Invalid procedure call or argument: an empty picture"};
    return false;
  }
  QBuffer buffer;
  if (!PaintPicture(QString::fromStdString(path), format, request, draw, buffer)) {
    error = {kErrOutOfMemory, "Out of memory: the picture could not be made\n" + path};
    return false;
  }
  const QByteArray& bytes = buffer.data();
  const FileOutcome written =
      WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!written.ok()) {
    error = WriteErrorInfo(written, path);
    return false;
  }
  return true;
}

bool WritePicture(const std::string& path, PictureFormat format, const PictureRequest& request,
                  const Drawing& draw, ErrorInfo& error) {
  try {
    return WritePictureOnce(path, format, request, draw, error);
  } catch (...) {
    error = CurrentExceptionError();
    return false;
  }
}

}  // namespace platform
