// `series` and `series2`: the rib series of the Tools menu, written exactly as the windows
// write them, with the checks in the windows' order.
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>

#include "cli.h"
#include "commands/ribseries.h"
#include "core/lengths.h"
#include "files/airfoilfile.h"
#include "platform/texts.h"

namespace cli {

namespace {


// Options each with exactly one argument (which may be empty); the rest are positional.
struct ParsedArgs {
  std::map<std::string, std::string> options;
  std::vector<std::string> positional;
};

std::optional<ParsedArgs> Parse(const std::vector<std::string>& args, const std::vector<std::string>& known) {
  ParsedArgs p;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 1 && a[0] == '-') {
      bool isKnown = false;
      for (const std::string& k : known) isKnown = isKnown || k == a;
      if (!isKnown || i + 1 >= args.size() || p.options.count(a)) {
        std::fprintf(stderr, "vandrell-cli: %s %s\n", a.c_str(),
                     !isKnown ? "is not an option of this command" : i + 1 >= args.size() ? "needs a value" : "given twice");
        return std::nullopt;
      }
      p.options[a] = args[++i];
    } else {
      p.positional.push_back(a);
    }
  }
  return p;
}

std::string Get(const ParsedArgs& p, const std::string& name, const std::string& fallback = std::string()) {
  auto it = p.options.find(name);
  return it == p.options.end() ? fallback : it->second;
}

bool OnlyOf(const std::string& text, const std::string& allowed) {
  return text.find_first_not_of(allowed) == std::string::npos;
}

// Comma-separated lengths; false when a value holds a character the boxes refuse.
bool SplitLengths(const std::string& text, const std::string& unitText, std::vector<std::string>& out) {
  out.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    out.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!OnlyOf(out.back(), core::LengthKeys(unitText))) return false;
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

struct LoadedAirfoil {
  bool ok = false;
  std::string message;
  core::SeriesOutline outline;
  std::string name;
};

LoadedAirfoil Load(const std::string& path) {
  LoadedAirfoil a;
  files::AirfoilData data;
  files::AirfoilReadResult r = files::ReadAirfoilFile(path, data);
  if (!r.ok()) {
    a.message = r.status == files::AirfoilReadStatus::Error ? platform::GeneralErrorText(r.error) : r.boxText;
    if (a.message.empty()) a.message = "vandrell-cli: cannot read " + path;
    return a;
  }
  if (data.pointCount < 5) {
    a.message = platform::Text("frmopen", "23") + "\n" + path;
    return a;
  }
  std::string ext;
  files::SplitAirfoilFileName(path, a.name, ext);
  a.outline = commands::OutlineOf(data);
  a.ok = true;
  return a;
}

int Refuse(const core::SeriesRefusal& r, const std::string& section, const std::string& detail = std::string()) {
  std::string text = platform::Text(section, r.key) + r.suffix;
  if (!detail.empty()) text += (text.empty() ? "" : "\n") + detail;
  return cli::Refuse(r.key, text);
}

// The command's synopsis, then what was wrong with the arguments.
template <class... Values>
int UsageProblem(bool spaced, const char* problem, Values... values) {
  const int rc = UsageError(spaced ? "series2" : "series");
  std::fprintf(stderr, problem, values...);
  return rc;
}

int RunSeries(const Options& options, core::RibDocument& s, bool spaced) {
  const char* section = spaced ? "FrmTraCevol2" : "FrmTraCevol";
  std::vector<std::string> known = {"--root-chord", "--tip-chord", "--ribs", "--rib-word", "--chord-label",
                                    "--summary-title-21", "--summary-title-22", "-o"};
  if (spaced) known.insert(known.end(), {"--root-tip-thickness", "--thickness", "--gaps"});
  const std::optional<ParsedArgs> parsed = Parse(options.args, known);
  if (!parsed || parsed->positional.size() != 2) {
    const int rc = UsageError(spaced ? "series2" : "series");
    if (parsed) std::fprintf(stderr, "vandrell-cli: %s takes ROOT.dat and TIP.dat\n", spaced ? "series2" : "series");
    return rc;
  }
  const ParsedArgs& p = *parsed;
  const std::string unitText = s.settings.unitText;
  for (const char* required : {"--root-chord", "--tip-chord", "--ribs", "-o"})
    if (!p.options.count(required)) {
      return UsageProblem(spaced, "vandrell-cli: %s is required\n", required);
    }
  if (spaced)
    for (const char* required : {"--root-tip-thickness", "--gaps"})
      if (!p.options.count(required)) {
        return UsageProblem(spaced, "vandrell-cli: %s is required\n", required);
      }
  const std::string ribs = Get(p, "--ribs");
  if (!OnlyOf(ribs, "1234567890")) {
    return UsageProblem(spaced, "vandrell-cli: --ribs takes a whole number, not \"%s\"\n", ribs.c_str());
  }
  for (const char* name : {"--root-chord", "--tip-chord", "--root-tip-thickness"})
    if (!OnlyOf(Get(p, name), core::LengthKeys(unitText))) {
      return UsageProblem(spaced, "vandrell-cli: %s takes a length in%s\n", name, unitText.c_str());
    }
  std::vector<std::string> thicknessTexts, gapTexts;
  if (spaced) {
    if ((p.options.count("--thickness") && !SplitLengths(Get(p, "--thickness"), unitText, thicknessTexts)) ||
        !SplitLengths(Get(p, "--gaps"), unitText, gapTexts)) {
      return UsageProblem(spaced, "vandrell-cli: --thickness and --gaps take lengths in%s separated by commas\n",
                   unitText.c_str());
    }
    if (!p.options.count("--thickness")) thicknessTexts.clear();
  }

  const LoadedAirfoil root = Load(p.positional[0]);
  const LoadedAirfoil tip = Load(p.positional[1]);

  core::SeriesEntries entries;
  entries.ribCount = ribs;
  entries.rootChord = Get(p, "--root-chord");
  entries.tipChord = Get(p, "--tip-chord");
  entries.unitText = unitText;
  entries.airfoilsLoaded = root.ok && tip.ok;
  entries.maxRibs = spaced ? core::kMaxSpacedRibs : core::kMaxEvenRibs;
  if (std::optional<core::SeriesRefusal> r = core::CheckSeriesEntries(entries))
    return Refuse(*r, section, r->key == "15" ? (root.ok ? tip.message : root.message) : std::string());
  const int n = static_cast<int>(core::RibCountFromText(ribs));

  core::SlotFloats thickness{}, gaps{};
  if (spaced) {
    if ((!thicknessTexts.empty() && static_cast<int>(thicknessTexts.size()) != n) ||
        static_cast<int>(gapTexts.size()) != n + 1) {
      return UsageProblem(spaced, "vandrell-cli: %d intermediate ribs take %d thicknesses and %d gaps\n", n, n, n + 1);
    }
    const float ends = core::LengthFromText(Get(p, "--root-tip-thickness"), unitText);
    thickness[0] = thickness[core::kTipSlot] = ends;
    for (int i = 1; i <= n; ++i)
      thickness[static_cast<std::size_t>(i)] =
          thicknessTexts.empty() ? ends : core::LengthFromText(thicknessTexts[static_cast<std::size_t>(i - 1)], unitText);
    for (int i = 1; i <= n + 1; ++i)
      gaps[static_cast<std::size_t>(i)] = core::LengthFromText(gapTexts[static_cast<std::size_t>(i - 1)], unitText);
    if (std::optional<core::SeriesRefusal> r = core::CheckSpacing(thickness, gaps, n)) return Refuse(*r, section);
  }

  const std::string folder = Get(p, "-o");
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::fprintf(stderr, "%s\n",
                 platform::GeneralErrorText({platform::kErrPathNotFound, "Path not found\n" + folder}).c_str());
    return 1;
  }

  commands::SeriesSetup setup;
  setup.root = root.outline;
  setup.tip = tip.outline;
  setup.rootName = root.name;
  setup.tipName = tip.name;
  setup.rootChordText = entries.rootChord;
  setup.tipChordText = entries.tipChord;
  setup.unitText = unitText;
  setup.folder = folder;
  setup.words.ribWord = Get(p, "--rib-word", "Rib");
  setup.words.chordLabel = Get(p, "--chord-label", "Chord");
  setup.words.summaryTitle = Get(p, "--summary-title-21", "Ribs");
  setup.words.summaryUnit = Get(p, "--summary-title-22", "Unit");
  const files::SeriesJob job =
      spaced ? commands::SpacedSeriesJob(setup, thickness, gaps, n) : commands::EvenSeriesJob(setup, n);
  // A batch command that fails writes nothing: all the files or none.
  const files::SeriesWriteResult result = files::WriteSeries(job, files::SeriesWriteMode::AllOrNothing);
  if (!result.ok) {
    platform::ErrorInfo error = result.error;
    error.description = commands::SeriesFailureDescription(result);
    std::fprintf(stderr, "%s\n", platform::GeneralErrorText(error).c_str());
    return 1;
  }
  if (spaced)
    std::printf("length: %s\n",
                commands::PanelLengthText(core::LayOutSpacedRibs(thickness, gaps, n).length, unitText).c_str());
  return 0;
}

}  // namespace

int Series(const Options& options, core::RibDocument& s) { return RunSeries(options, s, false); }
int Series2(const Options& options, core::RibDocument& s) { return RunSeries(options, s, true); }

}  // namespace cli
