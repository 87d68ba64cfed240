#include <cstdio>

#include "cli.h"
#include "output/dxfwriter.h"
#include "platform/errorreport.h"
#include "platform/texts.h"

namespace cli {

int Dxf(const Options& options, core::RibDocument& s) {
  std::vector<std::string> args = options.args;
  const std::string out = TakeOption(args, "-o");
  if (out.empty() || args.empty()) {
    std::fprintf(stderr, "usage: vandrell-cli dxf INPUT -o OUT.dxf %s\n", kRibOptionsUsage);
    return 1;
  }
  if (int rc = LoadRibInput(args, s)) {
    if (rc == 1) std::fprintf(stderr, "usage: vandrell-cli dxf INPUT -o OUT.dxf %s\n", kRibOptionsUsage);
    return rc;
  }
  if (s.rib.upsideDown) {
    std::printf("refused: upside-down\n");
    std::string text = platform::Text("filedxf", "1");
    std::fprintf(stderr, "%s\n", text.empty() ? "vandrell-cli: no DXF of a rib shown upside down" : text.c_str());
    return 2;
  }
  platform::ErrorInfo error;
  if (!output::WriteDxf(s, out, error)) {
    std::printf("failed: %s\n", error.description.c_str());
    std::fprintf(stderr, "%s\n", platform::GeneralErrorText(error).c_str());
    return 2;
  }
  return 0;
}

}  // namespace cli
