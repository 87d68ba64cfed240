#include <cstdio>

#include "cli.h"

namespace cli {

int Info(const Options& options, core::SharedState& s) {
  std::vector<std::string> args = options.args;
  const bool stations = TakeFlag(args, "--stations");
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vandrell-cli info FILE [--stations]\n");
    return 1;
  }
  if (int rc = LoadAirfoil(args[0], s)) return rc;
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
