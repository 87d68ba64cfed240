#include <cstdio>

#include "cli.h"
#include "commands/projectcommands.h"
#include "files/projectfile.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"

namespace cli {

// Opens IN as the File menu does (an older layout is converted in place, the airfoil is
// looked up and read), then writes OUT with the project writer.
int Resave(const Options& options, core::RibDocument& s) {
  std::vector<std::string> args = options.args;
  const std::string airfoilDir = TakeOption(args, "--airfoil-dir");
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: vandrell-cli resave IN.vdl OUT.vdl [--airfoil-dir DIR]\n");
    return kExitUsage;
  }
  const platform::FileOutcome input = platform::CheckReadable(args[0]);
  if (input.refused()) return Refuse(platform::RefusalName(input.problem), platform::RefusalText(input, args[0]));
  if (!airfoilDir.empty()) {
    s.settings.airfoilDir = airfoilDir;
    s.settings.seriesAirfoilDir = airfoilDir;
  }
  // The open has told the user why on standard error; the keys are those of `dxf`.
  const char* refusal = nullptr;
  switch (commands::OpenProjectFile(s, args[0], commands::Opener::Batch)) {
    case commands::OpenProjectOutcome::Opened: break;
    case commands::OpenProjectOutcome::Failed: refusal = "project"; break;
    case commands::OpenProjectOutcome::AirfoilMissing: refusal = "airfoil-missing"; break;
    case commands::OpenProjectOutcome::AirfoilUnreadable: refusal = "airfoil"; break;
    case commands::OpenProjectOutcome::Refused:
    case commands::OpenProjectOutcome::Cancelled: refusal = "not-a-file"; break;
  }
  if (refusal) {
    std::printf("refused: %s\n", refusal);
    return kExitRefused;
  }
  s.project.path = args[1];
  platform::ErrorInfo error;
  if (!files::WriteProject(s, args[1], &error)) return WriteFailed(error);
  return kExitDone;
}

}  // namespace cli
