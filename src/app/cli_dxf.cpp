#include "cli.h"
#include "commands/dxfexport.h"

namespace cli {

int Dxf(const Options& options, core::RibDocument& s) {
  std::vector<std::string> args = options.args;
  const std::string out = TakeOption(args, "-o");
  if (out.empty() || args.empty()) return UsageError("dxf");
  if (int rc = LoadRibInput(args, s)) return rc == kUsageError ? UsageError("dxf") : rc;
  const commands::DxfWriteResult written = commands::WriteDxfFile(s, out);
  switch (written.outcome) {
    case commands::DxfCommandResult::RefusedInverted:
      return Refuse("upside-down",
                    written.refusal.empty() ? "vandrell-cli: no DXF of a rib shown upside down" : written.refusal);
    case commands::DxfCommandResult::Written: return kDone;
    default: return WriteFailed(written.error);
  }
}

}  // namespace cli
