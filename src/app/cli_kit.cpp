// `kit`: the ribs of a panel as a cutting kit, nested on sheets of material.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "cli.h"
#include "cli_kit.h"
#include "commands/cutkit.h"
#include "commands/kitchoices.h"
#include "core/lengths.h"
#include "core/newrib.h"
#include "core/numformat.h"
#include "commands/projectcommands.h"

namespace cli {

namespace {

const CommandOptions kKitOptions{"kit",
                                 {{"-o", false, true},
                                  {"--template"},
                                  {"--chord"},
                                  {"--sheeting"},
                                  {"--le"},
                                  {"--te"},
                                  {"--marks"},
                                  {"--sheet"},
                                  {"--gap"},
                                  {"--kerf"},
                                  {"--engrave"},
                                  {"--caption"},
                                  {"--names"},
                                  {"--format"},
                                  {"--dxf"},
                                  {"--copies"},
                                  {"--prefix"},
                                  {"--thickness"},
                                  {"--paper"}},
                                 {1, kManyFiles, "", ""}};

int KitProblem(const std::string& problem) { return UsageProblem("kit", problem); }

// A positive number of millimetres: digits and one ".".
std::optional<double> Millimetres(const std::string& text, bool zeroAllowed) {
  std::optional<double> mm = commands::ReadKerf(text);
  if (!mm || (!zeroAllowed && *mm <= 0)) return std::nullopt;
  return mm;
}

// "100x1000": width across, length along the grain.
std::optional<core::SheetSize> ReadSheet(const std::string& text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  std::optional<double> width = Millimetres(text.substr(0, x), false);
  std::optional<double> length = Millimetres(text.substr(x + 1), false);
  if (!width || !length) return std::nullopt;
  return core::SheetSize{*length, *width};
}

// The template: a project's set-up, opened as a project is but its airfoil not needed, and
// left in its layout; without one, the settings' defaults.
int LoadTemplate(const std::string& path, core::RibDocument& document) {
  commands::ProjectOpening how;
  how.defaultsFromSettings = false;  // read at the start, with the unit given
  how.olderLayout = files::OlderLayout::Keep;
  how.airfoilNeeded = false;
  return ReportOpen(commands::OpenProjectFile(document, path, how));
}

// "A,B": one prefix per panel, each letters, digits, "_" or "."; none on anything else.
std::vector<std::string> PanelPrefixes(const std::string& text) {
  std::vector<std::string> prefixes;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string prefix = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const bool fine = !prefix.empty() && std::all_of(prefix.begin(), prefix.end(), [](char c) {
      return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
    });
    if (!fine) return {};
    prefixes.push_back(prefix);
    if (comma == std::string::npos) return prefixes;
    start = comma + 1;
  }
}

struct RibLength {
  const char* name;
  commands::RibLength which;
};
const RibLength kRibLengths[] = {
    {"--sheeting", commands::RibLength::Sheeting},
    {"--le", commands::RibLength::LeadingEdge},
    {"--te", commands::RibLength::TrailingEdge},
};

// A choice between two words: whether it is the first.
std::optional<bool> ReadChoice(const OptionValues& options, const std::string& name, const char* yes, const char* no,
                               const char* fallback) {
  const std::string word = options.Value(name, fallback);
  if (word != yes && word != no) {
    KitProblem(name + " takes " + yes + " or " + no + ", not \"" + word + "\"");
    return std::nullopt;
  }
  return word == yes;
}

// How the kit is cut, named and laid out: kDone, or kUsageError (said) or kRefused.
int ReadKitSettings(const OptionValues& options, commands::KitSettings& settings, std::vector<std::string>& prefixes) {
  const std::optional<bool> dxf = ReadChoice(options, "--format", "dxf", "svg", "dxf");
  if (!dxf) return kUsageError;
  settings.cut.format = *dxf ? output::CutFormat::DxfR2000 : output::CutFormat::Svg;
  if (int rc = ReadCutOptions(options, "kit", settings.cut)) return rc;
  if (options.Has("--copies")) {
    const std::string copies = options.Value("--copies");
    if (copies.empty() || copies.find_first_not_of("0123456789") != std::string::npos || copies.size() > 2 ||
        core::LeadingNumber(copies) < 1)
      return KitProblem("--copies takes a whole number from 1 to " + std::to_string(commands::kMostKitCopies) +
                        ", not \"" + copies + "\"");
    settings.copies = static_cast<int>(core::LeadingNumber(copies));
  }
  if (options.Has("--prefix")) {
    prefixes = PanelPrefixes(options.Value("--prefix"));
    if (prefixes.empty())
      return KitProblem("--prefix takes a name for each panel, as A,B, not \"" + options.Value("--prefix") + "\"");
  }
  const std::optional<bool> caption = ReadChoice(options, "--caption", "yes", "no", "no");
  const std::optional<bool> text = caption ? ReadChoice(options, "--names", "text", "lines", "text") : std::nullopt;
  if (!text) return kUsageError;
  settings.caption = *caption;
  settings.strokedNames = !*text;
  if (options.Has("--sheet")) {
    std::optional<core::SheetSize> sheet = ReadSheet(options.Value("--sheet"));
    if (!sheet) return KitProblem("--sheet takes WIDTHxLENGTH in millimetres, as 100x1000");
    settings.sheet = *sheet;
  }
  if (options.Has("--gap")) {
    std::optional<double> gap = Millimetres(options.Value("--gap"), true);
    if (!gap) return KitProblem("--gap takes a width in millimetres, not \"" + options.Value("--gap") + "\"");
    settings.gapMm = *gap;
  }
  if (options.Has("--thickness")) {
    std::optional<double> thickness = Millimetres(options.Value("--thickness"), false);
    if (!thickness)
      return KitProblem("--thickness takes a thickness in millimetres, not \"" + options.Value("--thickness") + "\"");
    settings.thicknessMm = *thickness;
  }
  if (options.Has("--paper")) {  // else the settings' own paper
    const std::optional<bool> a4 = ReadChoice(options, "--paper", "a4", "letter", "a4");
    if (!a4) return kUsageError;
    settings.check.paperIndex = *a4 ? 0 : 1;
  }
  return kDone;
}

// The rib's lengths as typed, checked before anything is read.
int CheckRibOptions(const OptionValues& options, const std::string& unit) {
  for (const RibLength& option : kRibLengths)
    if (options.Has(option.name) && !LengthOptionText(options.Value(option.name), unit))
      return KitProblem(std::string(option.name) + " takes a length in" + unit + ", not \"" +
                        options.Value(option.name) + "\"");
  const std::string chord = options.Value("--chord");
  if (!chord.empty() && (!LengthOptionText(chord, unit) || !(core::LengthFromText(chord, unit) > 0)))
    return KitProblem("--chord takes a length in" + unit + ", not \"" + chord + "\"");
  const std::string marks = options.Value("--marks");
  if (!marks.empty() && marks.find_first_not_of("0123456789") != std::string::npos)
    return KitProblem("--marks takes a whole number, not \"" + marks + "\"");
  return kDone;
}

}  // namespace

int Kit(const Options& options, core::RibDocument& document, const commands::KitPdfOutput& pdf) {
  const std::optional<OptionValues> given = ReadCommandOptions(options.args, kKitOptions);
  if (!given) return kUsageError;
  const std::string out = given->Value("-o");
  if (out.empty()) return UsageError("kit");
  commands::KitSettings settings;
  settings.check = document.print;
  std::vector<std::string> prefixes;
  if (int rc = ReadKitSettings(*given, settings, prefixes)) return rc;
  const std::string& unit = document.settings.unitText;
  if (int rc = CheckRibOptions(*given, unit)) return rc;
  const std::string templatePath = given->Value("--template");
  const std::string chord = given->Value("--chord");
  const std::string marks = given->Value("--marks");
  std::vector<std::pair<const RibLength*, std::string>> lengths;
  for (const RibLength& option : kRibLengths)
    if (given->Has(option.name)) lengths.emplace_back(&option, given->Value(option.name));

  if (!templatePath.empty())
    if (int rc = LoadTemplate(templatePath, document)) return rc;
  // The template takes the options as the rib windows take them, the chord first so that
  // an edge piece is judged against it.
  if (!chord.empty())
    if (int rc =
            ApplyRibEdit(document, commands::SetLength{commands::RibLength::Chord, core::TypedLength(chord, unit)}))
      return rc;
  for (const auto& [option, text] : lengths)
    if (int rc = ApplyRibEdit(document, commands::SetLength{option->which, core::TypedLength(text, unit)})) return rc;
  if (!marks.empty())
    if (int rc = ApplyRibEdit(document, commands::SetReferenceLines{marks})) return rc;
  const double chordMm = document.rib.chord.mm;

  commands::KitRibList ribs = commands::KitRibsOf(given->files, chordMm, prefixes);
  if (ribs.refusal) return Refuse(ribs.refusal->key, ribs.refusal->message);
  const commands::KitPlan plan = commands::PlanKit(document, ribs.ribs, settings);
  if (plan.refusal) return Refuse(plan.refusal->key, plan.refusal->message);
  for (const std::string& line : commands::KitSplitLines(plan)) std::fprintf(stderr, "warning: %s\n", line.c_str());

  if (!pdf) std::fprintf(stderr, "vandrell-cli: kit.pdf needs the build with Qt; the sheets and the list are written\n");
  const commands::KitWriteResult written = commands::WriteKit(plan, settings, out, pdf);
  if (!written.ok) return WriteFailed(written.error);
  // An earlier, larger kit's sheets went with it.
  if (!written.removed.empty()) std::printf("removed: %zu\n", written.removed.size());
  std::printf("parts: %zu (%d ribs)\n", plan.parts.size(), plan.ribs);
  std::printf("sheets: %d\n", plan.sheets);
  std::printf("used: %.1f %%\n", plan.usedPercent);
  return kDone;
}

}  // namespace cli
