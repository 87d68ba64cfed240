#pragma once
// Where printed sheets go: the printer, a PDF file, the print preview, or the recording of
// the tests. Each sheet is landscape, drawn in millimetres from the top-left corner of
// its printable area at true scale.
#include <memory>
#include <string>
#include <vector>

#include "platform/drawtarget.h"
#include "platform/recordingtarget.h"

namespace platform {

struct SheetPaper {
  bool printerPaper = false;  // keep the paper the printer has; the sizes below are unused
  int code = 0;               // the platform's paper-size number
  double lengthMm = 0;        // long side
  double widthMm = 0;         // short side
};

class PageOutput {
 public:
  virtual ~PageOutput() = default;
  // Before a job: where nothing is set up to print on, lets the user choose (a printer or a
  // file). False when they cancel.
  virtual bool ChooseDestination() { return true; }
  // Starts the document on this paper, in landscape. False, with a reason, when it cannot.
  virtual bool Begin(const SheetPaper& paper, std::string& error) = 0;
  // The sheet being drawn.
  virtual DrawTarget& Sheet() = 0;
  // The printable area of a sheet, millimetres (landscape: width along the paper's length).
  virtual double SheetWidthMm() const = 0;
  virtual double SheetHeightMm() const = 0;
  virtual bool NewSheet(std::string& error) = 0;
  // Ends the document; false when it could not be completed (a full disc, a failed job).
  virtual bool End(std::string& error) = 0;
  // The file the sheets go to (a PDF), "" for a printer.
  virtual std::string FilePath() const { return {}; }
  // After a failed job: the next one lets the user choose again, another file or printer.
  virtual void ChooseAgainNextTime() {}
};

// Keeps every sheet's primitives (tests).
class RecordingPageOutput : public PageOutput {
 public:
  bool Begin(const SheetPaper& paper, std::string& error) override;
  DrawTarget& Sheet() override { return sheets.back(); }
  double SheetWidthMm() const override { return widthMm; }
  double SheetHeightMm() const override { return heightMm; }
  bool NewSheet(std::string& error) override;
  bool End(std::string& error) override;
  bool ChooseDestination() override {
    if (setUp) return true;
    ++choicesOffered;
    return setUp = chooseAnswer;
  }
  std::string FilePath() const override { return filePath; }
  void ChooseAgainNextTime() override { setUp = false; }

  double widthMm = 297;
  double heightMm = 210;
  bool refuseBegin = false;  // as a printer that is not there
  bool failEnd = false;      // as a job that fails on its way out
  bool setUp = true;         // false: as a machine where no printer is chosen yet
  bool chooseAnswer = true;  // then, whether the user chooses one or cancels
  int choicesOffered = 0;
  std::string filePath;  // as a print to a PDF file
  std::string failure = "the job failed";  // why End fails
  std::vector<RecordingTarget> sheets;
  std::vector<SheetPaper> begun;
  bool ended = false;
};

// Draws nothing and keeps how far the drawing reaches, millimetres (texts by the metrics of
// `metrics`, the target the drawing is meant for).
class ExtentTarget : public DrawTarget {
 public:
  explicit ExtentTarget(DrawTarget& metrics) : metrics_(metrics) {}
  void Line(double x1, double y1, double x2, double y2, const Pen& pen, bool box = false) override;
  void Circle(double x, double y, double radius, const Pen& pen) override;
  double TextWidth(const std::string& text, const Font& font) const override;
  double TextHeight(const std::string& text, const Font& font) const override;
  double TextAscent(const Font& font) const override;
  double CapitalHeight(const Font& font) const override;
  void Clear() override {}

  bool empty = true;
  double left = 0, top = 0, right = 0, bottom = 0;

 protected:
  void PrintAt(const std::string& text, double x, double y, const Font& font, int colour) override;

 private:
  void Add(double x, double y);
  DrawTarget& metrics_;
};

}  // namespace platform

namespace platform {

// The printer the print command uses (the windows install the system's); until one is
// installed, an output that refuses to start, as a machine without a printer.
PageOutput& CurrentPrinter();

class ScopedPrinter {
 public:
  explicit ScopedPrinter(PageOutput* printer);
  ~ScopedPrinter();
  ScopedPrinter(const ScopedPrinter&) = delete;
  ScopedPrinter& operator=(const ScopedPrinter&) = delete;

 private:
  PageOutput* previous_;
};

}  // namespace platform
