#include "platform/desktop.h"

#include <filesystem>
#include <unistd.h>

#include "platform/installed.h"

namespace platform {

namespace {
class InertDesktop : public Desktop {
 public:
  bool StartCalculator() override { return false; }
  bool StartProgram(const std::string&, const std::string&) override { return false; }
  bool OpenWebPage(const std::string&) override { return false; }
  bool OpenFolder(const std::string&) override { return false; }
  void PrinterSetup() override {}
  void SetBusy(bool) override {}
  char DecimalMark() const override { return '.'; }
};
}  // namespace

Desktop& CurrentDesktop() {
  static InertDesktop inert;
  Desktop* d = InstalledService<Desktop>();
  return d ? *d : inert;
}

const std::vector<std::string>& CalculatorPrograms() {
  static const std::vector<std::string> programs = {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk",
                                                    "xcalc"};
  return programs;
}

std::string FindFirstProgram(const std::vector<std::string>& programs, const std::string& searchPath) {
  std::vector<std::string> dirs;
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string::npos) end = searchPath.size();
    // An empty entry of PATH means the current directory.
    dirs.push_back(end > start ? searchPath.substr(start, end - start) : ".");
    start = end + 1;
  }
  for (const std::string& program : programs) {
    for (const std::string& dir : dirs) {
      std::filesystem::path candidate = std::filesystem::path(dir) / program;
      std::error_code ec;
      if (std::filesystem::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0)
        return candidate.string();
    }
  }
  return std::string();
}

bool RecordingDesktop::StartCalculator() {
  if (!calculatorFound) return false;
  ++calculatorStarts;
  return true;
}

bool RecordingDesktop::StartProgram(const std::string& path, const std::string& workingDir) {
  programsStarted.push_back(path);
  workingDirs.push_back(workingDir);
  return programsStart;
}

bool RecordingDesktop::OpenWebPage(const std::string& url) {
  pagesOpened.push_back(url);
  return true;
}

bool RecordingDesktop::OpenFolder(const std::string& path) {
  foldersOpened.push_back(path);
  return true;
}

ScopedDesktop::ScopedDesktop(Desktop* desktop) : previous_(InstalledService<Desktop>()) {
  InstalledService<Desktop>() = desktop;
}
ScopedDesktop::~ScopedDesktop() { InstalledService<Desktop>() = previous_; }

}  // namespace platform
