#pragma once
// A rib series request between two of the starter airfoils, as the series window would
// make it; the tests change what they need.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "commands/ribseries.h"
#include "files/airfoilfile.h"
#include "support/testsupport.h"

namespace testsupport {

inline commands::SeriesAirfoil SeriesAirfoilNamed(const std::string& name) {
  files::AirfoilData data;
  EXPECT_TRUE(files::ReadAirfoilFile(AirfoilPath(name + ".dat"), data).ok()) << name;
  return {name, std::move(data)};
}

inline commands::SeriesRequest SeriesRequestOf(const std::string& root, const std::string& tip, const std::string& ribs,
                                               const std::string& rootChord, const std::string& tipChord,
                                               const std::string& folder) {
  commands::SeriesRequest request;
  request.root = SeriesAirfoilNamed(root);
  request.tip = SeriesAirfoilNamed(tip);
  request.ribCount = ribs;
  request.rootChord = rootChord;
  request.tipChord = tipChord;
  request.folder = folder;
  return request;
}

}  // namespace testsupport
