#include "cli.h"
#include "commands/dxfexport.h"

namespace cli {

int Dxf(const Options& options, core::RibDocument& document) {
  const CommandOptions table{"dxf", WithRibOptions({{"-o"}}), {}};
  const std::optional<OptionValues> given = ReadCommandOptions(options.args, table);
  if (!given) return kUsageError;
  const std::string out = given->Value("-o");
  if (out.empty()) return UsageError("dxf");
  if (int rc = LoadRibInput(*given, document)) return rc == kUsageError ? UsageError("dxf") : rc;
  const commands::DxfWriteResult written = commands::WriteDxfFile(document, out);
  switch (written.outcome) {
    case commands::DxfCommandResult::RefusedInverted:
      return Refuse("upside-down",
                    written.refusal.empty() ? "vandrell-cli: no DXF of a rib shown upside down" : written.refusal);
    case commands::DxfCommandResult::Written: SayRibWarnings(document); return kDone;
    default: return WriteFailed(written.error);
  }
}

}  // namespace cli
