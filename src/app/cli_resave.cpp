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
  if (args.size() != 2) return UsageError("resave");
  const platform::FileOutcome input = platform::CheckReadable(args[0]);
  if (input.refused()) return Refuse(platform::RefusalName(input.problem), platform::RefusalText(input, args[0]));
  if (!airfoilDir.empty()) {
    s.settings.airfoilDir = airfoilDir;
    s.settings.seriesAirfoilDir = airfoilDir;
  }
  // The open command has told the user why on standard error.
  switch (commands::OpenProjectFile(s, args[0], commands::Opener::Batch)) {
    case commands::OpenProjectOutcome::Opened: break;
    case commands::OpenProjectOutcome::AirfoilMissing: std::printf("refused: airfoil-missing\n"); return kRefused;
    case commands::OpenProjectOutcome::AirfoilUnreadable: std::printf("refused: airfoil-unreadable\n"); return kRefused;
    case commands::OpenProjectOutcome::Cancelled:
    case commands::OpenProjectOutcome::Failed: std::printf("refused: project\n"); return kRefused;
    case commands::OpenProjectOutcome::Refused: std::printf("refused: not-a-file\n"); return kRefused;
  }
  s.project.path = args[1];
  platform::ErrorInfo error;
  if (!files::WriteProject(s, args[1], &error)) return WriteFailed(error);
  return kDone;
}

}  // namespace cli
