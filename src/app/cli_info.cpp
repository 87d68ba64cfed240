#include <cstdio>

#include "cli.h"
#include "core/airfoilprep.h"
#include "files/airfoilfile.h"
#include "platform/texts.h"

namespace cli {

int Info(const Options& options, core::SharedState& s) {
  std::vector<std::string> args = options.args;
  const bool stations = TakeFlag(args, "--stations");
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vandrell-cli info FILE [--stations]\n");
    return 1;
  }
  s.airfoilPath = args[0];
  s.quietRead = true;
  files::AirfoilReadResult r = files::FichierLecture(s);
  if (!r.ok()) {
    std::printf("refused: %s\n", files::StatusName(r.status));
    std::string message = r.status == files::AirfoilReadStatus::Error ? platform::GeneralErrorText(r.error)
                                                                     : r.boxText;
    std::fprintf(stderr, "%s\n", message.c_str());
    return 2;
  }
  if (s.pointCount < 5) {
    std::printf("refused: too-few-points\n");
    std::fprintf(stderr, "%s\n", platform::Text("frmopen", "23").c_str());
    return 2;
  }
  core::PrepareAirfoil(s);
  std::printf("title: %s\n", s.airfoilTitle.c_str());
  std::printf("points: %d\n", s.pointCount);
  std::printf("densified: %d\n", s.ptsCount);
  std::printf("upper: %d\n", s.upperCount);
  std::printf("lower: %d\n", s.lowerCount);
  std::printf("ymax: %.6f\n", s.yMax);
  std::printf("ymin: %.6f\n", s.yMin);
  std::printf("thickness: %.6f at %.6f\n", s.maxThickness, s.maxThicknessStation);
  std::printf("camber: %.6f at %d\n", s.maxCamber, s.maxCamberStation);
  if (stations)
    for (int j = 0; j <= 400; ++j)
      std::printf("%d %.9f %.9f\n", j, s.upperAt[static_cast<std::size_t>(j)], s.lowerAt[static_cast<std::size_t>(j)]);
  return 0;
}

}  // namespace cli
