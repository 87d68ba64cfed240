// `info`: what the program reads of an airfoil file, or of a project file its airfoil and
// its set-up.
#include <cstdio>

#include "cli.h"
#include "commands/airfoilcommands.h"
#include "commands/projectcommands.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/plaintext.h"
#include "files/ini.h"

namespace cli {

namespace {

// Titles and captions are bytes as the file holds them, often Windows-1252 ("diedre 5.00°").
std::string Readable(const std::string& text) { return files::IsValidUtf8(text) ? text : files::Cp1252ToUtf8(text); }

void PrintAirfoil(const core::RibDocument& document, bool stations) {
  std::printf("title: %s\n", Readable(document.airfoil.title).c_str());
  std::printf("points: %zu\n", document.airfoil.points.size());
  std::printf("densified: %zu\n", document.prepared.outline.size());
  std::printf("upper: %zu\n", document.prepared.noseIndex + 1);  // the nose ends the upper surface
  std::printf("lower: %zu\n", document.prepared.lower.size());
  std::printf("ymax: %.6f\n", document.prepared.yMax);
  std::printf("ymin: %.6f\n", document.prepared.yMin);
  std::printf("thickness: %.6f at %.6f\n", document.prepared.maxThickness, document.prepared.maxThicknessStation);
  std::printf("camber: %.6f at %d\n", document.prepared.maxCamber, document.prepared.maxCamberStation);
  if (stations)
    for (int j = 0; j < core::kStations; ++j)
      std::printf("%d %.9f %.9f\n", j, document.prepared.upperAt[static_cast<std::size_t>(j)],
                  document.prepared.lowerAt[static_cast<std::size_t>(j)]);
}

// The rows drawn: those before the first whose position is 0 or empty.
template <class Table>
int RowsInUse(const Table& table) {
  int n = 0;
  while (n <= table.last && core::LeadingNumber(table[static_cast<std::size_t>(n)].positionText) != 0) ++n;
  return n;
}

void PrintSetup(const core::RibDocument& document) {
  const std::string& unit = document.settings.unitText;
  auto length = [&unit](const core::Length& l) { return core::LengthToText(l.mm, unit) + unit; };
  const core::RibSetup& rib = document.rib;
  std::printf("chord: %s\n", length(rib.chord).c_str());
  std::printf("sheeting: %s\n", length(rib.sheeting).c_str());
  std::printf("leading edge: %s%s\n", length(rib.leadingEdge).c_str(),
              rib.leadingEdgeStyle == core::LeadingEdgeStyle::Square ? " square" : "");
  std::printf("trailing edge: %s\n", length(rib.trailingEdge).c_str());
  std::printf("reference lines: %d\n", rib.markCount);
  std::printf("spars: %d\n", RowsInUse(rib.spars));
  std::printf("holes: %d\n", RowsInUse(rib.holes));
  std::printf("base: %s\n", rib.baseMode == core::BaseMode::Tabs     ? "tabs"
                            : rib.baseMode == core::BaseMode::Blocks ? "blocks"
                                                                     : "none");
  std::printf("caption: %s\n", Readable(rib.caption.text).c_str());
  std::printf("upside down: %s\n", rib.upsideDown ? "yes" : "no");
}

}  // namespace

int Info(const Options& options, core::RibDocument& document) {
  const std::optional<OptionValues> given =
      ReadCommandOptions(options.args, {"info", {{"--stations", true}, {"--airfoil-dir"}}, {}});
  if (!given) return kUsageError;
  const std::string& input = given->files[0];
  if (!core::EndsWithIgnoringCase(input, ".vdl")) {
    if (int rc = ReportOpen(commands::OpenAirfoilFile(document, input, commands::RecentFiles::Leave))) return rc;
    PrintAirfoil(document, given->Has("--stations"));
    return kDone;
  }
  if (const std::string folder = given->Value("--airfoil-dir"); !folder.empty()) {
    document.settings.airfoilDir = folder;
    document.settings.seriesAirfoilDir = folder;
  }
  // Read as the drawing commands read it: an older layout is left as it is.
  commands::ProjectOpening how;
  how.defaultsFromSettings = false;
  how.olderLayout = files::OlderLayout::Keep;
  if (int rc = ReportOpen(commands::OpenProjectFile(document, input, how))) return rc;
  std::printf("airfoil: %s\n", document.airfoil.path.c_str());
  PrintAirfoil(document, given->Has("--stations"));
  PrintSetup(document);
  return kDone;
}

}  // namespace cli
