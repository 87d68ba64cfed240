#include "platform/qt/qtpageoutput.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <cstdio>

#include "platform/fileio.h"

namespace platform {

namespace {

// The platform's default paper where nothing else says: letter where the locale measures in
// inches, else A4.
QPageSize DefaultPageSize() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                            : QPageSize(QPageSize::A4);
}

// Points with at most four decimals, trailing zeros dropped: "-0.4646", "2834.6457", "283".
QByteArray PointsText(double points) {
  QByteArray text = QByteArray::number(points, 'f', 4);
  while (text.endsWith('0')) text.chop(1);
  if (text.endsWith('.')) text.chop(1);
  return text == "-0" ? QByteArray("0") : text;
}

// Qt keeps a page's size in whole points and draws from the top of that rounded page: a
// 100 mm sheet's page would be 99.84 mm, its bottom edge 0.16 mm off it. Each page box is
// written again at the paper's own size, its top where Qt's is (so the drawing stays put)
// and its bottom lower by what the rounding took. It takes no more characters than before
// (padded with blanks), so that every offset the file's index holds stays true.
void WriteExactPageBoxes(QByteArray& pdf, double longPoints, double shortPoints) {
  const QByteArray key = "/MediaBox [";
  for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
    const qsizetype start = at + key.size();
    const qsizetype end = pdf.indexOf(']', start);
    if (end < 0) return;
    const QList<QByteArray> numbers = pdf.mid(start, end - start).simplified().split(' ');
    bool read = numbers.size() == 4;
    const double top = read ? numbers[3].toDouble(&read) : 0;
    if (!read) continue;
    QByteArray box = "0 " + PointsText(top - shortPoints) + " " + PointsText(longPoints) + " " + PointsText(top);
    if (box.size() > end - start) continue;
    box.append(QByteArray(end - start - box.size(), ' '));
    pdf.replace(start, end - start, box);
  }
}

}  // namespace

QPageSize PageSizeFor(const SheetPaper& paper) {
  return QPageSize(QSizeF(paper.widthMm, paper.lengthMm), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
}

QtPageOutput::QtPageOutput(const std::string& pdfPath) : pdfPath_(pdfPath) {}

QtPageOutput::QtPageOutput(const std::string& pdfPath, const QPageSize& printerPaper)
    : pdfPath_(pdfPath), printerPaper_(printerPaper) {}

QtPageOutput::~QtPageOutput() {
  target_.reset();
  if (painter_ && painter_->isActive()) painter_->end();
  painter_.reset();
  pdf_.reset();
}

QPagedPaintDevice& QtPageOutput::Device() const {
  if (printer_) return printer_->Device();
  return *pdf_;
}

bool QtPageOutput::Begin(const SheetPaper& paper, std::string& error) {
  QPageSize size;
  if (!pdfPath_.empty()) {
    pdfBytes_ = std::make_unique<QBuffer>();
    pdfBytes_->open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(pdfBytes_.get());
    pdf_->setResolution(kPdfDpi);
    pdf_->setCreator("Vandrell");
    size = paper.printerPaper ? printerPaper_.value_or(DefaultPageSize()) : PageSizeFor(paper);
    if (!paper.printerPaper) exactPoints_ = {paper.lengthMm / 25.4 * 72, paper.widthMm / 25.4 * 72};
  } else {
    size = paper.printerPaper ? printer_->Paper() : PageSizeFor(paper);
  }
  // No margins of our own; a printer still keeps the strip it cannot print.
  if (printer_)
    printer_->Prepare(size, paper.printerPaper);
  else
    pdf_->setPageLayout(QPageLayout(size, QPageLayout::Landscape, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&Device())) {
    error = printer_ ? printer_->OpenFailure() : "the file " + pdfPath_ + " could not be written";
    painter_.reset();
    return false;
  }
  ClipToSheet();
  target_.emplace(QtDrawTarget::ForDevice(*painter_, Device()));
  target_->SetBackground(QColor());
  return true;
}

// A rib longer than the sheet is drawn past its edges; the preview would show that part
// beside the page, where a printer simply leaves it out.
void QtPageOutput::ClipToSheet() {
  QRectF sheet(0, 0, Device().width(), Device().height());
  // A PDF's page comes out at the paper's own size, a fraction of a point beyond Qt's.
  if (pdf_ && exactPoints_)
    sheet.setSize(sheet.size().expandedTo(
        QSizeF(exactPoints_->first, exactPoints_->second) * (Device().logicalDpiX() / 72.0)));
  painter_->setClipRect(sheet);
}

double QtPageOutput::SheetWidthMm() const {
  return Device().pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double QtPageOutput::SheetHeightMm() const {
  return Device().pageLayout().paintRect(QPageLayout::Millimeter).height();
}

bool QtPageOutput::NewSheet(std::string& error) {
  if (!Device().newPage()) {
    error = "the printer refused a new sheet";
    return false;
  }
  ClipToSheet();
  return true;
}

bool QtPageOutput::End(std::string& error) {
  target_.reset();
  const bool ended = painter_ && painter_->end();
  painter_.reset();
  if (printer_ && printer_->Failed()) {
    error = "the printer reported an error";
    return false;
  }
  if (!ended) {
    error = "the document could not be completed";
    return false;
  }
  if (!pdfPath_.empty()) {
    pdf_.reset();  // completes the document
    QByteArray& bytes = pdfBytes_->buffer();
    if (exactPoints_) WriteExactPageBoxes(bytes, exactPoints_->first, exactPoints_->second);
    const FileOutcome written = WriteFileAtomically(pdfPath_, std::string_view(bytes.constData(), bytes.size()));
    if (!written.ok()) {
      error = WriteErrorInfo(written, pdfPath_).description;
      return false;
    }
  }
  return true;
}

}  // namespace platform
