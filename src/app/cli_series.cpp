// `series` and `series2`: the rib series of the Tools menu, written exactly as the windows
// write them, with the checks in the windows' order.
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

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

// Lengths separated by `separator`; false when a value is not what the boxes take.
bool SplitLengths(const std::string& text, char separator, const std::string& unitText, std::vector<std::string>& out) {
  out.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (!out.back().empty() && !LengthOptionText(out.back(), unitText)) return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

struct LoadedAirfoil {
  std::optional<commands::SeriesAirfoil> airfoil;
  std::string message;  // why it could not be read
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
  if (files::TooFewPoints(data.pointCount)) {
    a.message = platform::Text("frmopen", "23") + "\n" + path;
    return a;
  }
  commands::SeriesAirfoil airfoil;
  std::string ext;
  files::SplitAirfoilFileName(path, airfoil.name, ext);
  airfoil.outline = std::move(data);
  a.airfoil = std::move(airfoil);
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
  const commands::SeriesKind kind = spaced ? commands::SeriesKind::Spaced : commands::SeriesKind::Even;
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
    if (!Get(p, name).empty() && !LengthOptionText(Get(p, name), unitText)) {
      return UsageProblem(spaced, "vandrell-cli: %s takes a length in%s\n", name, unitText.c_str());
    }
  commands::SeriesRequest request;
  request.kind = kind;
  if (spaced) {
    // The lists are separated by ";" when either holds one (the values may then have a
    // decimal comma), else by "," as before.
    const bool semicolons = (Get(p, "--thickness") + Get(p, "--gaps")).find(';') != std::string::npos;
    const char separator = semicolons ? ';' : ',';
    if ((p.options.count("--thickness") && !SplitLengths(Get(p, "--thickness"), separator, unitText, request.thickness)) ||
        !SplitLengths(Get(p, "--gaps"), separator, unitText, request.gaps)) {
      return UsageProblem(spaced, "vandrell-cli: --thickness and --gaps take lengths in%s separated by \";\" (or \",\")\n",
                   unitText.c_str());
    }
    request.endThickness = Get(p, "--root-tip-thickness");
  }

  const LoadedAirfoil root = Load(p.positional[0]);
  const LoadedAirfoil tip = Load(p.positional[1]);
  request.root = root.airfoil;
  request.tip = tip.airfoil;
  request.ribCount = ribs;
  request.rootChord = Get(p, "--root-chord");
  request.tipChord = Get(p, "--tip-chord");
  request.unitText = unitText;
  request.folder = Get(p, "-o");
  request.words.ribWord = Get(p, "--rib-word", "Rib");
  request.words.chordLabel = Get(p, "--chord-label", "Chord");
  request.words.summaryTitle = Get(p, "--summary-title-21", "Ribs");
  request.words.summaryUnit = Get(p, "--summary-title-22", "Unit");
  // The batch program replaces what is there, and writes all the files or none.
  request.replace = true;
  request.mode = files::SeriesWriteMode::AllOrNothing;

  const commands::SeriesResult result = commands::GenerateSeries(request);
  const char* section = commands::SeriesSection(kind);
  switch (result.outcome) {
    case commands::SeriesOutcome::Refused:
      return Refuse(result.refusal, section,
                    result.refusal.key == "15" ? (root.airfoil ? tip.message : root.message) : std::string());
    case commands::SeriesOutcome::TableMismatch: {
      const int n = result.intermediateCount;
      return UsageProblem(spaced, "vandrell-cli: %d intermediate ribs take %d thicknesses and %d gaps\n", n, n, n + 1);
    }
    case commands::SeriesOutcome::NoFolder:
      return WriteFailed(platform::WriteErrorInfo(result.folder, request.folder));
    case commands::SeriesOutcome::Written:
      if (spaced) std::printf("length: %s\n", commands::PanelLengthText(result.panelLengthMm, unitText).c_str());
      if (!result.existing.empty()) std::printf("replaced: %zu\n", result.existing.size());
      return kDone;
    default: {
      // A folder or a read-only file where a rib file goes is refused, as by the other commands.
      platform::ErrorInfo error = result.written.error;
      if (error.refusal.empty()) error.description = commands::SeriesFailureDescription(result.written, request.mode);
      return WriteFailed(error);
    }
  }
}

}  // namespace

int Series(const Options& options, core::RibDocument& s) { return RunSeries(options, s, false); }
int Series2(const Options& options, core::RibDocument& s) { return RunSeries(options, s, true); }

}  // namespace cli
