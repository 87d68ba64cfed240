// vandrell-cli print: the sheets the print command sends to the printer, into one PDF.
#include <clocale>
#include <algorithm>
#include <cctype>
#include <cstdio>

#include <QGuiApplication>

#include "cli.h"
#include "commands/printcommand.h"
#include "core/lengths.h"
#include "core/pagetiling.h"
#include "paint_start.h"
#include "platform/qt/qtpageoutput.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace cli {

namespace {


bool EndsWithPdf(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".pdf";
}

struct PrintLengthOption {
  const char* name;
  core::Length core::PrintSetup::*field;
};
const PrintLengthOption kPrintLengths[] = {
    {"--overlap", &core::PrintSetup::overlap},
    {"--start", &core::PrintSetup::topMargin},
    {"--end", &core::PrintSetup::bottomMargin},
    {"--chordline", &core::PrintSetup::chordLineFromTop},
};

}  // namespace

int Print(const Options& options, core::RibDocument& document) {
  const std::optional<OptionValues> given = ReadCommandOptions(
      options.args, {"print", WithRibOptions({{"-o"}, {"--overlap"}, {"--start"}, {"--end"}, {"--chordline"},
                                              {"--paper"}, {"--no-extras", true}}),
                     {}});
  if (!given) return kUsageError;
  const std::string out = given->Value("-o");
  std::vector<std::pair<const PrintLengthOption*, std::string>> lengths;
  bool chordLineAuto = false;  // the place that holds the whole rib
  for (const PrintLengthOption& option : kPrintLengths) {
    if (!given->Has(option.name)) continue;
    const std::string text = given->Value(option.name);
    if (option.field == &core::PrintSetup::chordLineFromTop && text == "auto") {
      chordLineAuto = true;
      continue;
    }
    // As the page set-up's boxes take and read them.
    if (!LengthOptionText(text, document.settings.unitText)) {
      std::fprintf(stderr, "vandrell-cli: %s takes a length in%s, not \"%s\"\n", option.name,
                   document.settings.unitText.c_str(), text.c_str());
      return kUsageError;
    }
    lengths.emplace_back(&option, text);
  }
  const std::string paperText = given->Value("--paper");
  const bool paperGiven = given->Has("--paper");
  if (paperGiven && (paperText.empty() || paperText.size() > 1 || paperText[0] < '0' ||
                     paperText[0] >= '0' + core::kPaperCount)) {
    std::fprintf(stderr, "vandrell-cli: --paper takes an entry of the paper list, 0 to %d\n", core::kPaperCount - 1);
    return kUsageError;
  }
  const bool noExtras = given->Has("--no-extras");
  if (out.empty() || !EndsWithPdf(out)) return UsageError("print");
  Painting painting;

  if (int rc = LoadRibInput(*given, document)) return rc == kUsageError ? UsageError("print") : rc;
  for (const auto& [option, text] : lengths)
    document.print.*(option->field) = core::TypedLength(text, document.settings.unitText);
  if (paperGiven) document.print.paperIndex = static_cast<std::uint8_t>(paperText[0] - '0');

  commands::PrintRequest request;
  request.extras = !noExtras;
  platform::QtPageOutput pdf(out);
  const commands::PrintResult printed = commands::PrintSheets(document, request, pdf, chordLineAuto);
  if (printed.status == commands::PrintResult::Status::Refused) return Refuse(printed.refusal, printed.text);
  if (printed.cutOff) std::fprintf(stderr, "warning: cut-off: %s\n", platform::Text(keys::PrintCutOff).c_str());
  if (printed.status == commands::PrintResult::Status::Failed) {
    std::fprintf(stderr, "vandrell-cli: %s\n", printed.text.c_str());
    return kError;
  }
  SayRibWarnings(document);
  return kDone;
}

}  // namespace cli
