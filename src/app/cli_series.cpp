// `series` and `spaced-series`: the rib series of the Tools menu, written exactly as the windows
// write them, with the checks in the windows' order.
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include "cli.h"
#include "commands/ribseries.h"
#include "core/lengths.h"
#include "core/plaintext.h"
#include "files/airfoilfile.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace cli {

namespace {

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
  if (files::TooFewPoints(data.points.size())) {
    a.message = platform::Text(keys::TooFewPoints) + "\n" + path;
    return a;
  }
  commands::SeriesAirfoil airfoil;
  std::string ext;
  files::SplitAirfoilFileName(path, airfoil.name, ext);
  airfoil.outline = std::move(data);
  a.airfoil = std::move(airfoil);
  return a;
}

// The windows' checks name their message by its language key; the batch program by a word.
const char* RefusalWord(const std::string& languageKey) {
  static const std::pair<const char*, const char*> kWords[] = {
      {"16", "no-rib-count"},   {"12", "too-many-ribs"},      {"17", "no-root-chord"}, {"13", "chord-too-long"},
      {"18", "no-tip-chord"},   {"14", "root-chord-shorter"}, {"15", "airfoil"},       {"10", "zero-thickness-or-gap"}};
  for (const auto& [key, word] : kWords)
    if (languageKey == key) return word;
  return "series";
}

int Refuse(const core::SeriesRefusal& r, const std::string& section, const std::string& detail = std::string()) {
  std::string text = platform::Text(section, r.key) + r.suffix;
  if (!detail.empty()) text += (text.empty() ? "" : "\n") + detail;
  return cli::Refuse(RefusalWord(r.key), text);
}

CommandOptions SeriesOptions(const char* command, bool spaced) {
  std::vector<OptionEntry> table = {{"--root-chord", false, true},
                                   {"--tip-chord", false, true},
                                   {"--ribs", false, true},
                                   {"-o", false, true},
                                   {"--rib-word"},
                                   {"--chord-label"},
                                   {"--summary-title", false, false, "--summary-title-21"},
                                   {"--unit-word", false, false, "--summary-title-22"}};
  if (spaced) table.insert(table.end(), {{"--root-tip-thickness", false, true}, {"--gaps", false, true}, {"--thickness"}});
  const std::string files = std::string(command) + " takes ROOT.dat and TIP.dat";
  return {command, table, {2, 2, files, files}};
}

int RunSeries(const Options& options, core::RibDocument& document, bool spaced) {
  const commands::SeriesKind kind = spaced ? commands::SeriesKind::Spaced : commands::SeriesKind::Even;
  const char* command = spaced ? "spaced-series" : "series";
  const std::optional<OptionValues> given = ReadCommandOptions(options.args, SeriesOptions(command, spaced));
  if (!given) return kUsageError;
  const OptionValues& p = *given;
  const std::string unitText = document.settings.unitText;
  const std::string ribs = p.Value("--ribs");
  if (!OnlyOf(ribs, "1234567890"))
    return UsageProblem(command, "--ribs takes a whole number, not \"" + ribs + "\"");
  for (const char* name : {"--root-chord", "--tip-chord", "--root-tip-thickness"})
    if (!p.Value(name).empty() && !LengthOptionText(p.Value(name), unitText))
      return UsageProblem(command, std::string(name) + " takes a length in" + unitText);
  commands::SeriesRequest request;
  request.kind = kind;
  if (spaced) {
    // The lists are separated by ";" when either holds one (the values may then have a
    // decimal comma), else by "," as before.
    const bool semicolons = (p.Value("--thickness") + p.Value("--gaps")).find(';') != std::string::npos;
    const char separator = semicolons ? ';' : ',';
    if ((p.Has("--thickness") && !SplitLengths(p.Value("--thickness"), separator, unitText, request.thickness)) ||
        !SplitLengths(p.Value("--gaps"), separator, unitText, request.gaps))
      return UsageProblem(command, "--thickness and --gaps take lengths in" + unitText +
                                       " separated by \";\" (or \",\")");
    request.endThickness = p.Value("--root-tip-thickness");
  }

  const LoadedAirfoil root = Load(p.files[0]);
  const LoadedAirfoil tip = Load(p.files[1]);
  request.root = root.airfoil;
  request.tip = tip.airfoil;
  request.ribCount = ribs;
  request.rootChord = p.Value("--root-chord");
  request.tipChord = p.Value("--tip-chord");
  request.unitText = unitText;
  request.folder = p.Value("-o");
  request.words.ribWord = p.Value("--rib-word", "Rib");
  request.words.chordLabel = p.Value("--chord-label", "Chord");
  request.words.summaryTitle = p.Value("--summary-title", "Ribs");
  request.words.summaryUnit = p.Value("--unit-word", "Unit");
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
      return UsageProblem(command, core::CountOf(n, "intermediate rib takes ", "intermediate ribs take ") +
                                       core::CountOf(n, "thickness", "thicknesses") + " and " +
                                       core::CountOf(n + 1, "gap", "gaps"));
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

int Series(const Options& options, core::RibDocument& document) { return RunSeries(options, document, false); }
int SpacedSeries(const Options& options, core::RibDocument& document) { return RunSeries(options, document, true); }

}  // namespace cli
