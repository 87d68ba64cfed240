// The rib that `dxf`, `render`, `print` and `cut` work on: an airfoil file with the
// settings' defaults or a project file, opened by the program's own commands, and the
// options typed as in the rib windows.
#include <cstdio>
#include <string>

#include "cli.h"
#include "commands/airfoilcommands.h"
#include "commands/projectcommands.h"
#include "commands/ribedit.h"
#include "commands/ribwarningtext.h"
#include "core/lengths.h"
#include "core/plaintext.h"
#include "core/ribwarnings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace cli {

namespace {

struct LengthOption {
  const char* name;
  commands::RibLength which;
};
// The chord first: an edge piece is judged against the chord given with it.
const LengthOption kLengthOptions[] = {
    {"--chord", commands::RibLength::Chord},
    {"--sheeting", commands::RibLength::Sheeting},
    {"--le", commands::RibLength::LeadingEdge},
    {"--te", commands::RibLength::TrailingEdge},
};

}  // namespace

int LoadRibInput(const OptionValues& options, core::RibDocument& document) {
  std::vector<std::pair<const LengthOption*, std::string>> lengths;
  for (const LengthOption& option : kLengthOptions) {
    const std::string text = options.Value(option.name);
    if (text.empty()) continue;
    if (!LengthOptionText(text, document.settings.unitText)) {
      std::fprintf(stderr, "vandrell-cli: %s takes a length in%s, not \"%s\"\n", option.name,
                   document.settings.unitText.c_str(), text.c_str());
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
    document.settings.airfoilDir = airfoilDir;
    document.settings.seriesAirfoilDir = airfoilDir;
  }
  // Opened as the program opens it, settings left as they are; an older project stays in
  // its layout (only opening it in the program, or resave, converts it).
  commands::ProjectOpening how;
  how.defaultsFromSettings = false;  // read at the start, with the unit given
  how.olderLayout = files::OlderLayout::Keep;
  const commands::OpenOutcome opened = core::EndsWithIgnoringCase(input, ".vdl")
                                           ? commands::OpenProjectFile(document, input, how)
                                           : commands::OpenAirfoilFile(document, input, commands::RecentFiles::Leave);
  if (int rc = ReportOpen(opened)) return rc;

  for (const auto& [option, text] : lengths)
    if (int rc = ApplyRibEdit(document,
                              commands::SetLength{option->which, core::TypedLength(text, document.settings.unitText)}))
      return rc;
  if (!marks.empty())
    if (int rc = ApplyRibEdit(document, commands::SetReferenceLines{marks})) return rc;
  // A project keeps its own upside-down flag; the option can only turn it on.
  if (inverted)
    if (int rc = ApplyRibEdit(document, commands::SetUpsideDown{true})) return rc;
  return RefuseUndrawableRib(document);
}

int ApplyRibEdit(core::RibDocument& document, const commands::RibEdit& edit) {
  const commands::EditOutcome outcome = commands::ApplyEdit(document, edit);
  std::vector<std::string> texts;
  for (const commands::EditMessage& message : outcome.messages) {
    const std::string text = commands::EditMessageText(message);
    // Without a language file the key still says which rule it was.
    texts.push_back(text.empty() ? message.section + "/" + message.key + message.words : text);
  }
  if (outcome.refused) return Refuse(outcome.refusalKey, texts.empty() ? outcome.refusalKey : texts.front());
  for (const std::string& text : texts) std::fprintf(stderr, "warning: %s\n", text.c_str());
  return kDone;
}

void SayRibWarnings(const core::RibDocument& document) {
  for (const core::RibWarningAt& warning : core::FindRibWarnings(document)) {
    std::string text = commands::RibWarningText(warning, document.settings.unitText);
    // The window's no-break space before the unit is a plain one here, for grep and sed.
    for (std::size_t at = text.find("\u00a0"); at != std::string::npos; at = text.find("\u00a0", at))
      text.replace(at, 2, " ");
    std::fprintf(stderr, "warning: %s\n", text.c_str());
  }
}

int RefuseUndrawableRib(const core::RibDocument& document) {
  if (core::EdgeWarning(document).what == core::RibWarning::None) return kDone;
  const std::string text = platform::Text(keys::EdgesLongerThanChord);
  return Refuse("edges-longer-than-chord",
                text.empty() ? "vandrell-cli: the edge pieces are longer than the chord" : text);
}

}  // namespace cli
