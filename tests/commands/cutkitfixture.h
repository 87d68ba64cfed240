#pragma once
// The cutting kit tests' shared set-up: a panel's series, a template rib, the kit's files
// read back, and page outputs that fail on purpose.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "commands/cutkit.h"
#include "commands/ribseries.h"
#include "files/airfoilfile.h"
#include "files/seriesfiles.h"
#include "platform/fileio.h"
#include "platform/pageoutput.h"
#include "support/dxfsummary.h"
#include "support/projectlines.h"
#include "support/ribsetup.h"
#include "support/seriesrequest.h"
#include "support/testsupport.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Whether `p` lies inside the closed loop (even-odd rule).
inline bool LoopHolds(const std::vector<core::PointMm>& loop, core::PointMm p) {
  bool in = false;
  for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
    const core::PointMm &a = loop[i], &b = loop[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

struct Loop {
  std::vector<core::PointMm> points;
  double Area() const {
    double twice = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const core::PointMm &a = points[i], &b = points[(i + 1) % points.size()];
      twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
  }
  bool Holds(core::PointMm p) const { return LoopHolds(points, p); }
};

struct Text {
  std::string text;
  core::PointMm at;
};

// What an R12 file holds, by layer: polylines, circles and texts.
struct Drawing {
  std::map<std::string, std::vector<Loop>> loops;
  std::vector<std::pair<core::PointMm, double>> circles;
  std::vector<Text> texts;
};

inline Drawing Read(const std::string& path) {
  Drawing d;
  for (dxftest::Item& i : dxftest::Items(testsupport::ReadFile(path))) {
    if (i.Polyline()) d.loops[i.layer].push_back({std::move(i.points)});
    if (i.type == "CIRCLE") d.circles.emplace_back(i.points.at(0), i.radius);
    if (i.type == "TEXT") d.texts.push_back({i.text, i.points.at(0)});
  }
  return d;
}

// The area a part's outline encloses, less the circles inside it.
inline double PartArea(const Loop& outline, const Drawing& d) {
  double area = outline.Area();
  for (const auto& [centre, radius] : d.circles)
    if (outline.Holds(centre)) area -= kPi * radius * radius;
  return area;
}

// The pages go to a recording the test keeps.
class Forwarding : public platform::PageOutput {
 public:
  explicit Forwarding(platform::RecordingPageOutput& to) : to_(to) {}
  bool Begin(const platform::SheetPaper& paper, std::string& error) override { return to_.Begin(paper, error); }
  platform::DrawTarget& Sheet() override { return to_.Sheet(); }
  double SheetWidthMm() const override { return to_.SheetWidthMm(); }
  double SheetHeightMm() const override { return to_.SheetHeightMm(); }
  bool NewSheet(std::string& error) override { return to_.NewSheet(error); }
  bool End(std::string& error) override { return to_.End(error); }

 private:
  platform::RecordingPageOutput& to_;
};

// A PDF as the Qt output makes one: its bytes written through the common writer at the end.
class PdfAtEnd : public Forwarding {
 public:
  PdfAtEnd(platform::RecordingPageOutput& to, std::string path) : Forwarding(to), path_(std::move(path)) {}
  bool End(std::string& error) override {
    if (!Forwarding::End(error)) return false;
    const platform::FileOutcome written = platform::WriteFileAtomically(path_, "%PDF-1.4\n");
    if (!written.ok()) error = platform::WriteErrorInfo(written, path_).description;
    return written.ok();
  }

 private:
  std::string path_;
};

class CutKit : public ::testing::Test {
 protected:
  // Eight ribs from Clark Y at `rootChord` to SD7037 at `tipChord`, typed in `unit`.
  static void WriteSeries(const std::string& folder, const char* rootChord, const char* tipChord = "150",
                          const char* unit = " mm") {
    commands::SeriesRequest request = testsupport::SeriesRequestOf("clarky", "sd7037", "6", rootChord, tipChord, folder);
    request.unitText = unit;
    request.replace = true;
    ASSERT_EQ(commands::GenerateSeries(request).outcome, commands::SeriesOutcome::Written);
  }

  void SetUp() override {
    WriteSeries(series.path().string(), "240");
    summary = SummaryIn(series.path());
    // The template: sheeting and a round hole at 40 % of every chord.
    templateRib.rib.sheeting.mm = 1.5;
    templateRib.rib.holes[0].positionText = "40%";
    templateRib.rib.holes[0].size.mm = 6;
    templateRib.rib.holes[0].centred = 1;
    templateRib.rib.holes[0].shape = core::HoleShape::Round;
    templateRib.rib.holes.last = 0;
    settings.cut.format = output::CutFormat::DxfR12;
  }

  static std::string SummaryIn(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().extension() == ".txt") return entry.path().string();
    return {};
  }

  std::set<std::string> FilesIn(const std::filesystem::path& folder) const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
  }

  testsupport::SelfNamingTexts texts;
  testsupport::TempDir series, out;
  std::string summary;
  core::RibDocument templateRib;
  commands::KitSettings settings;
};

}  // namespace
