// A kit's sheets as a laser takes them, read back from the DXF by a reader of its own here:
// the marks first, then every opening, then every outline, each step along the sheet; and
// every mark on its own part, clear of its openings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "commands/cutkit.h"
#include "commands/cutkitfixture.h"
#include "files/projectfile.h"
#include "output/kitwriter.h"
#include "support/dxfsummary.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace {

using core::PointMm;

using dxftest::Item;

// The four corners of a text's box, from its base line's left end, at its height and a
// character as wide as high; "\U+00B0" is one character.
std::vector<PointMm> TextBox(const Item& text) {
  const double a = text.angle * 3.14159265358979323846 / 180;
  std::size_t characters = text.text.size();
  for (std::size_t at = text.text.find("\\U+"); at != std::string::npos; at = text.text.find("\\U+", at + 1)) characters -= 6;
  const double w = text.height * static_cast<double>(characters);
  const PointMm base = text.points.at(0);
  std::vector<PointMm> box;
  for (PointMm q : {PointMm{0, 0}, PointMm{w, 0}, PointMm{w, text.height}, PointMm{0, text.height}})
    box.push_back({base.x + q.x * std::cos(a) - q.y * std::sin(a), base.y + q.x * std::sin(a) + q.y * std::cos(a)});
  return box;
}

// The sheet's items sorted into the laser's steps, each item given the part (outline) it
// lies in, the outlines numbered along the sheet.
struct Steps {
  std::vector<std::string> layers;  // "SHEET", "MARK", "INNER", "OUTLINE" as they come
  std::vector<int> markParts, innerParts, outlineParts;
  std::vector<std::vector<PointMm>> outlines;
};

Steps StepsOf(const std::vector<Item>& items) {
  Steps s;
  // An outline is a closed CUT loop inside no other.
  std::vector<const Item*> loops;
  for (const Item& i : items)
    if (i.layer == "CUT" && i.Closed()) loops.push_back(&i);
  std::vector<const Item*> outlines;
  for (const Item* a : loops)
    if (std::none_of(loops.begin(), loops.end(),
                     [&](const Item* b) { return b != a && LoopHolds(b->points, a->points.front()); }))
      outlines.push_back(a);
  auto leftOf = [](const Item* i) {
    double left = i->points.front().x;
    for (const PointMm& p : i->points) left = std::min(left, p.x);
    return left;
  };
  std::vector<const Item*> along = outlines;
  std::stable_sort(along.begin(), along.end(), [&](const Item* a, const Item* b) { return leftOf(a) < leftOf(b); });
  auto partOf = [&](PointMm p) {
    for (std::size_t k = 0; k < along.size(); ++k)
      if (LoopHolds(along[k]->points, p)) return static_cast<int>(k);
    return -1;
  };
  for (const Item* o : along) s.outlines.push_back(o->points);
  for (const Item& i : items) {
    std::string step = i.layer;
    if (i.layer == "CUT") {
      const bool outline = std::find(outlines.begin(), outlines.end(), &i) != outlines.end();
      step = outline ? "OUTLINE" : "INNER";
      const int part = outline ? static_cast<int>(std::find(along.begin(), along.end(), &i) - along.begin())
                               : partOf(i.points.front());
      (outline ? s.outlineParts : s.innerParts).push_back(part);
    } else if (i.layer == "MARK") {
      s.markParts.push_back(partOf(i.points.front()));
    }
    if (s.layers.empty() || s.layers.back() != step) s.layers.push_back(step);
  }
  return s;
}

class KitSheetOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    // Sheeting, a round hole and a rectangular one, reference lines: every rib has an
    // opening, a circle and marks.
    auto& rib = templateRib.rib;
    rib.sheeting.mm = 1.5;
    rib.holes[0].positionText = "30%", rib.holes[0].size.mm = 6, rib.holes[0].centred = 1;
    rib.holes[1].positionText = "60%", rib.holes[1].size.mm = 12, rib.holes[1].height.mm = 4,
    rib.holes[1].centred = 1, rib.holes[1].shape = core::HoleShape::Rectangle;
    rib.holes.last = 1;
    rib.markCount = 3;
    settings.cut.marks = true;
    settings.sheet = {500, 50};
    const char* airfoils[] = {"clarky.dat", "sd7037.dat", "naca2412.dat", "e387.dat"};
    for (int i = 0; i < 8; ++i)
      ribs.push_back({testsupport::AirfoilPath(airfoils[i % 4]), "R" + std::to_string(i + 1), 140.0 + 15 * i});
  }

  std::vector<std::string> SheetTexts(output::CutFormat format) {
    settings.cut.format = format;
    const commands::KitPlan plan = commands::PlanKit(templateRib, ribs, settings);
    EXPECT_FALSE(plan.refusal);
    EXPECT_TRUE(commands::WriteKit(plan, settings, out.path().string()).ok);
    std::vector<std::string> texts;
    for (int sheet = 0; sheet < plan.sheets; ++sheet)
      texts.push_back(testsupport::ReadFile(out.File(output::KitSheetFileName(sheet, format))));
    return texts;
  }

  testsupport::SelfNamingTexts words;
  testsupport::TempDir out;
  core::RibDocument templateRib;
  commands::KitSettings settings;
  std::vector<commands::KitRib> ribs;
};

TEST_F(KitSheetOrder, MarksThenOpeningsThenOutlinesEachAlongTheSheet) {
  for (output::CutFormat format : {output::CutFormat::DxfR12, output::CutFormat::DxfR2000}) {
    SCOPED_TRACE(static_cast<int>(format));
    const std::vector<std::string> sheets = SheetTexts(format);
    EXPECT_GE(sheets.size(), 2u);
    for (const std::string& text : sheets) {
      const Steps s = StepsOf(dxftest::Items(text));
      EXPECT_EQ(s.layers, (std::vector<std::string>{"SHEET", "MARK", "INNER", "OUTLINE"}));
      ASSERT_GE(s.outlines.size(), 2u) << "several parts to a sheet";
      // Each step along the sheet: the outlines by their left ends, the rest by their part.
      for (std::size_t k = 0; k < s.outlineParts.size(); ++k) EXPECT_EQ(s.outlineParts[k], static_cast<int>(k));
      EXPECT_TRUE(std::is_sorted(s.innerParts.begin(), s.innerParts.end()));
      EXPECT_EQ(std::count(s.innerParts.begin(), s.innerParts.end(), -1), 0) << "every opening in a part";
      // Two openings a part: the round hole (a circle) and the rectangular one.
      EXPECT_EQ(s.innerParts.size(), 2 * s.outlines.size());
      std::vector<int> marked;
      for (int part : s.markParts)
        if (part >= 0) marked.push_back(part);
      EXPECT_TRUE(std::is_sorted(marked.begin(), marked.end()));
    }
  }
}

// The SVG writer keeps the order by itself: in the cut group every opening (a rectangle and
// a circle to a part) before any outline, so the last third of its paths holds no circle.
TEST_F(KitSheetOrder, SvgCutsEveryOpeningBeforeAnyOutline) {
  for (const std::string& svg : SheetTexts(output::CutFormat::Svg)) {
    const std::size_t from = svg.find("<g id=\"CUT\">"), to = svg.find("</g>", from);
    ASSERT_NE(from, std::string::npos);
    std::vector<bool> circles;
    for (std::size_t at = svg.find("<path", from); at < to; at = svg.find("<path", at + 1))
      circles.push_back(svg.find(" A ", at) < svg.find("/>", at));
    ASSERT_EQ(circles.size() % 3, 0u);
    const auto parts = static_cast<std::ptrdiff_t>(circles.size() / 3);
    EXPECT_GE(parts, 2);
    EXPECT_EQ(std::count(circles.begin(), circles.end() - parts, true), parts);
  }
}

// The full template (spars, holes, reference lines, its caption) on ribs down to 140 mm:
// every mark lies on the part that holds it, outside its openings, the caption only when
// asked for, and one name to a part.
TEST_F(KitSheetOrder, EngravingStaysOnItsOwnPartClearOfItsOpenings) {
  templateRib = core::RibDocument();
  ASSERT_TRUE(files::ReadProjectText(testsupport::ReadFile(testsupport::DataPath("projects/full_mm.vdl")), templateRib).ok);
  templateRib.rib.caption.isUserText = true;  // "Rippe 3", as opening the project finds it
  settings.sheet = {1000, 100};
  for (int pass = 0; pass < 3; ++pass) {
    // The names as text, with the caption, then as single-stroke lines.
    SCOPED_TRACE(pass);
    const bool caption = pass == 1;
    settings.caption = caption;
    settings.strokedNames = pass == 2;
    int captions = 0, lines = 0, names = 0, numbers = 0, pieces = 0;
    for (const std::string& text : SheetTexts(output::CutFormat::DxfR12)) {
      const std::vector<Item> items = dxftest::Items(text);
      const Steps s = StepsOf(items);
      // Openings: circles, and loops inside an outline.
      std::vector<const Item*> openings;
      for (const Item& i : items)
        if (i.layer == "CUT" && (i.type == "CIRCLE" || std::any_of(s.outlines.begin(), s.outlines.end(), [&](const auto& o) {
                                   const bool itself = o.size() == i.points.size() && o.front().x == i.points.front().x &&
                                                       o.front().y == i.points.front().y;
                                   return !itself && LoopHolds(o, i.points.front());
                                 })))
          openings.push_back(&i);
      auto inOpening = [&](PointMm p) {
        return std::any_of(openings.begin(), openings.end(), [&](const Item* o) {
          if (o->type != "CIRCLE") return LoopHolds(o->points, p);
          return std::hypot(p.x - o->points[0].x, p.y - o->points[0].y) < o->radius;
        });
      };
      std::vector<int> named(s.outlines.size(), 0);
      for (const Item& m : items) {
        if (m.layer != "MARK") continue;
        // What the mark scores: along its lines, or round its text's box.
        std::vector<PointMm> path = m.type == "TEXT" ? TextBox(m) : m.points;
        if (m.type == "TEXT") {
          path.push_back(path.front());
          captions += m.text.rfind("Rippe", 0) == 0;
          numbers += m.text.size() == 1 && std::isdigit(static_cast<unsigned char>(m.text[0]));
          // "R1", or "R1a", "R1b" for the pieces of a rib the template cuts apart.
          const std::size_t letters = m.text.find_first_not_of("0123456789", 1);
          if (m.text.size() >= 2 && m.text[0] == 'R' && std::isdigit(static_cast<unsigned char>(m.text[1])) &&
              (letters == std::string::npos ||
               m.text.find_first_not_of("abcdefghijklmnopqrstuvwxyz", letters) == std::string::npos)) {
            ++names;
            for (std::size_t k = 0; k < s.outlines.size(); ++k) named[k] += LoopHolds(s.outlines[k], path[0]);
          }
        } else {
          ++lines;
        }
        std::vector<PointMm> scored;
        for (std::size_t k = 0; k + 1 < path.size(); ++k)
          for (int step = 0; step <= 10; ++step)
            scored.push_back({path[k].x + (path[k + 1].x - path[k].x) * step / 10,
                              path[k].y + (path[k + 1].y - path[k].y) * step / 10});
        if (path.size() == 1) scored = path;
        std::size_t part = 0;
        while (part < s.outlines.size() && !LoopHolds(s.outlines[part], scored.front())) ++part;
        ASSERT_LT(part, s.outlines.size()) << m.text << " at " << scored.front().x << ", " << scored.front().y
                                           << ": on no part";
        for (const PointMm& p : scored) {
          ASSERT_TRUE(LoopHolds(s.outlines[part], p)) << m.text << " leaves its part at " << p.x << ", " << p.y;
          ASSERT_FALSE(inOpening(p)) << m.text << " crosses an opening at " << p.x << ", " << p.y;
        }
      }
      // The template cuts the ribs apart: every piece carries its own name.
      for (int n : named) EXPECT_EQ(n, settings.strokedNames ? 0 : 1) << "one name to a piece";
      pieces += static_cast<int>(s.outlines.size());
    }
    EXPECT_EQ(names, settings.strokedNames ? 0 : pieces) << "one name to a piece";
    EXPECT_GE(pieces, 8);
    EXPECT_GE(lines, 8) << "a chord line on every part at least";
    // Four reference lines a rib, numbered below it: moved up onto it, beside their lines.
    EXPECT_GE(numbers, 8 * 3);
    // The caption lies below the template's rib, on none of these: each rib has it moved on.
    if (caption) EXPECT_EQ(captions, 8);
    else EXPECT_EQ(captions, 0);
  }
}

}  // namespace
