#pragma once
// Printed sheets on a Qt paged device: the printer (and the print preview, which hands one
// over), or a PDF file. Sheets are landscape, at true scale, with no margins of our own:
// a printer keeps only the strip it cannot print.
#include <QPageSize>
#include <QPainter>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/pageoutput.h"
#include "platform/qt/qtdrawtarget.h"

class QBuffer;
class QPagedPaintDevice;
class QPrinter;
class QPdfWriter;

namespace platform {

// What only a printer adds to the sheets (qtprinteroutput.cpp). It stays apart so that a
// program that writes PDF files and never prints links no print support.
class PrinterSheets {
 public:
  virtual ~PrinterSheets() = default;
  virtual QPagedPaintDevice& Device() = 0;
  // The paper the printer is set to.
  virtual QPageSize Paper() const = 0;
  // Landscape, no margins of our own, `size` unless the printer's own paper is used.
  virtual void Prepare(const QPageSize& size, bool printerPaper) = 0;
  // Why the printer could not be opened.
  virtual std::string OpenFailure() const = 0;
  virtual bool Failed() const = 0;
};

class QtPageOutput : public PageOutput {
 public:
  explicit QtPageOutput(QPrinter& printer);
  // A PDF file: painted in memory, then written with WriteFileAtomically, so that `path`
  // is replaced only once complete and only when it is a file.
  explicit QtPageOutput(const std::string& pdfPath);
  // The same on the paper a printer's choice gives, where the sheets keep the printer's paper.
  QtPageOutput(const std::string& pdfPath, const QPageSize& printerPaper);
  ~QtPageOutput() override;
  std::string FilePath() const override { return pdfPath_; }

  bool Begin(const SheetPaper& paper, std::string& error) override;
  DrawTarget& Sheet() override { return *target_; }
  double SheetWidthMm() const override;
  double SheetHeightMm() const override;
  bool NewSheet(std::string& error) override;
  bool End(std::string& error) override;

 private:
  QPagedPaintDevice& Device() const;
  void ClipToSheet();

  std::unique_ptr<PrinterSheets> printer_;
  std::unique_ptr<QPdfWriter> pdf_;
  std::unique_ptr<QBuffer> pdfBytes_;
  std::string pdfPath_;
  std::optional<std::pair<double, double>> exactPoints_;  // the paper's sides, long first
  std::optional<QPageSize> printerPaper_;
  std::unique_ptr<QPainter> painter_;
  std::optional<QtDrawTarget> target_;
};

// File > Print's printer: each job on a fresh copy of the shared printer (SharedPrinter),
// so that one failed job does not leave the next one failing; where nothing is set up to
// print on, or the last job failed, the print dialog first. A print to a PDF file is
// painted as QtPageOutput paints one, so that a failure says why and leaves no file.
class QtSystemPrinter : public PageOutput {
 public:
  QtSystemPrinter();
  ~QtSystemPrinter() override;

  bool ChooseDestination() override;
  bool Begin(const SheetPaper& paper, std::string& error) override;
  DrawTarget& Sheet() override { return job_->Sheet(); }
  double SheetWidthMm() const override;
  double SheetHeightMm() const override;
  bool NewSheet(std::string& error) override { return job_->NewSheet(error); }
  bool End(std::string& error) override;
  std::string FilePath() const override;
  void ChooseAgainNextTime() override { chooseAgain_ = true; }

 private:
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QtPageOutput> job_;
  bool chooseAgain_ = false;
};

// The paper Qt knows by these sizes (a standard size when they match one).
QPageSize PageSizeFor(const SheetPaper& paper);

}  // namespace platform
