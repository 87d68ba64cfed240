#pragma once
// What the program asks of the desktop: starting other programs, a web page, the printer
// set-up, the busy pointer and the user's decimal mark. The windows install a Qt one;
// tests install a recording one.
#include <string>
#include <vector>

namespace platform {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Starts the first calculator found on the search path; false when there is none.
  virtual bool StartCalculator() = 0;
  // Starts a program file with no arguments in `workingDir`; false when it could not start.
  virtual bool StartProgram(const std::string& path, const std::string& workingDir) = 0;
  virtual bool OpenWebPage(const std::string& url) = 0;
  // Shows a folder in the desktop's file manager.
  virtual bool OpenFolder(const std::string& path) = 0;
  // The platform's printer dialog; the printer chosen there is the one printing uses.
  virtual void PrinterSetup() = 0;
  // The hourglass pointer while the program works; calls do not nest.
  virtual void SetBusy(bool busy) = 0;
  // The first character of the user's locale decimal separator.
  virtual char DecimalMark() const = 0;
};

Desktop& CurrentDesktop();

// Shows the hourglass for the lifetime of the object.
class BusyPointer {
 public:
  BusyPointer() { CurrentDesktop().SetBusy(true); }
  ~BusyPointer() { CurrentDesktop().SetBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

// Calculators tried in this order.
const std::vector<std::string>& CalculatorPrograms();
// The full path of the first of `programs` found in the directories of `searchPath`
// (":"-separated like PATH), or "" when none is.
std::string FindFirstProgram(const std::vector<std::string>& programs, const std::string& searchPath);

// Records what was asked (tests). Starting succeeds unless told otherwise.
class RecordingDesktop : public Desktop {
 public:
  bool StartCalculator() override;
  bool StartProgram(const std::string& path, const std::string& workingDir) override;
  bool OpenWebPage(const std::string& url) override;
  bool OpenFolder(const std::string& path) override;
  void PrinterSetup() override { ++printerSetups; }
  void SetBusy(bool b) override { busy = b; busyCalls.push_back(b); }
  char DecimalMark() const override { return decimalMark; }

  bool calculatorFound = true;
  bool programsStart = true;
  char decimalMark = '.';
  int calculatorStarts = 0;
  int printerSetups = 0;
  bool busy = false;
  std::vector<bool> busyCalls;
  std::vector<std::string> programsStarted;
  std::vector<std::string> workingDirs;
  std::vector<std::string> pagesOpened;
  std::vector<std::string> foldersOpened;
};

// Installs a desktop for the lifetime of the object.
class ScopedDesktop {
 public:
  explicit ScopedDesktop(Desktop* desktop);
  ~ScopedDesktop();
  ScopedDesktop(const ScopedDesktop&) = delete;
  ScopedDesktop& operator=(const ScopedDesktop&) = delete;

 private:
  Desktop* previous_;
};

}  // namespace platform
