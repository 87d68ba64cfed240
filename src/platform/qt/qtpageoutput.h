#pragma once
// Printed sheets on a Qt paged device: the printer (and the print preview, which hands one
// over), or a PDF file. Sheets are landscape, at true scale, with no margins of our own:
// a printer keeps only the strip it cannot print.
#include <QPageSize>
#include <QPainter>
#include <memory>
#include <optional>
#include <string>

#include "platform/pageoutput.h"
#include "platform/qt/qtdrawtarget.h"

class QPagedPaintDevice;
class QPrinter;
class QPdfWriter;

namespace platform {

class QtPageOutput : public PageOutput {
 public:
  explicit QtPageOutput(QPrinter& printer);
  // A PDF file written through a temporary file that replaces `path` only once complete.
  explicit QtPageOutput(const std::string& pdfPath);
  ~QtPageOutput() override;

  bool Begin(const SheetPaper& paper, std::string& error) override;
  DrawTarget& Sheet() override { return *target_; }
  double SheetWidthMm() const override;
  double SheetHeightMm() const override;
  bool NewSheet(std::string& error) override;
  bool End(std::string& error) override;

 private:
  QPagedPaintDevice& Device() const;
  void ClipToSheet();

  QPrinter* printer_ = nullptr;
  std::unique_ptr<QPdfWriter> pdf_;
  std::string pdfPath_;
  std::string partialPath_;
  std::unique_ptr<QPainter> painter_;
  std::optional<QtDrawTarget> target_;
};

// The paper Qt knows by these sizes (a standard size when they match one).
QPageSize PageSizeFor(const SheetPaper& paper);

}  // namespace platform
