// `cut`: the rib as parts to cut, in DXF R12, DXF R2000 or SVG.
#include <cstdio>

#include "cli.h"
#include "commands/cutexport.h"
#include "output/cutwriter.h"
#include "platform/errorreport.h"

namespace cli {

int ReadCutOptions(const OptionValues& options, const std::string& command, commands::CutSettings& settings) {
  if (options.Has("--dxf")) {
    const std::string dxf = options.Value("--dxf");
    if (settings.format == output::CutFormat::Svg || (dxf != "r12" && dxf != "r2000"))
      return UsageProblem(command, "--dxf takes r12 or r2000, for a DXF file");
    settings.format = dxf == "r12" ? output::CutFormat::DxfR12 : output::CutFormat::DxfR2000;
  }
  const std::string engrave = options.Value("--engrave", "no");
  if (engrave != "yes" && engrave != "no")
    return UsageProblem(command, "--engrave takes yes or no, not \"" + engrave + "\"");
  settings.marks = engrave == "yes";
  // An empty kerf is none, as an empty box in the window.
  const std::string kerf = options.Value("--kerf");
  if (kerf.empty()) return kDone;
  const std::optional<double> mm = commands::ReadKerf(kerf);
  if (!mm) return UsageProblem(command, "--kerf takes a width in millimetres, not \"" + kerf + "\"");
  if (*mm > commands::kMaxKerfMm) return Refuse("kerf", commands::KerfTooWideText());
  settings.kerfMm = *mm;
  return kDone;
}

int Cut(const Options& options, core::RibDocument& document) {
  // INPUT is counted with the rib options, after the file to write is known.
  const CommandOptions table{"cut", WithRibOptions({{"-o"}, {"--dxf"}, {"--kerf"}, {"--engrave"}}), {1, kManyFiles, "", ""}};
  const std::optional<OptionValues> given = ReadCommandOptions(options.args, table);
  if (!given) return kUsageError;
  const std::string out = given->Value("-o");
  if (out.empty()) return UsageError("cut");

  commands::CutSettings settings;
  std::optional<commands::CutFileKind> kind = commands::CutFileKindOf(out);
  if (!kind) {
    std::fprintf(stderr, "vandrell-cli: %s ends neither in .dxf nor in .svg\n", out.c_str());
    return UsageError("cut");
  }
  settings.format = *kind == commands::CutFileKind::Svg ? output::CutFormat::Svg : output::CutFormat::DxfR2000;
  if (int rc = ReadCutOptions(*given, "cut", settings)) return rc;

  if (int rc = LoadRibInput(*given, document)) return rc == kUsageError ? UsageError("cut") : rc;
  commands::CutExportResult result = commands::WriteCutParts(document, settings, out);
  switch (result.outcome) {
    case commands::CutOutcome::Written: SayRibWarnings(document); return kDone;
    case commands::CutOutcome::NoPart: return Refuse("no-part", result.message);
    case commands::CutOutcome::NoRibLeft: return Refuse("no-rib-left", document.airfoil.path + ": " + result.message);
    default:
      std::fprintf(stderr, "%s\n", platform::GeneralErrorText(result.error).c_str());
      return kError;
  }
}

}  // namespace cli
