#include <cstdio>

#include "cli.h"
#include "commands/airfoilcommands.h"
#include "files/ini.h"

namespace cli {

int Info(const Options& options, core::RibDocument& s) {
  const std::optional<OptionValues> given = ReadCommandOptions(options.args, {"info", {{"--stations", true}}, {}});
  if (!given) return kUsageError;
  if (int rc = ReportOpen(commands::OpenAirfoilFile(s, given->files[0], commands::RecentFiles::Leave))) return rc;
  // Titles are bytes as the file holds them, often Windows-1252 ("diedre 5.00°").
  const std::string& title = s.airfoil.title;
  std::printf("title: %s\n", (files::IsValidUtf8(title) ? title : files::Cp1252ToUtf8(title)).c_str());
  std::printf("points: %d\n", s.airfoil.pointCount);
  std::printf("densified: %d\n", s.prepared.outlineCount);
  std::printf("upper: %d\n", s.prepared.upperCount);
  std::printf("lower: %d\n", s.prepared.lowerCount);
  std::printf("ymax: %.6f\n", s.prepared.yMax);
  std::printf("ymin: %.6f\n", s.prepared.yMin);
  std::printf("thickness: %.6f at %.6f\n", s.prepared.maxThickness, s.prepared.maxThicknessStation);
  std::printf("camber: %.6f at %d\n", s.prepared.maxCamber, s.prepared.maxCamberStation);
  if (given->Has("--stations"))
    for (int j = 0; j <= 400; ++j)
      std::printf("%d %.9f %.9f\n", j, s.prepared.upperAt[static_cast<std::size_t>(j)], s.prepared.lowerAt[static_cast<std::size_t>(j)]);
  return kDone;
}

}  // namespace cli
