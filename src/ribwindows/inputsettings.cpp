#include "ribwindows/inputsettings.h"

#include <algorithm>

#include "core/lengths.h"
#include "core/numformat.h"
#include "core/settle.h"
#include "files/captions.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;

namespace {

// An edge piece deeper than the chord is told (FrmInput/`messageKey`) and set to 0; its
// text stays as typed.
void StoreEdgeDepth(core::RibDocument& d, const std::string& typed, core::Length& depth, const char* messageKey,
                    const std::string& windowTitle) {
  depth = LengthFromBox(typed, d.settings.unitText);
  if (depth.mm > d.rib.chord.mm) {
    platform::Inform(Text("FrmInput", messageKey), windowTitle);
    depth.mm = 0;
  }
  d.project.modified = true;
}

}  // namespace

InputTexts InputWindowTexts(InputKind kind, const core::RibDocument& d) {
  struct Kind {
    InputKind kind;
    const char* promptKey;
    const char* titleKey;
  };
  static const Kind kinds[] = {{InputKind::Chord, "1", "2"},
                               {InputKind::Sheeting, "3", "4"},
                               {InputKind::LeadingEdge, "5", "6"},
                               {InputKind::TrailingEdge, "7", "8"},
                               {InputKind::ReferenceLines, "9", "10"}};
  InputTexts t;
  for (const Kind& k : kinds) {
    if (k.kind != kind) continue;
    t.prompt = Text("FrmInput", k.promptKey);
    t.title = Text("FrmInput", k.titleKey);
  }
  switch (kind) {
    case InputKind::ReferenceLines: t.boxText = std::to_string(d.rib.markCount); return t;
    case InputKind::Chord: t.boxText = d.rib.chord.text; break;
    case InputKind::Sheeting: t.boxText = d.rib.sheeting.text; break;
    case InputKind::LeadingEdge: t.boxText = d.rib.leadingEdge.text; break;
    case InputKind::TrailingEdge: t.boxText = d.rib.trailingEdge.text; break;
  }
  t.title += d.settings.unitText;  // " mm": the unit brings its blank
  return t;
}

int InputHelpTopic(InputKind kind) { return kind == InputKind::ReferenceLines ? 50 : 40; }

StoredInput StoreInput(core::RibDocument& d, InputKind kind, const std::string& typed, const std::string& windowTitle) {
  StoredInput out{typed, core::Change::Setup};
  // The window says it beside the box; nothing is stored until the text reads.
  if (kind != InputKind::ReferenceLines && UnreadableLength(typed, d.settings.unitText)) return {typed, {}, true};
  switch (kind) {
    case InputKind::Chord: {
      const core::Length chord = LengthFromBox(typed, d.settings.unitText);
      // Nothing can be drawn on a chord of 0, and the view would silently go blank.
      if (!(chord.mm > 0)) {
        platform::Inform(Text("FrmInput", "14"), windowTitle);
        return {typed, {}, true};
      }
      d.rib.chord = chord;
      d.project.modified = !d.view.compareShown;
      out.changed = core::Change::Setup | core::Change::Chord;
      break;
    }
    case InputKind::Sheeting:
      d.rib.sheeting = LengthFromBox(typed, d.settings.unitText);
      d.project.modified = true;
      out.changed = core::Change::Setup | core::Change::Sheeting;
      break;
    case InputKind::LeadingEdge:
      StoreEdgeDepth(d, typed, d.rib.leadingEdge, "11", windowTitle);
      d.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Plain;
      break;
    case InputKind::TrailingEdge:
      StoreEdgeDepth(d, typed, d.rib.trailingEdge, "12", windowTitle);
      break;
    case InputKind::ReferenceLines: {
      if (core::LeadingNumber(typed) > 255) {
        platform::Inform(Text("FrmInput", "13"), windowTitle);
        out.boxText = "255";
      }
      const long count = core::RoundHalfEven(core::LeadingNumber(out.boxText));
      d.rib.markCount = static_cast<std::uint8_t>(std::clamp(count, 0L, 255L));
      d.project.modified = true;
      break;
    }
  }
  core::Settle(d, out.changed, files::CaptionWordsInLanguage());
  return out;
}

}  // namespace ribwindows
