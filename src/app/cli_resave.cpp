#include <cstdio>

#include "cli.h"
#include "commands/projectcommands.h"
#include "files/projectfile.h"
#include "platform/errorreport.h"

namespace cli {

// Opens IN as the File menu does (an older layout is converted in place, the airfoil is
// looked up and read), then writes OUT with the project writer.
int Resave(const Options& options, core::RibDocument& s) {
  std::vector<std::string> args = options.args;
  const std::string airfoilDir = TakeOption(args, "--airfoil-dir");
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: vandrell-cli resave IN.vdl OUT.vdl [--airfoil-dir DIR]\n");
    return 1;
  }
  if (!airfoilDir.empty()) {
    s.settings.airfoilDir = airfoilDir;
    s.settings.seriesAirfoilDir = airfoilDir;
  }
  if (commands::OpenProjectFile(s, args[0], commands::Opener::Batch) != commands::OpenProjectOutcome::Opened)
    return 2;
  s.project.path = args[1];
  platform::ErrorInfo error;
  if (!files::WriteProject(s, args[1], &error)) {
    platform::ReportGeneralError(commands::kSaveProjectTag, error);
    return 2;
  }
  return 0;
}

}  // namespace cli
