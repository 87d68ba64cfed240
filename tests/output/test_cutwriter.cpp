// Files for cutting: their structure read back here, then every file handed to the readers
// cutting software is built on (check_cut_files.py: ezdxf, shapely).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "core/cutpart.h"
#include "output/cutwriter.h"
#include "support/dxfsummary.h"
#include "support/ribsetup.h"
#include "support/testsupport.h"

namespace {

using output::CutFormat;

using dxftest::Pair;
using dxftest::Pairs;

// What follows header variable `name`: its first value.
std::string HeaderValue(const std::vector<Pair>& pairs, const std::string& name) {
  for (std::size_t i = 0; i + 1 < pairs.size(); ++i)
    if (pairs[i].code == "9" && pairs[i].value == name) return pairs[i + 1].value;
  return "(none)";
}

// The values of the codes in `codes` that follow header variable or table record `name`, up
// to the next entry; NaN for a code not there.
std::map<std::string, double> ValuesAfter(const std::vector<Pair>& pairs, const std::string& name,
                                          std::initializer_list<const char*> codes) {
  std::map<std::string, double> values;
  for (const char* c : codes) values[c] = std::nan("");
  std::size_t i = 0;
  while (i < pairs.size() && !((pairs[i].code == "9" || pairs[i].code == "2") && pairs[i].value == name)) ++i;
  for (++i; i < pairs.size() && pairs[i].code != "0" && pairs[i].code != "9"; ++i)
    if (values.count(pairs[i].code) && std::isnan(values[pairs[i].code])) values[pairs[i].code] = std::stod(pairs[i].value);
  return values;
}

struct EntityCount {
  int closed = 0, open = 0, circles = 0, texts = 0;
};
// Entities by layer, counting closed and open polylines of either kind.
std::map<std::string, EntityCount> Count(const std::string& text) {
  std::map<std::string, EntityCount> count;
  for (const dxftest::Item& i : dxftest::Items(text)) {
    if (i.Polyline()) (i.Closed() ? count[i.layer].closed : count[i.layer].open)++;
    count[i.layer].circles += i.type == "CIRCLE";
    count[i.layer].texts += i.type == "TEXT";
  }
  return count;
}

class CutWriter : public ::testing::Test {
 protected:
  static core::RibDocument FullFeatured() {
    core::RibDocument s = dxftest::Rib(testsupport::AirfoilPath("clarky.dat"));
    testsupport::AddEveryFeature(s);
    s.rib.caption.text = "CLARK Y 200 \xC2\xB0";  // a degree sign: not plain ASCII
    s.rib.caption.x.mm = 60, s.rib.caption.y.mm = 4;
    return s;
  }

  static core::RibDocument OnBlocks() {
    core::RibDocument s = dxftest::Rib(testsupport::AirfoilPath("clarky.dat"));
    s.rib.baseMode = core::BaseMode::Blocks, s.rib.blocks.leadingExtension.mm = 20, s.rib.blocks.trailingExtension.mm = 10,
    s.rib.blocks.baseHeight.mm = 8, s.rib.blocks.topHeight.mm = 35;
    s.rib.boardAngle = 3;
    return s;
  }

  static std::string Text(const core::RibDocument& s, CutFormat format, double kerf = 0, bool marks = false) {
    return output::CutFileText(core::BuildCutLayout(core::BuildCutConstruction(s), {kerf, marks}), format);
  }
};

// R12 with marks, R2000 (lightweight polylines) without.
TEST_F(CutWriter, DxfHasClosedPartsUniqueHandlesAndMetricUnits) {
  for (const auto& [format, version, marks] : {std::tuple{CutFormat::DxfR12, "AC1009", true},
                                               std::tuple{CutFormat::DxfR2000, "AC1015", false}}) {
    SCOPED_TRACE(version);
    const std::string text = Text(FullFeatured(), format, 0.2, marks);
    const std::vector<Pair> pairs = Pairs(text);
    EXPECT_EQ(HeaderValue(pairs, "$ACADVER"), version);
    EXPECT_EQ(HeaderValue(pairs, "$MEASUREMENT"), "1");
    EXPECT_EQ(HeaderValue(pairs, "$INSUNITS"), marks ? "(none)" : "4");
    std::set<std::string> handles;
    bool header = true;  // where group 5 is also the value of $HANDSEED
    int lightweight = 0;
    for (const Pair& p : pairs) {
      lightweight += p.code == "0" && p.value == "LWPOLYLINE";
      if (p.code == "0" && p.value == "ENDSEC") header = false;
      if (header || (p.code != "5" && p.code != "105")) continue;
      EXPECT_TRUE(handles.insert(p.value).second) << "handle " << p.value << " twice";
    }
    // The next free handle lies beyond every handle used.
    const unsigned long seed = std::stoul(HeaderValue(pairs, "$HANDSEED"), nullptr, 16);
    for (const std::string& h : handles) EXPECT_LT(std::stoul(h, nullptr, 16), seed);
    // The file opens on the parts: the active view is centred on the drawing's extents and
    // at least as tall.
    auto low = ValuesAfter(pairs, "$EXTMIN", {"10", "20"}), high = ValuesAfter(pairs, "$EXTMAX", {"10", "20"});
    auto view = ValuesAfter(pairs, marks ? "*ACTIVE" : "*Active", {"12", "22", "40"});
    EXPECT_NEAR(view["12"], (low["10"] + high["10"]) / 2, 1e-3);
    EXPECT_LE(view["22"] - view["40"] / 2, low["20"]);
    EXPECT_GE(view["22"] + view["40"] / 2, high["20"]);
    std::map<std::string, EntityCount> count = Count(text);
    // The rib: its outline, two windows (inset spar, rectangular hole), two circles.
    const EntityCount& cut = count["CUT"];
    EXPECT_EQ(std::tuple(cut.closed, cut.open, cut.circles, cut.texts), std::tuple(3, 0, 2, 0));
    EXPECT_EQ(lightweight, marks ? 0 : 3);
    if (!marks) {
      EXPECT_EQ(count.count("MARK"), 0u) << "no marks unless asked for";
      continue;
    }
    // Marks: chord line, six reference lines, the board line; their numbers and the caption.
    EXPECT_EQ(count["MARK"].open, 8);
    EXPECT_EQ(count["MARK"].texts, 7);
    EXPECT_TRUE(std::any_of(pairs.begin(), pairs.end(), [](const Pair& p) {
      return p.code == "1" && p.value == "CLARK Y 200 \\U+00B0";
    })) << "non-ASCII text is escaped";
  }
}

TEST_F(CutWriter, AnInchRibIsWrittenInMillimetresAndAnInvertedOneUpright) {
  core::RibDocument mm = FullFeatured();
  // Typed lengths are read in the unit in force: the tabs' are given in per cent here.
  mm.rib.tabs.lengthText = "10%", mm.rib.tabs.rearText = "5%";
  core::RibDocument inches = mm;
  inches.settings.unitText = " in";
  core::RibDocument inverted = mm;
  inverted.rib.upsideDown = true;
  for (CutFormat format : {CutFormat::DxfR12, CutFormat::DxfR2000, CutFormat::Svg}) {
    const std::string expected = Text(mm, format, 0.1);
    EXPECT_TRUE(Text(inches, format, 0.1) == expected) << static_cast<int>(format);
    EXPECT_TRUE(Text(inverted, format, 0.1) == expected) << static_cast<int>(format);
  }
}

// A rib on its own is cut as a kit's sheet is: marks, the rib's hole, its outline, the jig.
TEST_F(CutWriter, SvgIsAtTrueSizeAndARibIsCutHolesFirst) {
  core::RibDocument s = OnBlocks();
  s.rib.boardAngle = 0;
  s.rib.holes[0].positionText = "40%", s.rib.holes[0].size.mm = 8, s.rib.holes[0].centred = 1;
  s.rib.holes.last = 0;
  const std::string svg = Text(s, CutFormat::Svg, 0, true);
  // The block's front point 20 mm ahead, its tail 10 mm behind a 200 mm chord, plus 5 mm
  // of margin each side: 240 mm.
  EXPECT_NE(svg.find("width=\"240.0mm\""), std::string::npos) << svg.substr(0, 300);
  EXPECT_NE(svg.find("viewBox=\"-25.0 "), std::string::npos);
  EXPECT_NE(svg.find(" 240.0 "), std::string::npos);
  // Groups and paths as they come: a circle's path has arcs, a loop's none.
  std::string order;
  for (std::size_t at = svg.find('<', 1); at != std::string::npos; at = svg.find('<', at + 1)) {
    if (svg.compare(at, 7, "<g id=\"") == 0) order += " " + svg.substr(at + 7, svg.find('"', at + 7) - at - 7) + ":";
    if (svg.compare(at, 5, "<path") != 0) continue;
    const std::string d = svg.substr(at, svg.find("/>", at) - at);
    order += d.find(" A ") != std::string::npos ? " circle" : d.find(" Z\"") != std::string::npos ? " loop" : " line";
  }
  EXPECT_EQ(order, " MARK: line CUT: circle loop JIG: loop") << "chord line, the hole, the rib, the jig";
  EXPECT_EQ(svg.find("fill=\"#ff"), std::string::npos) << "no fill";
  std::string entities;
  for (const dxftest::Item& i : dxftest::Items(Text(s, CutFormat::DxfR12, 0, true))) entities += " " + i.type + "/" + i.layer;
  EXPECT_EQ(entities, " POLYLINE/MARK CIRCLE/CUT POLYLINE/CUT POLYLINE/JIG");
}

TEST_F(CutWriter, RealReadersTakeEveryFile) {
  testsupport::TempDir dir;
  core::RibDocument plain = dxftest::Rib(testsupport::AirfoilPath("e387.dat"));
  plain.rib.leadingEdge.mm = 6;
  plain.rib.trailingEdge.mm = 12;
  core::RibDocument inches = FullFeatured();
  inches.settings.unitText = " in";
  inches.rib.tabs.lengthText = "10%", inches.rib.tabs.rearText = "5%";
  struct Case {
    const char* name;
    core::RibDocument rib;
    double kerf;
    bool marks;
  };
  const std::vector<Case> cases = {{"plain", plain, 0, false},
                                   {"full", FullFeatured(), 0, true},
                                   {"full_kerf", FullFeatured(), 0.25, true},
                                   {"inches", inches, 0.15, false},
                                   {"blocks", OnBlocks(), 0.2, true}};
  std::string files;
  for (const Case& c : cases) {
    const core::CutLayout layout = core::BuildCutLayout(core::BuildCutConstruction(c.rib), {c.kerf, c.marks});
    ASSERT_TRUE(layout.ok) << c.name;
    for (auto [format, suffix] : {std::pair{CutFormat::DxfR12, "_r12.dxf"}, std::pair{CutFormat::DxfR2000, "_r2000.dxf"},
                                  std::pair{CutFormat::Svg, ".svg"}}) {
      const std::string path = dir.File(std::string(c.name) + suffix);
      platform::ErrorInfo error;
      ASSERT_TRUE(output::WriteCutFile(layout, format, path, error)) << error.description;
      files += " '" + path + "'";
    }
  }
  const std::string report = dir.File("readers.txt");
  const std::string command = "/usr/bin/python3 '" + std::string(VANDRELL_SOURCE_DIR) +
                              "/tests/output/check_cut_files.py'" + files + " > '" + report + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << testsupport::ReadFile(report);
}

}  // namespace
