#include "ribwindows/inputsettings.h"

#include "commands/ribedit.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;


InputTexts InputWindowTexts(InputKind kind, const core::RibDocument& document) {
  struct Kind {
    InputKind kind;
    platform::TextKey promptKey;
    platform::TextKey titleKey;
  };
  static const Kind kinds[] = {{InputKind::Chord, keys::ChordPrompt, keys::ChordTitle},
                               {InputKind::Sheeting, keys::SheetingPrompt, keys::SheetingTitle},
                               {InputKind::LeadingEdge, keys::LeadingEdgePrompt, keys::LeadingEdgeTitle},
                               {InputKind::TrailingEdge, keys::TrailingEdgePrompt, keys::TrailingEdgeTitle},
                               {InputKind::ReferenceLines, keys::ReferenceLinesPrompt, keys::ReferenceLinesTitle}};
  InputTexts t;
  for (const Kind& k : kinds) {
    if (k.kind != kind) continue;
    t.prompt = Text(k.promptKey);
    t.title = Text(k.titleKey);
  }
  switch (kind) {
    case InputKind::ReferenceLines: t.boxText = std::to_string(document.rib.markCount); return t;
    case InputKind::Chord: t.boxText = document.rib.chord.text; break;
    case InputKind::Sheeting: t.boxText = document.rib.sheeting.text; break;
    case InputKind::LeadingEdge: t.boxText = document.rib.leadingEdge.text; break;
    case InputKind::TrailingEdge: t.boxText = document.rib.trailingEdge.text; break;
  }
  t.title += document.settings.unitText;  // " mm": the unit brings its blank
  return t;
}

int InputHelpTopic(InputKind kind) { return kind == InputKind::ReferenceLines ? 50 : 40; }

StoredInput StoreInput(core::RibDocument& document, InputKind kind, const std::string& typed,
                       const std::string& windowTitle) {
  // The window says it beside the box; nothing is stored until the text reads.
  if (kind != InputKind::ReferenceLines && UnreadableLength(typed, document.settings.unitText))
    return {typed, {}, true};
  const commands::RibLength lengths[] = {commands::RibLength::Chord, commands::RibLength::Sheeting,
                                         commands::RibLength::LeadingEdge, commands::RibLength::TrailingEdge};
  const commands::RibEdit edit =
      kind == InputKind::ReferenceLines
          ? commands::RibEdit(commands::SetReferenceLines{typed})
          : commands::RibEdit(
                commands::SetLength{lengths[static_cast<int>(kind)], LengthFromBox(typed, document.settings.unitText)});
  const commands::EditOutcome outcome = commands::ApplyEdit(document, edit);
  for (const commands::EditMessage& message : outcome.messages)
    platform::Inform(commands::EditMessageText(message), windowTitle);
  // A value told and corrected shows as stored.
  const bool corrected = !outcome.refused && !outcome.messages.empty();
  const std::string shown = corrected ? InputWindowTexts(kind, document).boxText : typed;
  return {shown, outcome.changed, outcome.refused};
}

}  // namespace ribwindows
