// The cutting kit of a panel: read back from the files it writes, each part checked against
// the same rib's cutting export, the sheets' edges and the names.
#include <gtest/gtest.h>

#include "commands/cutkitfixture.h"
#include "core/lengths.h"

namespace {

TEST_F(CutKit, ASeriesSummaryNamesItsRibsWithTheirChords) {
  commands::KitRibList list = commands::KitRibsOf({summary}, 0);
  ASSERT_FALSE(list.refusal);
  ASSERT_EQ(list.ribs.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    const commands::KitRib& rib = list.ribs[static_cast<std::size_t>(i)];
    EXPECT_EQ(rib.name, "R0" + std::to_string(i + 1));
    // Equal steps of (240 - 150) / 7; the summary keeps two decimals.
    EXPECT_NEAR(rib.chordMm, 240 - 90.0 / 7 * i, 0.005);
    EXPECT_TRUE(std::filesystem::exists(rib.path)) << rib.path;
  }
  // The rib files themselves carry the same chords in their titles.
  std::vector<std::string> files;
  for (const commands::KitRib& rib : list.ribs) files.push_back(rib.path);
  commands::KitRibList direct = commands::KitRibsOf(files, 123);
  ASSERT_EQ(direct.ribs.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) EXPECT_NEAR(direct.ribs[i].chordMm, list.ribs[i].chordMm, 0.005);
  // A plain airfoil file has no chord in its title: the one given stands.
  EXPECT_EQ(commands::KitRibsOf({testsupport::AirfoilPath("naca2412.dat")}, 123).ribs[0].chordMm, 123);
}

// Each summary is a panel, the rib files of one series another, other airfoils one more;
// with two panels or more every name carries its panel's prefix.
TEST_F(CutKit, PanelsAreToldApartByTheirPrefixes) {
  testsupport::TempDir second;
  WriteSeries(second.path().string(), "200", "120");
  const std::string other = SummaryIn(second.path());
  const std::string naca = testsupport::AirfoilPath("naca2412.dat");
  auto names = [](const commands::KitRibList& list) {
    std::vector<std::string> n;
    for (const commands::KitRib& rib : list.ribs) n.push_back(rib.name);
    return n;
  };
  const commands::KitRibList three = commands::KitRibsOf({summary, other, naca}, 0);
  ASSERT_FALSE(three.refusal);
  EXPECT_EQ(three.panels, 3);
  ASSERT_EQ(three.ribs.size(), 17u);
  EXPECT_EQ(three.ribs[0].name, "A-R01");
  EXPECT_EQ(three.ribs[7].name, "A-R08");
  EXPECT_EQ(three.ribs[8].name, "B-R01");
  EXPECT_NEAR(three.ribs[8].chordMm, 200, 0.005);
  EXPECT_EQ(three.ribs[16].name, "C-naca2412");

  // Rib files: two of the first series, one of the second, in the order given.
  const std::vector<std::string> files{series.File("clarky&sd7037R01.dat"), second.File("clarky&sd7037R02.dat"),
                                       series.File("clarky&sd7037R02.dat")};
  EXPECT_EQ(names(commands::KitRibsOf(files, 0)), (std::vector<std::string>{"A-R01", "B-R02", "A-R02"}));
  EXPECT_EQ(names(commands::KitRibsOf(files, 0, {"L", "R"})), (std::vector<std::string>{"L-R01", "R-R02", "L-R02"}));
  // One panel keeps its names; plain airfoils together are one panel.
  EXPECT_EQ(names(commands::KitRibsOf({files[0], files[2]}, 0)), (std::vector<std::string>{"R01", "R02"}));
  EXPECT_EQ(commands::KitRibsOf({naca, testsupport::AirfoilPath("e387.dat")}, 200).panels, 1);
  const commands::KitRibList wrong = commands::KitRibsOf(files, 0, {"L"});
  ASSERT_TRUE(wrong.refusal);
  EXPECT_EQ(wrong.refusal->key, "prefix");
  EXPECT_EQ(wrong.refusal->message, "The inputs make 2 panels; --prefix names 1");
  EXPECT_TRUE(wrong.ribs.empty());
  EXPECT_EQ(commands::KitRibsOf({files[0], files[2]}, 0, {"L", "R"}).refusal->message,
            "The inputs make 1 panel; --prefix names 2");
  EXPECT_EQ(commands::PanelPrefix(25), "Z");
  EXPECT_EQ(commands::PanelPrefix(27), "AB");
}

TEST_F(CutKit, NamesAndChordsFromFileNamesAndTitles) {
  EXPECT_EQ(commands::KitNameOf("/a/clarky&sd7037R07.dat"), "R07");
  EXPECT_EQ(commands::KitNameOf("clarky&sd7037R12in.dat"), "R12");
  EXPECT_EQ(commands::KitNameOf("naca2412.dat"), "naca2412");
  EXPECT_EQ(commands::KitNameOf("a&b.dat"), "a&b");
  EXPECT_EQ(core::ChordInTitleMm("Rib 3 Chord : 150.00"), 150.0f);
  EXPECT_NEAR(*core::ChordInTitleMm("Nervure 1 Corde : 8 in"), 8 * 25.4, 1e-4);
  EXPECT_NEAR(*core::ChordInTitleMm("Rib 1 Chord : 8.1/2 in"), 8.5 * 25.4, 1e-4);
  for (const char* none :
       {"CLARK Y AIRFOIL", "Rib 2 Chord : ", "ratio: 1:x", "Chord : 0", "Chord : -5", "Chord : 1,2,3"})
    EXPECT_FALSE(core::ChordInTitleMm(none)) << none;
}

// An inch series' summary lists millimetres too: 10 in and 6 in are 254 and 152.4 mm.
TEST_F(CutKit, AnInchSeriesGivesRibsOfItsOwnSize) {
  testsupport::TempDir inches;
  WriteSeries(inches.path().string(), "10", "6", " in");
  const std::string inchSummary = SummaryIn(inches.path());
  const commands::KitRibList list = commands::KitRibsOf({inchSummary}, 0);
  ASSERT_FALSE(list.refusal) << list.refusal->message;
  ASSERT_EQ(list.ribs.size(), 8u);
  EXPECT_NEAR(list.ribs.front().chordMm, 254, 0.005);
  EXPECT_NEAR(list.ribs.back().chordMm, 152.4, 0.005);
  const commands::KitPlan plan = commands::PlanKit(templateRib, list.ribs, settings);
  ASSERT_FALSE(plan.refusal) << plan.refusal->message;
  const core::BoundsMm root = core::BoundsOf(plan.parts.front().layout);
  // The sheeting's inner lines meet a little ahead of the trailing edge.
  EXPECT_GT(root.right - root.left, 250);
  EXPECT_LE(root.right - root.left, 254);
}

TEST_F(CutKit, EveryRibOnceInsideItsSheetWithTheAreaOfItsCuttingExport) {
  const commands::KitRibList list = commands::KitRibsOf({summary}, 0);
  const commands::KitPlan plan = commands::PlanKit(templateRib, list.ribs, settings);
  ASSERT_FALSE(plan.refusal);
  ASSERT_TRUE(commands::WriteKit(plan, settings, out.path().string()).ok);
  std::set<std::string> expected{"kit.txt"};
  for (int i = 1; i <= plan.sheets; ++i) expected.insert("sheet-0" + std::to_string(i) + ".dxf");
  EXPECT_EQ(FilesIn(out.path()), expected) << "and nothing left over";

  std::map<std::string, double> areas;  // by engraved name
  double total = 0;
  for (int sheet = 1; sheet <= plan.sheets; ++sheet) {
    const Drawing d = Read(out.File("sheet-0" + std::to_string(sheet) + ".dxf"));
    ASSERT_EQ(d.loops.at("SHEET").size(), 1u);
    const auto& frame = d.loops.at("SHEET")[0].points;
    ASSERT_EQ(frame.size(), 4u);
    EXPECT_EQ(frame[2].x, 1000);
    EXPECT_EQ(frame[2].y, 100);
    for (const Loop& part : d.loops.at("CUT")) {
      for (const core::PointMm& p : part.points) {
        ASSERT_GE(std::min(p.x, p.y), 2 - 0.001);
        ASSERT_LE(p.x, 998 + 0.001);
        ASSERT_LE(p.y, 98 + 0.001);
      }
      std::vector<std::string> names;
      for (const Text& t : d.texts)
        if (part.Holds(t.at)) names.push_back(t.text);
      ASSERT_EQ(names.size(), 1u) << "one name on each part";
      EXPECT_FALSE(areas.count(names[0])) << names[0] << " twice";
      areas[names[0]] = PartArea(part, d);
      total += areas[names[0]];
    }
  }
  ASSERT_EQ(areas.size(), 8u);
  for (const commands::KitRib& rib : list.ribs) {
    core::RibDocument alone = dxftest::Rib(rib.path);
    alone.rib = templateRib.rib;
    alone.rib.chord.mm = static_cast<float>(rib.chordMm);
    ASSERT_EQ(commands::WriteCutParts(alone, {output::CutFormat::DxfR12, 0, false}, out.File("alone.dxf")).outcome,
              commands::CutOutcome::Written);
    const Drawing d = Read(out.File("alone.dxf"));
    ASSERT_EQ(d.loops.at("CUT").size(), 1u);
    EXPECT_NEAR(areas[rib.name], PartArea(d.loops.at("CUT")[0], d), 0.01) << rib.name;
  }
  EXPECT_NEAR(plan.usedPercent, 100 * total / (plan.sheets * 1000.0 * 100), 0.01);
}

// A notch 40 mm deep from the upper surface at half the chord parts every rib: Clark Y at
// 240 mm is 28 mm thick, the others thinner. Each falls into a front and a rear piece,
// named in that order, and each copy is a part of its own.
TEST_F(CutKit, ARibCutInTwoIsTwoNamedPartsAndEachCopyAnother) {
  testsupport::SetSpar(templateRib, 0, "50%", 3, 40, 0, static_cast<int>(core::SparCut::FromContour), 0,
                       static_cast<int>(core::SparShape::Notch));
  templateRib.rib.spars.last = 0;
  settings.copies = 2;
  settings.cut.marks = true;
  const commands::KitRibList list = commands::KitRibsOf({summary}, 0);
  const commands::KitPlan plan = commands::PlanKit(templateRib, list.ribs, settings);
  ASSERT_FALSE(plan.refusal);
  EXPECT_EQ(plan.ribs, 16);
  ASSERT_EQ(plan.parts.size(), 32u);
  ASSERT_EQ(plan.splits.size(), 8u);
  EXPECT_EQ(commands::KitSplitLines(plan).front(), "R01 falls into 2 pieces");
  std::map<std::string, int> named;
  for (const commands::KitPart& part : plan.parts) ++named[part.name];
  for (std::size_t i = 0; i < 8; ++i) {
    const std::string rib = list.ribs[i].name;
    EXPECT_EQ(plan.splits[i].pieces, 2) << rib;
    EXPECT_EQ(plan.splits[i].leftOut, 0) << rib;
    EXPECT_EQ(named[rib + "a"], 2) << rib;
    EXPECT_EQ(named[rib + "b"], 2) << rib;
    EXPECT_EQ(named.count(rib), 0u) << rib;
  }
  // Every piece lies on its own side of the notch, its name inside it, the rib's lines
  // (chord line, reference lines) within its box.
  const double half = list.ribs[0].chordMm / 2;
  for (const commands::KitPart& part : plan.parts) {
    if (part.name.rfind("R01", 0) != 0) continue;
    ASSERT_EQ(part.layout.rib.size(), 1u);
    const bool front = part.name == "R01a";
    double left = 1e9, right = -1e9;
    for (const core::PointMm& p : part.layout.rib[0].outer) {
      EXPECT_EQ(p.x < half, front) << part.name;
      left = std::min(left, p.x);
      right = std::max(right, p.x);
    }
    EXPECT_EQ(part.nameCentre.x < half, front) << part.name;
    int lines = 0;
    for (const core::CutMark& mark : part.layout.marks)
      for (const core::PointMm& p : mark.points) {
        ++lines;
        EXPECT_GE(p.x, left - 1e-9) << part.name;
        EXPECT_LE(p.x, right + 1e-9) << part.name;
      }
    EXPECT_GT(lines, 0) << part.name << " has its share of the chord line";
  }
  EXPECT_NEAR(plan.usedPercent, 100 * plan.partsAreaMm2 / (plan.sheets * 1000.0 * 100), 1e-9);

  // Two 3 mm notches 5 mm apart leave a strip 2 mm wide between them: left out, and told.
  testsupport::SetSpar(templateRib, 0, "75", 3, 40, 0, static_cast<int>(core::SparCut::FromContour), 0,
                       static_cast<int>(core::SparShape::Notch));
  testsupport::SetSpar(templateRib, 1, "80", 3, 40, 0, static_cast<int>(core::SparCut::FromContour), 0,
                       static_cast<int>(core::SparShape::Notch));
  templateRib.rib.spars.last = 1;
  settings.copies = 1;
  const commands::KitPlan strip = commands::PlanKit(templateRib, {list.ribs[0]}, settings);
  ASSERT_FALSE(strip.refusal);
  ASSERT_EQ(strip.parts.size(), 2u);
  EXPECT_EQ(strip.parts[0].name, "R01a");
  EXPECT_EQ(strip.parts[1].name, "R01b");
  EXPECT_EQ(commands::KitSplitLines(strip),
            (std::vector<std::string>{"R01 falls into 2 pieces", "R01: a sliver under 3 mm across left out"}));
}

// E49's 24 sparse points once parted its rib in two outlines under one name.
TEST_F(CutKit, ASparseRealAirfoilIsOneOutline) {
  const std::string e49 = testsupport::DataPath("airfoils/e49.dat");
  const commands::KitPlan plan = commands::PlanKit(core::RibDocument(), {{e49, "e49", 200}}, settings);
  ASSERT_FALSE(plan.refusal);
  EXPECT_EQ(plan.parts.size(), 1u);
  EXPECT_TRUE(plan.splits.empty());
  ASSERT_TRUE(commands::WriteKit(plan, settings, out.path().string()).ok);
  const Drawing d = Read(out.File("sheet-01.dxf"));
  EXPECT_EQ(d.loops.at("CUT").size(), 1u);
}

// With blocks, each rib's jig is a part too: the use counts every loop cut, read back.
TEST_F(CutKit, TheUseIsTheAreaOfEveryLoopCutWithTheJigs) {
  templateRib.rib.baseMode = core::BaseMode::Blocks;
  templateRib.rib.blocks.baseHeight.mm = 15;
  templateRib.rib.blocks.topHeight.mm = 35;
  templateRib.rib.blocks.leadingExtension.mm = 5;
  templateRib.rib.blocks.trailingExtension.mm = 5;
  const commands::KitPlan plan = commands::PlanKit(templateRib, commands::KitRibsOf({summary}, 0).ribs, settings);
  ASSERT_FALSE(plan.refusal);
  ASSERT_EQ(plan.parts.size(), 16u) << "a rib and a jig each";
  ASSERT_TRUE(commands::WriteKit(plan, settings, out.path().string()).ok);
  double area = 0;
  int jigs = 0;
  for (int sheet = 1; sheet <= plan.sheets; ++sheet) {
    const Drawing d = Read(out.File("sheet-0" + std::to_string(sheet) + ".dxf"));
    for (const auto& [layer, loops] : d.loops)
      if (layer != "SHEET")
        for (const Loop& loop : loops) area += loop.Area();
    for (const auto& [centre, radius] : d.circles) area -= kPi * radius * radius;
    if (d.loops.count("JIG")) jigs += static_cast<int>(d.loops.at("JIG").size());
  }
  EXPECT_EQ(jigs, 8);
  EXPECT_NEAR(plan.usedPercent, 100 * area / (plan.sheets * 1000.0 * 100), 0.01);
}

TEST_F(CutKit, RefusesWhatCannotBeCutOrLaidOut) {
  const std::vector<commands::KitRib> ribs = commands::KitRibsOf({summary}, 0).ribs;
  auto refusal = [&](const commands::KitSettings& s, const std::vector<commands::KitRib>& r) {
    commands::KitPlan plan = commands::PlanKit(templateRib, r, s);
    return plan.refusal ? plan.refusal->key : std::string("none");
  };
  commands::KitSettings small = settings;
  small.sheet = {200, 100};  // the root rib is 240 long
  EXPECT_EQ(refusal(small, ribs), "too-large-part");
  commands::KitSettings wideGap = settings;
  wideGap.gapMm = 50;  // nothing left of a 100 wide sheet
  EXPECT_EQ(refusal(wideGap, ribs), "sheet");
  EXPECT_EQ(refusal(settings, {}), "no-rib");
  EXPECT_EQ(refusal(settings, {{series.File("missing.dat"), "R99", 200}}), "unreadable");
  templateRib.rib.leadingEdge.mm = 100;
  templateRib.rib.trailingEdge.mm = 100;  // together longer than the 150 mm tip rib
  EXPECT_EQ(refusal(settings, ribs), "edges-longer-than-chord");
  EXPECT_EQ(commands::KitRibsOf({series.File("none.txt")}, 0).refusal->key, "no-rib");
  // Among several files, the one refused is named.
  const std::string bad = series.File("bad.dat");
  testsupport::WriteFile(bad, "BAD\n0.5 0\n0 0\n0.5 -0.1\n1 0\n0.2 0.1\n");
  commands::KitPlan plan = commands::PlanKit(templateRib, {ribs[0], {bad, "bad", 200}}, settings);
  ASSERT_TRUE(plan.refusal);
  EXPECT_EQ(plan.refusal->key, "first-point");
  EXPECT_NE(plan.refusal->message.find(bad), std::string::npos) << plan.refusal->message;
}

TEST_F(CutKit, ASummaryWhoseRibFilesChangedIsRefused) {
  const std::string oldSummary = summary;
  // The same panel again from a 200 mm root: the rib files take new chords, the old
  // summary (named after 240 mm) stays beside them.
  WriteSeries(series.path().string(), "200");
  ASSERT_TRUE(std::filesystem::exists(oldSummary));
  commands::KitRibList stale = commands::KitRibsOf({oldSummary}, 0);
  ASSERT_TRUE(stale.refusal);
  EXPECT_EQ(stale.refusal->key, "stale-summary");
  EXPECT_TRUE(stale.ribs.empty());
  EXPECT_NE(stale.refusal->message.find("R01.dat"), std::string::npos) << stale.refusal->message;
  EXPECT_NE(stale.refusal->message.find("200"), std::string::npos) << stale.refusal->message;

  // The new summary matches its files; one of them gone makes it stale too.
  std::string fresh;
  for (const auto& entry : std::filesystem::directory_iterator(series.path()))
    if (entry.path().extension() == ".txt" && entry.path().string() != oldSummary) fresh = entry.path().string();
  commands::KitRibList current = commands::KitRibsOf({fresh}, 0);
  ASSERT_FALSE(current.refusal) << current.refusal->message;
  std::filesystem::remove(current.ribs[3].path);
  commands::KitRibList gone = commands::KitRibsOf({fresh}, 0);
  ASSERT_TRUE(gone.refusal);
  EXPECT_EQ(gone.refusal->key, "stale-summary");
  EXPECT_NE(gone.refusal->message.find(current.ribs[3].path), std::string::npos);
}

}  // namespace
