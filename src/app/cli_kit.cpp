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
#include "files/projectfile.h"
#include "platform/fileio.h"

namespace cli {

namespace {

int KitUsage() { return UsageError("kit"); }

bool Has(const std::vector<std::string>& args, const std::string& name) {
  return std::find(args.begin(), args.end(), name) != args.end();
}

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

// The template: a project's set-up, its airfoil not needed; without one, the settings'
// defaults.
int LoadTemplate(const std::string& path, core::RibDocument& s) {
  const platform::ReadOutcome file = platform::ReadWholeFile(path);
  if (file.refused()) return Refuse(platform::RefusalName(file.problem), platform::RefusalText(file, path));
  if (!file.ok()) return Refuse("unreadable", platform::ReadErrorInfo(file, path).description);
  core::ClearRib(s);
  files::ProjectReadResult read = files::ReadProjectText(file.bytes, s);
  if (!read.ok) {
    std::printf("refused: project\n");
    std::fprintf(stderr, "%s\n", platform::GeneralErrorText(read.error).c_str());
    return kRefused;
  }
  return kDone;
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

}  // namespace

int Kit(const Options& options, core::RibDocument& s, const commands::KitPdfOutput& pdf) {
  std::vector<std::string> args = options.args;
  const bool hasOut = Has(args, "-o");
  const std::string out = TakeOption(args, "-o");
  const std::string templatePath = TakeOption(args, "--template");
  const std::string chord = TakeOption(args, "--chord");
  std::vector<std::pair<const RibLength*, std::string>> lengths;
  for (const RibLength& option : kRibLengths)
    if (Has(args, option.name)) lengths.emplace_back(&option, TakeOption(args, option.name));
  const std::string marks = TakeOption(args, "--marks");
  const bool hasSheet = Has(args, "--sheet"), hasGap = Has(args, "--gap"), hasKerf = Has(args, "--kerf");
  const std::string sheetText = TakeOption(args, "--sheet");
  const std::string gapText = TakeOption(args, "--gap");
  const std::string kerfText = TakeOption(args, "--kerf");
  const std::string engrave = Has(args, "--engrave") ? TakeOption(args, "--engrave") : "no";
  const std::string caption = Has(args, "--caption") ? TakeOption(args, "--caption") : "no";
  const std::string names = Has(args, "--names") ? TakeOption(args, "--names") : "text";
  const std::string format = Has(args, "--format") ? TakeOption(args, "--format") : "dxf";
  const bool hasDxf = Has(args, "--dxf");
  const std::string dxf = TakeOption(args, "--dxf");
  const bool hasCopies = Has(args, "--copies"), hasPrefix = Has(args, "--prefix");
  const std::string copies = TakeOption(args, "--copies");
  const std::string prefixText = TakeOption(args, "--prefix");
  if (!hasOut || out.empty() || args.empty()) return KitUsage();
  for (const std::string& a : args) {
    if (!a.empty() && a[0] == '-') {
      std::fprintf(stderr, "vandrell-cli: kit does not know %s, or it lacks its value\n", a.c_str());
      return KitUsage();
    }
  }

  commands::KitSettings settings;
  if (format != "dxf" && format != "svg") {
    std::fprintf(stderr, "vandrell-cli: --format takes dxf or svg, not \"%s\"\n", format.c_str());
    return KitUsage();
  }
  settings.cut.format = format == "svg" ? output::CutFormat::Svg : output::CutFormat::DxfR2000;
  if (hasDxf) {
    if (format != "dxf" || (dxf != "r12" && dxf != "r2000")) {
      std::fprintf(stderr, "vandrell-cli: --dxf takes r12 or r2000, with the DXF format\n");
      return KitUsage();
    }
    settings.cut.format = dxf == "r12" ? output::CutFormat::DxfR12 : output::CutFormat::DxfR2000;
  }
  if (hasCopies) {
    if (copies.empty() || copies.find_first_not_of("0123456789") != std::string::npos || copies.size() > 2 ||
        core::LeadingNumber(copies) < 1) {
      std::fprintf(stderr, "vandrell-cli: --copies takes a whole number from 1 to %d, not \"%s\"\n",
                   commands::kMostKitCopies, copies.c_str());
      return KitUsage();
    }
    settings.copies = static_cast<int>(core::LeadingNumber(copies));
  }
  std::vector<std::string> prefixes;
  if (hasPrefix) {
    prefixes = PanelPrefixes(prefixText);
    if (prefixes.empty()) {
      std::fprintf(stderr, "vandrell-cli: --prefix takes a name for each panel, as A,B, not \"%s\"\n", prefixText.c_str());
      return KitUsage();
    }
  }
  if (engrave != "yes" && engrave != "no") {
    std::fprintf(stderr, "vandrell-cli: --engrave takes yes or no, not \"%s\"\n", engrave.c_str());
    return KitUsage();
  }
  settings.cut.marks = engrave == "yes";
  if (caption != "yes" && caption != "no") {
    std::fprintf(stderr, "vandrell-cli: --caption takes yes or no, not \"%s\"\n", caption.c_str());
    return KitUsage();
  }
  settings.caption = caption == "yes";
  if (names != "text" && names != "lines") {
    std::fprintf(stderr, "vandrell-cli: --names takes text or lines, not \"%s\"\n", names.c_str());
    return KitUsage();
  }
  settings.strokedNames = names == "lines";
  if (hasSheet) {
    std::optional<core::SheetSize> sheet = ReadSheet(sheetText);
    if (!sheet) {
      std::fprintf(stderr, "vandrell-cli: --sheet takes WIDTHxLENGTH in millimetres, as 100x1000\n");
      return KitUsage();
    }
    settings.sheet = *sheet;
  }
  if (hasGap) {
    std::optional<double> gap = Millimetres(gapText, true);
    if (!gap) {
      std::fprintf(stderr, "vandrell-cli: --gap takes a width in millimetres, not \"%s\"\n", gapText.c_str());
      return KitUsage();
    }
    settings.gapMm = *gap;
  }
  if (hasKerf && !kerfText.empty()) {
    std::optional<double> kerf = commands::ReadKerf(kerfText);
    if (!kerf) {
      std::fprintf(stderr, "vandrell-cli: --kerf takes a width in millimetres, not \"%s\"\n", kerfText.c_str());
      return KitUsage();
    }
    if (*kerf > commands::kMaxKerfMm) return Refuse("kerf", commands::KerfTooWideText());
    settings.cut.kerfMm = *kerf;
  }
  const std::string& unit = s.settings.unitText;
  for (const auto& [option, text] : lengths) {
    if (!LengthOptionText(text, unit)) {
      std::fprintf(stderr, "vandrell-cli: %s takes a length in%s, not \"%s\"\n", option->name, unit.c_str(), text.c_str());
      return KitUsage();
    }
  }
  if (!chord.empty() && (!LengthOptionText(chord, unit) || !(core::LengthFromText(chord, unit) > 0))) {
    std::fprintf(stderr, "vandrell-cli: --chord takes a length in%s, not \"%s\"\n", unit.c_str(), chord.c_str());
    return KitUsage();
  }
  if (!marks.empty() && marks.find_first_not_of("0123456789") != std::string::npos) {
    std::fprintf(stderr, "vandrell-cli: --marks takes a whole number, not \"%s\"\n", marks.c_str());
    return KitUsage();
  }

  if (!templatePath.empty())
    if (int rc = LoadTemplate(templatePath, s)) return rc;
  // The template takes the options as the rib windows take them, the chord first so that
  // an edge piece is judged against it.
  if (!chord.empty())
    if (int rc = ApplyRibEdit(s, commands::SetLength{commands::RibLength::Chord, core::TypedLength(chord, unit)}))
      return rc;
  for (const auto& [option, text] : lengths)
    if (int rc = ApplyRibEdit(s, commands::SetLength{option->which, core::TypedLength(text, unit)})) return rc;
  if (!marks.empty())
    if (int rc = ApplyRibEdit(s, commands::SetReferenceLines{marks})) return rc;
  const double chordMm = s.rib.chord.mm;

  commands::KitRibList ribs = commands::KitRibsOf(args, chordMm, prefixes);
  if (ribs.refusal) return Refuse(ribs.refusal->key, ribs.refusal->message);
  const commands::KitPlan plan = commands::PlanKit(s, ribs.ribs, settings);
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
