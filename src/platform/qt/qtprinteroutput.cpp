// The printer's side of the printed sheets, and File > Print's printer. Apart from
// qtpageoutput.cpp so that vandrell-paint, which writes PDF files only, links no print support.
#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtpageoutput.h"

namespace platform {

namespace {

class QtPrinterSheets : public PrinterSheets {
 public:
  explicit QtPrinterSheets(QPrinter& printer) : printer_(printer) {}

  QPagedPaintDevice& Device() override { return printer_; }
  QPageSize Paper() const override { return printer_.pageLayout().pageSize(); }

  void Prepare(const QPageSize& size, bool printerPaper) override {
    printer_.setFullPage(false);
    printer_.setPageOrientation(QPageLayout::Landscape);
    if (!printerPaper) printer_.setPageSize(size);
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }

  std::string OpenFailure() const override {
    const std::string file = printer_.outputFileName().toStdString();
    if (!file.empty()) return "the file " + file + " could not be written";
    if (printer_.printerName().isEmpty()) return "no printer is set up";
    return "the printer " + printer_.printerName().toStdString() + " could not be opened";
  }

  bool Failed() const override { return printer_.printerState() == QPrinter::Error; }

 private:
  QPrinter& printer_;
};

}  // namespace

QtPageOutput::QtPageOutput(QPrinter& printer) : printer_(std::make_unique<QtPrinterSheets>(printer)) {}

QtSystemPrinter::QtSystemPrinter() = default;

QtSystemPrinter::~QtSystemPrinter() {
  job_.reset();
  printer_.reset();
}

bool QtSystemPrinter::ChooseDestination() {
  if (!chooseAgain_ && PrinterIsSetUp(SharedPrinter())) return true;
  if (!ChoosePrinter(true)) return false;
  chooseAgain_ = false;
  return true;
}

std::string QtSystemPrinter::FilePath() const {
  if (job_) return job_->FilePath();
  return SharedPrinter().outputFileName().toStdString();
}

bool QtSystemPrinter::Begin(const SheetPaper& paper, std::string& error) {
  job_.reset();
  printer_ = NewPrinterJob();
  const QString file = printer_->outputFileName();
  if (!file.isEmpty())
    job_ = std::make_unique<QtPageOutput>(file.toStdString(), printer_->pageLayout().pageSize());
  else
    job_ = std::make_unique<QtPageOutput>(*printer_);
  if (job_->Begin(paper, error)) return true;
  job_.reset();
  printer_.reset();
  return false;
}

double QtSystemPrinter::SheetWidthMm() const { return job_ ? job_->SheetWidthMm() : 0; }
double QtSystemPrinter::SheetHeightMm() const { return job_ ? job_->SheetHeightMm() : 0; }

bool QtSystemPrinter::End(std::string& error) {
  const bool ended = job_ && job_->End(error);
  job_.reset();
  printer_.reset();
  return ended;
}

}  // namespace platform
