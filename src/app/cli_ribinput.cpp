// The rib that `dxf`, `render`, `print` and `cut` work on: an airfoil file with the
// settings' defaults or a project file, opened by the program's own commands, and the
// options typed as in the rib windows.
#include <cctype>
#include <cmath>
#include <cstdio>

#include "cli.h"
#include "commands/airfoilcommands.h"
#include "commands/projectcommands.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/plaintext.h"
#include "core/settle.h"
#include "files/captions.h"
#include "platform/texts.h"

namespace cli {

namespace {

struct LengthOption {
  const char* name;
  core::Length core::RibSetup::*field;
};
const LengthOption kLengthOptions[] = {
    {"--chord", &core::RibSetup::chord},
    {"--sheeting", &core::RibSetup::sheeting},
    {"--le", &core::RibSetup::leadingEdge},
    {"--te", &core::RibSetup::trailingEdge},
};

}  // namespace

int LoadRibInput(const OptionValues& options, core::RibDocument& s) {
  std::vector<std::pair<const LengthOption*, std::string>> lengths;
  for (const LengthOption& option : kLengthOptions) {
    const std::string text = options.Value(option.name);
    if (text.empty()) continue;
    if (!LengthOptionText(text, s.settings.unitText)) {
      std::fprintf(stderr, "vandrell-cli: %s takes a length in%s, not \"%s\"\n", option.name, s.settings.unitText.c_str(),
                   text.c_str());
      return kUsageError;
    }
    lengths.emplace_back(&option, text);
  }
  const std::string marks = options.Value("--marks");
  if (!marks.empty() && marks.find_first_not_of("1234567890") != std::string::npos) {
    std::fprintf(stderr, "vandrell-cli: --marks takes a whole number, not \"%s\"\n", marks.c_str());
    return kUsageError;
  }
  const bool inverted = options.Has("--inverted");
  const std::string airfoilDir = options.Value("--airfoil-dir");
  if (options.files.size() != 1) return kUsageError;
  const std::string input = options.files[0];

  if (!airfoilDir.empty()) {
    s.settings.airfoilDir = airfoilDir;
    s.settings.seriesAirfoilDir = airfoilDir;
  }
  // Opened as the program opens it, settings left as they are; an older project stays in
  // its layout (only opening it in the program, or resave, converts it).
  commands::ProjectOpening how;
  how.defaultsFromSettings = false;  // read at the start, with the unit given
  how.olderLayout = files::OlderLayout::Keep;
  const commands::OpenOutcome opened = core::EndsWithIgnoringCase(input, ".vdl")
                                           ? commands::OpenProjectFile(s, input, how)
                                           : commands::OpenAirfoilFile(s, input, commands::RecentFiles::Leave);
  if (int rc = ReportOpen(opened)) return rc;

  core::Changes changed = core::Change::Setup;
  for (const auto& [option, text] : lengths) {
    s.rib.*(option->field) = core::TypedLength(text, s.settings.unitText);
    // Typing a leading-edge depth chooses the plain piece, as in the dialog.
    if (option->field == &core::RibSetup::leadingEdge) s.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Plain;
    if (option->field == &core::RibSetup::chord) changed = changed | core::Change::Chord;
    if (option->field == &core::RibSetup::sheeting) changed = changed | core::Change::Sheeting;
  }
  if (!marks.empty()) {
    const double n = core::LeadingNumber(marks);
    if (n > 255) {
      std::printf("refused: marks\n");
      std::fprintf(stderr, "vandrell-cli: at most 255 reference lines\n");
      return kRefused;
    }
    s.rib.markCount = static_cast<std::uint8_t>(n);
  }
  if (s.rib.leadingEdge.mm > s.rib.chord.mm || s.rib.trailingEdge.mm > s.rib.chord.mm ||
      s.rib.leadingEdge.mm + s.rib.trailingEdge.mm > s.rib.chord.mm) {
    std::printf("refused: edges-longer-than-chord\n");
    std::string text = platform::Text("FrmMainMessage", "13");
    std::fprintf(stderr, "%s\n", text.empty() ? "vandrell-cli: the edge pieces are longer than the chord" : text.c_str());
    return kRefused;
  }
  // A project keeps its own upside-down flag; the option can only turn it on.
  if (inverted) s.rib.upsideDown = true;
  // What follows from the options, as the windows work it out: the caption names the new
  // chord, the tab board follows chord and sheeting.
  core::Settle(s, changed, files::CaptionWordsInLanguage());
  return kDone;
}

}  // namespace cli
