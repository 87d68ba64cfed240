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

// An option that is present takes one argument, possibly empty; absent gives nullopt.
bool TakePresentOption(std::vector<std::string>& args, const std::string& name, std::string& value, bool& missing) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return false;
  if (it + 1 == args.end()) {
    missing = true;
    args.erase(it);
    return false;
  }
  value = *(it + 1);
  args.erase(it, it + 2);
  return true;
}

}  // namespace

int Print(const Options& options, core::RibDocument& s) {
  std::vector<std::string> args = options.args;
  bool missing = false;
  std::string out;
  TakePresentOption(args, "-o", out, missing);
  std::vector<std::pair<const PrintLengthOption*, std::string>> lengths;
  bool chordLineAuto = false;  // the place that holds the whole rib
  for (const PrintLengthOption& option : kPrintLengths) {
    std::string text;
    if (!TakePresentOption(args, option.name, text, missing)) continue;
    if (option.field == &core::PrintSetup::chordLineFromTop && text == "auto") {
      chordLineAuto = true;
      continue;
    }
    // As the page set-up's boxes take and read them.
    if (!LengthOptionText(text, s.settings.unitText)) {
      std::fprintf(stderr, "vandrell-cli: %s takes a length in%s, not \"%s\"\n", option.name,
                   s.settings.unitText.c_str(), text.c_str());
      return kUsageError;
    }
    lengths.emplace_back(&option, text);
  }
  std::string paperText;
  const bool paperGiven = TakePresentOption(args, "--paper", paperText, missing);
  if (paperGiven && (paperText.empty() || paperText.size() > 1 || paperText[0] < '0' ||
                     paperText[0] >= '0' + core::kPaperCount)) {
    std::fprintf(stderr, "vandrell-cli: --paper takes an entry of the paper list, 0 to %d\n", core::kPaperCount - 1);
    return kUsageError;
  }
  const bool noExtras = TakeFlag(args, "--no-extras");
  if (missing || out.empty() || !EndsWithPdf(out) || args.empty()) {
    return UsageError("print");
  }
  Painting painting;

  if (int rc = LoadRibInput(args, s)) return rc == kUsageError ? UsageError("print") : rc;
  for (const auto& [option, text] : lengths) s.print.*(option->field) = core::TypedLength(text, s.settings.unitText);
  if (paperGiven) s.print.paperIndex = static_cast<std::uint8_t>(paperText[0] - '0');

  commands::PrintRequest request;
  request.extras = !noExtras;
  const core::PagePlan plan = commands::PlanFor(s, request);
  if (plan.problem == core::TilingProblem::NoRoom) {
    std::printf("refused: 22\n");
    std::fprintf(stderr, "%s\n", platform::Text("FrmPrint", "22").c_str());
    return 2;
  }
  if (plan.problem == core::TilingProblem::NeedsOverlap) {
    std::printf("refused: 24\n");
    std::fprintf(stderr, "%s %d\n", platform::Text("FrmPrint", "24").c_str(), plan.pageCount);
    return 2;
  }
  if (chordLineAuto) commands::PlaceChordLineToFit(s, commands::SheetFitFor(s, request));
  if (commands::SheetFitFor(s, request).cutOff)
    std::fprintf(stderr, "warning: cut-off: %s\n", platform::Text("FrmPrint", "16").c_str());
  platform::QtPageOutput pdf(out);
  std::string error;
  if (!commands::SendSheets(s, request, plan, pdf, error)) {
    std::fprintf(stderr, "vandrell-cli: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace cli
