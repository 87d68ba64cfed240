#include "commands/cutkit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <utility>
#include <vector>

#include "commands/ribedit.h"
#include "core/airfoilprep.h"
#include "core/cutlabel.h"
#include "core/cutmarks.h"
#include "core/strokefont.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/piecewidth.h"
#include "core/plaintext.h"
#include "core/ribwarnings.h"
#include "files/airfoilfile.h"
#include "files/seriesfiles.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

namespace {

double NetArea(const core::CutPiece& p) {
  double area = core::LoopArea(p.outer);
  for (const auto& hole : p.holes) area += core::LoopArea(hole);
  for (const core::CutCircle& c : p.circles) area -= core::kPi * c.radiusMm * c.radiusMm;
  return area;
}

// Why a summary's rib file no longer belongs to it: gone, or its title names another
// chord. The summary keeps two decimals of a millimetre, a title up to three of its unit.
std::optional<std::string> StaleRibFile(const std::string& path, double summaryChordMm, double unitMm) {
  files::AirfoilData data;
  const files::AirfoilReadResult read = files::ReadAirfoilFile(path, data);
  if (!read.ok()) return "its rib file " + path + " is missing or unreadable";
  const std::optional<double> chord = core::ChordInTitleMm(data.title);
  if (chord && std::fabs(*chord - summaryChordMm) > 0.0051 + 0.00051 * unitMm)
    return path + " holds a rib of chord " + core::FormatNumber(*chord / unitMm, "0.0##") +
           " where the summary has " + core::FormatNumber(summaryChordMm / unitMm, "0.0##");
  return std::nullopt;
}

// The panel a rib file belongs to: its series (folder and "ROOT&TIP" name), or none.
std::string SeriesOfFile(const std::string& path) {
  const std::filesystem::path file(path);
  const std::string stem = file.stem().string();
  const std::string name = KitNameOf(path);
  if (name == stem) return {};
  return (file.parent_path() / stem.substr(0, stem.rfind(name))).string();
}

// The rib as the rib windows show it with this airfoil and chord: percentages follow the
// chord, lengths stay.
std::optional<KitRefusal> BuildRib(const core::RibDocument& templateRib, const KitRib& rib,
                                   core::RibDocument& document) {
  document = templateRib;
  document.airfoil = core::AirfoilAsRead();
  document.airfoil.path = rib.path;
  files::AirfoilReadResult read = files::ReadAirfoilInto(document.airfoil);
  // Among many input files, the user must learn which one it is.
  auto about = [&](const std::string& text) { return rib.path + ": " + text; };
  if (read.status == files::AirfoilReadStatus::Error)
    return KitRefusal{"unreadable", read.error.description, rib.path};  // names the file already
  if (!read.ok()) return KitRefusal{files::StatusName(read.status), about(read.boxText), rib.path};
  if (files::TooFewPoints(document.airfoil.points.size()))
    return KitRefusal{"too-few-points", about(platform::Text(keys::TooFewPoints)), rib.path};
  files::SplitAirfoilFileName(rib.path, document.airfoil.name, document.airfoil.ext);
  core::InstallPreparedAirfoil(document);
  document.airfoil.loaded = true;
  // The chord as if typed in the window: settled, so that the caption names this rib and a
  // board parallel to the chord follows this airfoil.
  const float chordMm = static_cast<float>(rib.chordMm);
  const EditOutcome chord = ApplyEdit(
      document, SetLength{RibLength::Chord, {chordMm, core::LengthToText(chordMm, document.settings.unitText)}});
  if (chord.refused) return KitRefusal{chord.refusalKey, about(EditMessageText(chord.messages.front())), rib.name};
  if (core::EdgeWarning(document).what != core::RibWarning::None) {
    std::string text = platform::Text(keys::EdgesLongerThanChord);
    return KitRefusal{"edges-longer-than-chord", (text.empty() ? "The edge pieces are longer than the chord" : text) +
                                                     ": " + rib.name,
                      rib.name};
  }
  return std::nullopt;
}

// The part's marks cut back to it; the name on its largest piece where it fits, clear of
// the marks; failing that, small over its middle; a caption moved where it fits.
void Engrave(KitPart& part) {
  const std::vector<core::CutPiece>& pieces = part.layout.rib.empty() ? part.layout.jig : part.layout.rib;
  std::vector<core::CutMark> captions;  // a caption that does not fit where the template puts it
  part.layout.marks = core::MarksOnPart(part.layout.marks, pieces, &captions);
  if (pieces.empty()) return;
  const core::CutPiece* largest = &pieces.front();
  for (const core::CutPiece& p : pieces)
    if (core::LoopArea(p.outer) > core::LoopArea(largest->outer)) largest = &p;
  std::optional<core::CutLabel> label = core::LabelInside(*largest, part.name, kKitNameHeightMm, part.layout.marks);
  // A thin part: smaller still, but on the part and off its openings.
  if (!label) label = core::LabelInside(*largest, part.name, kKitNameHeightMm / 3, part.layout.marks);
  if (!label) {
    core::BoundsMm b;
    for (const core::PointMm& q : largest->outer) b.Take(q.x, q.y);
    core::CutLabel fallback;
    const double h = std::clamp((b.top - b.bottom) / 4, 0.5, kKitNameHeightMm / 3);
    fallback.widthMm = core::LabelWidth(part.name, h);
    fallback.centre = {(b.left + b.right) / 2, (b.bottom + b.top) / 2};
    fallback.mark.text = part.name;
    fallback.mark.heightMm = h;
    fallback.mark.baseline = {fallback.centre.x - fallback.widthMm / 2, fallback.centre.y - h / 2};
    label = fallback;
  }
  part.nameMark = static_cast<int>(part.layout.marks.size());
  part.layout.marks.push_back(label->mark);
  part.nameCentre = label->centre;
  part.nameWidthMm = label->widthMm;
  // The caption where it fits beside the name, no larger than the template has it.
  for (const core::CutMark& caption : captions)
    if (std::optional<core::CutLabel> moved = core::LabelInside(*largest, caption.text, caption.heightMm, part.layout.marks, true)) {
      moved->mark.caption = true;
      part.layout.marks.push_back(moved->mark);
    }
}

core::BoundsMm BoundsOfPoints(const std::vector<core::PointMm>& points) {
  core::BoundsMm b;
  for (const core::PointMm& q : points) b.Take(q.x, q.y);
  return b;
}

bool BoxesMeet(const core::BoundsMm& a, const core::BoundsMm& b) {
  return !a.empty && !b.empty && a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

// The stretches of a line inside a box: each segment cut to the box, those that run on
// joined.
std::vector<std::vector<core::PointMm>> StretchesInBox(const std::vector<core::PointMm>& line, const core::BoundsMm& box) {
  std::vector<std::vector<core::PointMm>> inside;
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const core::PointMm a = line[i];
    const double dx = line[i + 1].x - a.x, dy = line[i + 1].y - a.y;
    double from = 0, to = 1;
    // Each side of the box keeps the part of the segment on its inner side.
    auto keep = [&](double along, double room) {
      if (along == 0) return room >= 0;
      const double t = room / along;
      if (along < 0) from = std::max(from, t);
      else to = std::min(to, t);
      return from <= to;
    };
    if (!keep(-dx, a.x - box.left) || !keep(dx, box.right - a.x) || !keep(-dy, a.y - box.bottom) ||
        !keep(dy, box.top - a.y))
      continue;
    const core::PointMm start{a.x + from * dx, a.y + from * dy}, end{a.x + to * dx, a.y + to * dy};
    const bool runsOn = !inside.empty() && std::fabs(inside.back().back().x - start.x) < 1e-9 &&
                        std::fabs(inside.back().back().y - start.y) < 1e-9;
    if (runsOn) inside.back().push_back(end);
    else inside.push_back({start, end});
  }
  return inside;
}

// "a", "b", ... "z", then "aa", "ab": a piece's letter, from the leading edge back.
std::string PieceLetter(std::size_t index) {
  std::string letter(1, static_cast<char>('a' + index % 26));
  if (index >= 26) letter.insert(letter.begin(), static_cast<char>('a' + (index / 26 - 1) % 26));
  return letter;
}

// The parts of one rib: each piece it falls into, slivers left out, named from the leading
// edge back; a text goes with the piece whose box holds it, a line with each piece whose
// box it crosses (cut to that box), and what meets none with the front piece. The blocks' jigs follow, each a part
// under the rib's name.
std::vector<KitPart> PartsOfRib(const KitRib& rib, core::CutLayout layout, KitSplit& split) {
  std::vector<core::CutPiece> pieces = std::move(layout.rib);
  auto front = [](const core::CutPiece& p) { return BoundsOfPoints(p.outer).left; };
  std::stable_sort(pieces.begin(), pieces.end(),
                   [&](const core::CutPiece& a, const core::CutPiece& b) { return front(a) < front(b); });
  std::vector<core::CutPiece> kept;
  if (pieces.size() > 1) {
    for (core::CutPiece& p : pieces)
      if (core::PieceHoldsDisc(p, kSmallestPieceMm)) kept.push_back(std::move(p));
    // A rib never goes whole: of slivers only, the largest stays.
    if (kept.empty())
      kept.push_back(*std::max_element(pieces.begin(), pieces.end(), [](const core::CutPiece& a, const core::CutPiece& b) {
        return core::LoopArea(a.outer) < core::LoopArea(b.outer);
      }));
  } else {
    kept = std::move(pieces);
  }
  split = KitSplit{rib.name, static_cast<int>(kept.size()), static_cast<int>(pieces.size() - kept.size())};

  std::vector<KitPart> parts;
  auto part = [&](std::string name) {
    KitPart p;
    p.name = std::move(name);
    p.rib = rib.name;
    p.source = std::filesystem::path(rib.path).filename().string();
    p.chordMm = rib.chordMm;
    p.layout.ok = true;
    return p;
  };
  std::vector<bool> placed(layout.marks.size(), false);
  for (std::size_t i = 0; i < kept.size(); ++i) {
    KitPart p = part(kept.size() > 1 ? rib.name + PieceLetter(i) : rib.name);
    const core::BoundsMm box = BoundsOfPoints(kept[i].outer);
    for (std::size_t m = 0; m < layout.marks.size(); ++m) {
      const core::CutMark& mark = layout.marks[m];
      if (kept.size() == 1 || (!mark.text.empty() && BoxesMeet(box, BoundsOfPoints({mark.baseline})))) {
        p.layout.marks.push_back(mark);
        placed[m] = true;
        continue;
      }
      // A line across the whole rib is scored on each piece over the piece's own box only.
      if (!mark.text.empty()) continue;
      for (std::vector<core::PointMm>& line : StretchesInBox(mark.points, box)) {
        core::CutMark share = mark;
        share.points = std::move(line);
        p.layout.marks.push_back(std::move(share));
        placed[m] = true;
      }
    }
    p.layout.rib.push_back(std::move(kept[i]));
    parts.push_back(std::move(p));
  }
  for (std::size_t m = 0; m < layout.marks.size(); ++m)
    if (!placed[m]) parts.front().layout.marks.push_back(layout.marks[m]);
  parts.front().layout.holesTooSmallForKerf = layout.holesTooSmallForKerf;
  for (KitPart& p : parts) Engrave(p);
  // A block's jig is cut apart from the rib, with the rib's name on it.
  for (core::CutPiece& piece : layout.jig) {
    KitPart j = part(rib.name);
    j.layout.jig.push_back(std::move(piece));
    Engrave(j);
    parts.push_back(std::move(j));
  }
  return parts;
}

// The outline the nesting places: the part's one piece.
std::vector<core::PointMm> NestedOutline(const KitPart& part) {
  std::vector<core::PointMm> outline;
  for (const auto* pieces : {&part.layout.rib, &part.layout.jig})
    for (const core::CutPiece& p : *pieces) outline.insert(outline.end(), p.outer.begin(), p.outer.end());
  return outline;
}

core::CutPiece PlacedPiece(const core::CutPiece& p, const core::NestPlacement& at) {
  core::CutPiece placed;
  for (const core::PointMm& q : p.outer) placed.outer.push_back(core::Placed(at, q));
  for (const auto& hole : p.holes) {
    placed.holes.emplace_back();
    for (const core::PointMm& q : hole) placed.holes.back().push_back(core::Placed(at, q));
  }
  for (const core::CutCircle& c : p.circles) placed.circles.push_back({core::Placed(at, c.centre), c.radiusMm});
  return placed;
}

// Where a part lies along the sheet: its left end, then its lower edge.
using SheetOrder = std::pair<double, double>;

SheetOrder OrderOf(const std::vector<core::PointMm>& loop) {
  core::BoundsMm b;
  for (const core::PointMm& q : loop) b.Take(q.x, q.y);
  return {b.left, b.bottom};
}

SheetOrder PlacedOrder(const KitPart& part) {
  std::vector<core::PointMm> placed;
  for (const core::PointMm& q : NestedOutline(part)) placed.push_back(core::Placed(part.placement, q));
  return OrderOf(placed);
}

}  // namespace

std::string KitNameOf(const std::string& path) {
  const std::string stem = std::filesystem::path(path).stem().string();
  // Only a series' file (ROOT&TIP, the rib word's letter, the number) has the rib's name
  // at its end; "naca2412" is a name of its own.
  if (stem.find('&') == std::string::npos) return stem;
  std::string name = stem;
  if (core::EndsWithIgnoringCase(name, "in") && name.size() > 2 && std::isdigit(static_cast<unsigned char>(name[name.size() - 3])))
    name.resize(name.size() - 2);
  std::size_t digits = name.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
  if (digits == name.size() || digits == 0 || !std::isalpha(static_cast<unsigned char>(name[digits - 1]))) return stem;
  return name.substr(digits - 1);
}

std::string PanelPrefix(int index) {
  std::string prefix(1, static_cast<char>('A' + index % 26));
  if (index >= 26) prefix.insert(prefix.begin(), static_cast<char>('A' + (index / 26 - 1) % 26));
  return prefix;
}

KitRibList KitRibsOf(const std::vector<std::string>& inputs, double chordMm, const std::vector<std::string>& prefixes) {
  KitRibList list;
  std::vector<std::string> panels;  // each panel's key, in the order first met
  std::vector<int> panelOf;         // each rib's panel
  auto panel = [&panels](const std::string& key) {
    const auto found = std::find(panels.begin(), panels.end(), key);
    if (found != panels.end()) return static_cast<int>(found - panels.begin());
    panels.push_back(key);
    return static_cast<int>(panels.size()) - 1;
  };
  for (const std::string& input : inputs) {
    if (!core::EndsWithIgnoringCase(input, ".txt")) {
      files::AirfoilData data;
      files::AirfoilReadResult read = files::ReadAirfoilFile(input, data);
      std::optional<double> chord = read.ok() ? core::ChordInTitleMm(data.title) : std::nullopt;
      // A file that cannot be read is refused by name when its rib is built.
      list.ribs.push_back({input, KitNameOf(input), chord.value_or(chordMm)});
      panelOf.push_back(panel(SeriesOfFile(input)));
      continue;
    }
    files::SeriesJob job;
    if (!files::ReadSeriesSummary(input, job).ok() || job.ribs.empty()) {
      list.ribs.clear();
      list.refusal = KitRefusal{"no-rib", "No rib in " + input, input};
      return list;
    }
    // A summary gives its chords in millimetres whatever the series' unit.
    const double unitMm = job.unitText == " in" ? 25.4 : 1.0;
    const int summaryPanel = panel("\n" + input);  // no rib file's key
    for (const core::SeriesRib& rib : job.ribs) {
      const std::string file = files::RibFileName(job, rib.number);
      const std::string path = (std::filesystem::path(job.folder) / file).string();
      // A series written again over this one may have left the summary naming files that
      // hold other ribs now: cutting them at the summary's chords would spoil them.
      if (std::optional<std::string> stale = StaleRibFile(path, rib.chordMm, unitMm)) {
        list.ribs.clear();
        list.refusal = KitRefusal{"stale-summary", input + ": " + *stale, path};
        return list;
      }
      list.ribs.push_back({path, KitNameOf(file), rib.chordMm});
      panelOf.push_back(summaryPanel);
    }
  }
  if (list.ribs.empty()) {
    list.refusal = KitRefusal{"no-rib", "No rib file given", ""};
    return list;
  }
  list.panels = static_cast<int>(panels.size());
  if (!prefixes.empty() && prefixes.size() != panels.size()) {
    list.ribs.clear();
    list.refusal = KitRefusal{"prefix",
                              "The inputs make " +
                                  core::CountOf(static_cast<long long>(panels.size()), "panel", "panels") +
                                  "; --prefix names " + std::to_string(prefixes.size()),
                              ""};
    return list;
  }
  // Ribs of two panels share their names (R01 in each): the prefix tells them apart.
  if (panels.size() > 1 || !prefixes.empty())
    for (std::size_t i = 0; i < list.ribs.size(); ++i) {
      const int p = panelOf[i];
      list.ribs[i].name = (prefixes.empty() ? PanelPrefix(p) : prefixes[static_cast<std::size_t>(p)]) + "-" + list.ribs[i].name;
    }
  return list;
}

KitPlan PlanKit(const core::RibDocument& templateRib, const std::vector<KitRib>& ribs, const KitSettings& settings) {
  KitPlan plan;
  if (ribs.empty()) {
    plan.refusal = KitRefusal{"no-rib", "No rib to cut", ""};
    return plan;
  }
  const int copies = std::clamp(settings.copies, 1, kMostKitCopies);
  for (const KitRib& rib : ribs) {
    core::RibDocument d;
    if (std::optional<KitRefusal> refused = BuildRib(templateRib, rib, d)) {
      plan.refusal = refused;
      return plan;
    }
    core::CutLayout layout = core::BuildCutLayout(core::BuildCutConstruction(d), {settings.cut.kerfMm, settings.cut.marks, settings.caption});
    if (layout.noRibLeft) {
      plan.refusal = KitRefusal{"no-rib-left", rib.name + " (" + rib.path + "): " + NoRibLeftText(), rib.name};
      return plan;
    }
    if (!layout.ok || layout.rib.empty()) {
      plan.refusal = KitRefusal{"no-part", "No closed outline for " + rib.name, rib.name};
      return plan;
    }
    KitSplit split;
    const std::vector<KitPart> parts = PartsOfRib(rib, std::move(layout), split);
    if (split.pieces > 1 || split.leftOut > 0) plan.splits.push_back(split);
    // Each copy is a part of its own, under the same name.
    for (int copy = 0; copy < copies; ++copy)
      for (const KitPart& p : parts) {
        for (const core::CutPiece& piece : p.layout.rib) plan.partsAreaMm2 += NetArea(piece);
        for (const core::CutPiece& piece : p.layout.jig) plan.partsAreaMm2 += NetArea(piece);
        plan.parts.push_back(p);
      }
    plan.ribs += copies;
  }
  std::vector<std::vector<core::PointMm>> outlines;
  for (const KitPart& part : plan.parts) outlines.push_back(NestedOutline(part));
  core::NestLayout nest = core::NestParts(outlines, settings.sheet, settings.gapMm);
  if (nest.problem == core::NestProblem::Sheet) {
    plan.refusal = KitRefusal{"sheet", "The sheet and the gap leave no room for a part", ""};
    return plan;
  }
  if (nest.problem == core::NestProblem::TooLargePart) {
    const KitPart& big = plan.parts[static_cast<std::size_t>(nest.tooLargePart)];
    plan.refusal = KitRefusal{"too-large-part", big.name + " (" + big.source + ") is larger than the sheet",
                               big.name + " (" + big.source + ")"};
    return plan;
  }
  for (std::size_t i = 0; i < plan.parts.size(); ++i) plan.parts[i].placement = nest.placements[i];
  plan.sheets = nest.sheets;
  const double sheetArea = settings.sheet.lengthMm * settings.sheet.widthMm * nest.sheets;
  plan.usedPercent = sheetArea > 0 ? 100 * plan.partsAreaMm2 / sheetArea : 0;
  return plan;
}

std::vector<std::string> KitSplitLines(const KitPlan& plan) {
  std::vector<std::string> lines;
  for (const KitSplit& split : plan.splits) {
    if (split.pieces > 1) lines.push_back(split.rib + " falls into " + std::to_string(split.pieces) + " pieces");
    if (split.leftOut == 1) lines.push_back(split.rib + ": a sliver under 3 mm across left out");
    if (split.leftOut > 1)
      lines.push_back(split.rib + ": " + std::to_string(split.leftOut) + " slivers under 3 mm across left out");
  }
  return lines;
}

std::vector<core::CutLayout> KitSheets(const KitPlan& plan, bool strokedNames) {
  std::vector<core::CutLayout> sheets(static_cast<std::size_t>(std::max(plan.sheets, 0)));
  for (core::CutLayout& s : sheets) s.ok = true;
  // Along the sheet, so that the laser works its way from one end to the other.
  std::vector<std::pair<SheetOrder, const KitPart*>> ordered;
  for (const KitPart& part : plan.parts) ordered.emplace_back(PlacedOrder(part), &part);
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [order, partAt] : ordered) {
    const KitPart& part = *partAt;
    const core::NestPlacement& at = part.placement;
    if (at.sheet < 0 || at.sheet >= plan.sheets) continue;
    core::CutLayout& sheet = sheets[static_cast<std::size_t>(at.sheet)];
    for (const core::CutPiece& p : part.layout.rib) sheet.rib.push_back(PlacedPiece(p, at));
    for (const core::CutPiece& p : part.layout.jig) sheet.jig.push_back(PlacedPiece(p, at));
    for (std::size_t i = 0; i < part.layout.marks.size(); ++i) {
      core::CutMark m = part.layout.marks[i];
      for (core::PointMm& q : m.points) q = core::Placed(at, q);
      if (static_cast<int>(i) == part.nameMark) {
        // The name's box turns onto itself: the text stays upright in it.
        const core::PointMm centre = core::Placed(at, part.nameCentre);
        m.baseline = {centre.x - part.nameWidthMm / 2, centre.y - m.heightMm / 2};
        if (strokedNames) {
          for (core::CutMark& line : core::StrokedText(m)) sheet.marks.push_back(std::move(line));
          continue;
        }
      } else if (!m.text.empty()) {
        m.baseline = core::Placed(at, m.baseline);
        if (at.turned) m.angleDegrees = std::fmod(m.angleDegrees + 180, 360);
      }
      sheet.marks.push_back(std::move(m));
    }
  }
  // A part cut in two: each piece takes its own place along the sheet.
  for (core::CutLayout& sheet : sheets)
    for (std::vector<core::CutPiece>* pieces : {&sheet.rib, &sheet.jig})
      std::stable_sort(pieces->begin(), pieces->end(),
                       [](const core::CutPiece& a, const core::CutPiece& b) { return OrderOf(a.outer) < OrderOf(b.outer); });
  return sheets;
}

}  // namespace commands
