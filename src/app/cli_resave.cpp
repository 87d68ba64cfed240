#include <cstdio>

#include "cli.h"
#include "commands/projectcommands.h"
#include "platform/errorreport.h"

namespace cli {

// Opens IN as the File menu does (an older layout is converted in place where it may be
// written, the airfoil is looked up and read, nothing is settled), then writes OUT with
// the save command: the lines as read, so OUT is IN byte for byte.
int Resave(const Options& options, core::RibDocument& document) {
  const std::optional<OptionValues> given =
      ReadCommandOptions(options.args, {"resave", {{"--airfoil-dir"}}, {2, 2, "", ""}});
  if (!given) return kUsageError;
  const std::string airfoilDir = given->Value("--airfoil-dir");
  if (!airfoilDir.empty()) {
    document.settings.airfoilDir = airfoilDir;
    document.settings.seriesAirfoilDir = airfoilDir;
  }
  commands::ProjectOpening how;
  how.defaultsFromSettings = false;  // read at the start, with the unit given
  if (int rc = ReportOpen(commands::OpenProjectFile(document, given->files[0], how))) return rc;
  platform::ErrorInfo error;
  if (!commands::WriteProjectFile(document, given->files[1], error)) return WriteFailed(error);
  return kDone;
}

}  // namespace cli
