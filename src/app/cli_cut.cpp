// `cut`: the rib as parts to cut, in DXF R12, DXF R2000 or SVG.
#include <algorithm>
#include <cstdio>

#include "cli.h"
#include "commands/cutexport.h"
#include "output/cutwriter.h"
#include "platform/errorreport.h"

namespace cli {

namespace {

bool HasOption(const std::vector<std::string>& args, const std::string& name) {
  return std::find(args.begin(), args.end(), name) != args.end();
}

int CutUsage() { return UsageError("cut"); }

}  // namespace

int Cut(const Options& options, core::RibDocument& s) {
  std::vector<std::string> args = options.args;
  const bool hasOut = HasOption(args, "-o");
  const std::string out = TakeOption(args, "-o");
  const bool hasDxf = HasOption(args, "--dxf");
  const std::string dxf = TakeOption(args, "--dxf");
  const bool hasKerf = HasOption(args, "--kerf");
  const std::string kerf = TakeOption(args, "--kerf");
  const std::string engrave = HasOption(args, "--engrave") ? TakeOption(args, "--engrave") : "no";
  if (!hasOut || out.empty() || args.empty()) return CutUsage();

  commands::CutSettings settings;
  std::optional<commands::CutFileKind> kind = commands::CutFileKindOf(out);
  if (!kind) {
    std::fprintf(stderr, "vandrell-cli: %s ends neither in .dxf nor in .svg\n", out.c_str());
    return CutUsage();
  }
  settings.format = *kind == commands::CutFileKind::Svg ? output::CutFormat::Svg : output::CutFormat::DxfR2000;
  if (hasDxf) {
    if (*kind != commands::CutFileKind::Dxf || (dxf != "r12" && dxf != "r2000")) {
      std::fprintf(stderr, "vandrell-cli: --dxf takes r12 or r2000, for a .dxf file\n");
      return CutUsage();
    }
    settings.format = dxf == "r12" ? output::CutFormat::DxfR12 : output::CutFormat::DxfR2000;
  }
  if (engrave != "yes" && engrave != "no") {
    std::fprintf(stderr, "vandrell-cli: --engrave takes yes or no, not \"%s\"\n", engrave.c_str());
    return CutUsage();
  }
  settings.marks = engrave == "yes";
  // An empty kerf is none, as an empty box in the window.
  if (hasKerf && !kerf.empty()) {
    std::optional<double> mm = commands::ReadKerf(kerf);
    if (!mm) {
      std::fprintf(stderr, "vandrell-cli: --kerf takes a width in millimetres, not \"%s\"\n", kerf.c_str());
      return CutUsage();
    }
    if (*mm > commands::kMaxKerfMm) {
      std::printf("refused: kerf\n");
      std::fprintf(stderr, "%s\n", commands::KerfTooWideText().c_str());
      return kRefused;
    }
    settings.kerfMm = *mm;
  }

  if (int rc = LoadRibInput(args, s)) {
    if (rc == kUsageError) return CutUsage();
    return rc;
  }
  commands::CutExportResult result = commands::WriteCutParts(s, settings, out);
  switch (result.outcome) {
    case commands::CutOutcome::Written: return kDone;
    case commands::CutOutcome::NoPart:
      std::printf("refused: no-part\n");
      std::fprintf(stderr, "%s\n", result.message.c_str());
      return kRefused;
    case commands::CutOutcome::NoRibLeft:
      std::printf("refused: no-rib-left\n");
      std::fprintf(stderr, "%s: %s\n", s.airfoil.path.c_str(), result.message.c_str());
      return kRefused;
    default:
      std::fprintf(stderr, "%s\n", platform::GeneralErrorText(result.error).c_str());
      return kError;
  }
}

}  // namespace cli
