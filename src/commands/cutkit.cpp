#include "commands/cutkit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <utility>
#include <vector>

#include "core/airfoilprep.h"
#include "core/cutlabel.h"
#include "core/cutmarks.h"
#include "core/strokefont.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/plaintext.h"
#include "files/airfoilfile.h"
#include "files/seriesfiles.h"
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
// chord. The summary keeps two decimals of its unit, a title up to three.
std::optional<std::string> StaleRibFile(const std::string& path, double summaryChordMm, double unitMm) {
  files::AirfoilData data;
  const files::AirfoilReadResult read = files::ReadAirfoilFile(path, data);
  if (!read.ok()) return "its rib file " + path + " is missing or unreadable";
  const std::optional<double> chord = ChordOfTitle(data.title);
  if (chord && std::fabs(*chord - summaryChordMm) > 0.0051 * unitMm)
    return path + " holds a rib of chord " + core::FormatNumber(*chord / unitMm, "0.0##") +
           " where the summary has " + core::FormatNumber(summaryChordMm / unitMm, "0.0##");
  return std::nullopt;
}

// The rib as the rib windows show it with this airfoil and chord: percentages follow the
// chord, lengths stay.
std::optional<KitRefusal> BuildRib(const core::RibDocument& templateRib, const KitRib& rib, core::RibDocument& d) {
  d = templateRib;
  d.airfoil = core::AirfoilAsRead();
  d.airfoil.path = rib.path;
  files::AirfoilReadResult read = files::ReadAirfoilInto(d.airfoil);
  // Among many input files, the user must learn which one it is.
  auto about = [&](const std::string& text) { return rib.path + ": " + text; };
  if (read.status == files::AirfoilReadStatus::Error)
    return KitRefusal{"unreadable", read.error.description, rib.path};  // names the file already
  if (!read.ok()) return KitRefusal{files::StatusName(read.status), about(read.boxText), rib.path};
  if (d.airfoil.pointCount < 5) return KitRefusal{"too-few-points", about(platform::Text("frmopen", "23")), rib.path};
  files::SplitAirfoilFileName(rib.path, d.airfoil.name, d.airfoil.ext);
  core::InstallPreparedAirfoil(d);
  d.airfoil.loaded = true;
  d.rib.chord.mm = static_cast<float>(rib.chordMm);
  d.rib.chord.text = core::LengthToText(d.rib.chord.mm, d.settings.unitText);
  if (d.rib.leadingEdge.mm + d.rib.trailingEdge.mm > d.rib.chord.mm) {
    std::string text = platform::Text("FrmMainMessage", "13");
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

// The outline the nesting places: the part's one piece, or all its pieces' corners when a
// cut parts the rib (nested as one, by their hull).
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

std::optional<double> ChordOfTitle(const std::string& title) {
  const std::size_t colon = title.rfind(':');
  if (colon == std::string::npos) return std::nullopt;
  std::string value = title.substr(colon + 1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\r' || value.back() == '\t')) value.pop_back();
  std::string unit = " mm";
  if (core::EndsWithIgnoringCase(value, " in")) {
    unit = " in";
    value.resize(value.size() - 3);
  }
  const std::size_t start = value.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  value = value.substr(start);
  if (value.find_first_not_of("0123456789./ ") != std::string::npos || !std::isdigit(static_cast<unsigned char>(value[0])))
    return std::nullopt;
  const double mm = core::LengthFromText(value, unit);
  if (!(mm > 0) || !std::isfinite(mm)) return std::nullopt;
  return mm;
}

KitRibList KitRibsOf(const std::vector<std::string>& inputs, double chordMm) {
  KitRibList list;
  if (inputs.size() == 1 && core::EndsWithIgnoringCase(inputs[0], ".txt")) {
    files::SeriesJob job;
    if (!files::ReadSeriesSummary(inputs[0], job).ok() || job.ribs.empty()) {
      list.refusal = KitRefusal{"no-rib", "No rib in " + inputs[0], inputs[0]};
      return list;
    }
    const double scale = job.unitText == " in" ? 25.4 : 1.0;
    for (const core::SeriesRib& rib : job.ribs) {
      const std::string file = files::RibFileName(job, rib.number);
      const std::string path = (std::filesystem::path(job.folder) / file).string();
      // A series written again over this one may have left the summary naming files that
      // hold other ribs now: cutting them at the summary's chords would spoil them.
      if (std::optional<std::string> stale = StaleRibFile(path, rib.chordMm * scale, scale)) {
        list.ribs.clear();
        list.refusal = KitRefusal{"stale-summary", inputs[0] + ": " + *stale, path};
        return list;
      }
      list.ribs.push_back({path, KitNameOf(file), rib.chordMm * scale});
    }
    return list;
  }
  for (const std::string& path : inputs) {
    files::AirfoilData data;
    files::AirfoilReadResult read = files::ReadAirfoilFile(path, data);
    std::optional<double> chord = read.ok() ? ChordOfTitle(data.title) : std::nullopt;
    // A file that cannot be read is refused by name when its rib is built.
    list.ribs.push_back({path, KitNameOf(path), chord.value_or(chordMm)});
  }
  if (list.ribs.empty()) list.refusal = KitRefusal{"no-rib", "No rib file given", ""};
  return list;
}

KitPlan PlanKit(const core::RibDocument& templateRib, const std::vector<KitRib>& ribs, const KitSettings& settings) {
  KitPlan plan;
  if (ribs.empty()) {
    plan.refusal = KitRefusal{"no-rib", "No rib to cut", ""};
    return plan;
  }
  for (const KitRib& rib : ribs) {
    core::RibDocument d;
    if (std::optional<KitRefusal> refused = BuildRib(templateRib, rib, d)) {
      plan.refusal = refused;
      return plan;
    }
    KitPart part;
    part.name = rib.name;
    part.source = std::filesystem::path(rib.path).filename().string();
    part.chordMm = rib.chordMm;
    part.layout = core::BuildCutLayout(core::BuildCutConstruction(d), {settings.cut.kerfMm, settings.cut.marks, settings.caption});
    if (part.layout.noRibLeft) {
      plan.refusal = KitRefusal{"no-rib-left", rib.name + " (" + rib.path + "): " + NoRibLeftText(), rib.name};
      return plan;
    }
    if (!part.layout.ok) {
      plan.refusal = KitRefusal{"no-part", "No closed outline for " + rib.name, rib.name};
      return plan;
    }
    for (const core::CutPiece& p : part.layout.rib) plan.partsAreaMm2 += NetArea(p);
    // A block's jig is cut apart from the rib, with the rib's name on it.
    std::vector<core::CutPiece> jig = std::move(part.layout.jig);
    part.layout.jig.clear();
    Engrave(part);
    plan.parts.push_back(part);
    for (core::CutPiece& piece : jig) {
      KitPart j;
      j.name = rib.name;
      j.source = part.source;
      j.chordMm = rib.chordMm;
      j.layout.ok = true;
      plan.partsAreaMm2 += NetArea(piece);
      j.layout.jig.push_back(std::move(piece));
      Engrave(j);
      plan.parts.push_back(std::move(j));
    }
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
