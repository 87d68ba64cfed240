#include <cstdio>

#include "cli.h"
#include "output/dxfwriter.h"
#include "platform/errorreport.h"
#include "platform/texts.h"

namespace cli {

int Dxf(const Options& options, core::RibDocument& s) {
  std::vector<std::string> args = options.args;
  const std::string out = TakeOption(args, "-o");
  if (out.empty() || args.empty()) return UsageError("dxf");
  if (int rc = LoadRibInput(args, s)) return rc == kUsageError ? UsageError("dxf") : rc;
  if (s.rib.upsideDown) {
    const std::string text = platform::Text("filedxf", "1");
    return Refuse("upside-down", text.empty() ? "vandrell-cli: no DXF of a rib shown upside down" : text);
  }
  platform::ErrorInfo error;
  if (!output::WriteDxf(s, out, error)) return WriteFailed(error);
  return kDone;
}

}  // namespace cli
