#pragma once
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
  void PrinterSetup() override;
  void SetBusy(bool busy) override;
  char DecimalMark() const override;

 private:
  bool busy_ = false;
};

// The printer chosen in the printer set-up, shared by everything that prints.
QPrinter& SharedPrinter();

}  // namespace platform
