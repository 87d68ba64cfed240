#pragma once
#include <memory>

#include "platform/desktop.h"

class QPrinter;

namespace platform {

// The desktop through Qt: programs started detached, pages in the default browser,
// QPrintDialog for the printer set-up, the override cursor for the hourglass.
class QtDesktop : public Desktop {
 public:
  bool StartCalculator() override;
  bool StartProgram(const std::string& path, const std::string& workingDir) override;
  bool OpenWebPage(const std::string& url) override;
  bool OpenFolder(const std::string& path) override;
  void PrinterSetup() override;
  void SetBusy(bool busy) override;
  char DecimalMark() const override;

 private:
  bool busy_ = false;
};

// The printer chosen in the printer set-up, shared by everything that prints. It is never
// painted on: each job prints on a fresh copy (NewPrinterJob), so that a failed job leaves
// nothing active behind and the choice can still be changed.
QPrinter& SharedPrinter();
std::unique_ptr<QPrinter> NewPrinterJob();
void CopyPrinterChoice(const QPrinter& from, QPrinter& to);

// Whether the shared printer leads anywhere: a named printer, or an output file.
bool PrinterIsSetUp(const QPrinter& printer);

// The print dialog on the shared printer: a printer or a PDF file, the paper, copies.
// `forPrint`: it starts the print (its button says so), else it only keeps the choice.
// False when cancelled.
bool ChoosePrinter(bool forPrint);

}  // namespace platform
