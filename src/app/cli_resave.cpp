#include <cstdio>

#include "cli.h"
#include "files/projectfile.h"
#include "platform/errorreport.h"

namespace cli {

// Opens IN as the File menu does (an older layout is converted in place, the airfoil is
// looked up and read), then writes OUT with the project writer.
int Resave(const Options& options, core::SharedState& s) {
  std::vector<std::string> args = options.args;
  const std::string airfoilDir = TakeOption(args, "--airfoil-dir");
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: vandrell-cli resave IN.vdl OUT.vdl [--airfoil-dir DIR]\n");
    return 1;
  }
  if (!airfoilDir.empty()) {
    s.airfoilDir = airfoilDir;
    s.seriesAirfoilDir = airfoilDir;
  }
  files::StateOnlyProjectWindow window;
  if (files::OpenProjectFile(s, args[0], window) != files::OpenProjectOutcome::Opened) return 2;
  s.projectPath = args[1];
  platform::ErrorInfo error;
  if (!files::WriteProject(s, args[1], &error)) {
    platform::ReportGeneralError(files::kSaveProjectTag, error);
    return 2;
  }
  return 0;
}

}  // namespace cli
