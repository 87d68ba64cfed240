// Any file the user picks goes through the reader and, when it is accepted, the
// preparation: neither may crash, hang or read outside its arrays.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/airfoilprep.h"
#include "files/airfoilfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  files::AirfoilData d;
  files::AirfoilReadResult r = files::ParseAirfoilText(std::string(reinterpret_cast<const char*>(data), size), d);
  if (!r.ok() || files::TooFewPoints(d.points.size())) return 0;
  core::RibDocument s;
  s.airfoil.points = std::move(d.points);
  core::InstallPreparedAirfoil(s);
  return 0;
}
