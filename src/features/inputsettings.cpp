#include "features/inputsettings.h"

#include <algorithm>

#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace features {

using platform::Text;

namespace {
std::vector<DimensionFollower*>& Followers() {
  static std::vector<DimensionFollower*> followers;
  return followers;
}

void TellChord(const core::SharedState& s) {
  for (DimensionFollower* f : std::vector<DimensionFollower*>(Followers())) f->ChordChanged(s);
}
void TellSheeting(const core::SharedState& s) {
  for (DimensionFollower* f : std::vector<DimensionFollower*>(Followers())) f->SheetingChanged(s);
}
// An edge piece deeper than the chord is told (FrmInput/`messageKey`) and set to 0; its
// text stays as typed.
void StoreEdgeDepth(core::SharedState& s, const std::string& typed, std::string& text, float& depth,
                    const char* messageKey, const std::string& windowTitle) {
  text = typed;
  depth = core::LengthFromText(typed, s.unitText);
  if (depth > s.chord) {
    platform::Inform(Text("FrmInput", messageKey), windowTitle);
    depth = 0;
  }
  s.projectModified = true;
}
}  // namespace

void AddDimensionFollower(DimensionFollower* follower) { Followers().push_back(follower); }

void RemoveDimensionFollower(DimensionFollower* follower) {
  auto& f = Followers();
  f.erase(std::remove(f.begin(), f.end(), follower), f.end());
}

InputTexts InputWindowTexts(const core::SharedState& s) {
  struct Kind {
    const char* name;
    const char* promptKey;
    const char* titleKey;
  };
  static const Kind kinds[] = {{kInputChord, "1", "2"},
                               {kInputSheeting, "3", "4"},
                               {kInputLeadingEdge, "5", "6"},
                               {kInputTrailingEdge, "7", "8"},
                               {kInputMarks, "9", "10"}};
  InputTexts t;
  for (const Kind& k : kinds) {
    if (s.inputKind != k.name) continue;
    t.prompt = Text("FrmInput", k.promptKey);
    t.title = Text("FrmInput", k.titleKey);
    if (s.inputKind == kInputMarks) {
      t.boxText = std::to_string(s.markCount);
    } else {
      t.title += " " + s.unitText;
      if (s.inputKind == kInputChord) t.boxText = s.chordText;
      else if (s.inputKind == kInputSheeting) t.boxText = s.sheetingText;
      else if (s.inputKind == kInputLeadingEdge) t.boxText = s.leadingEdgeText;
      else t.boxText = s.trailingEdgeText;
    }
  }
  return t;
}

int InputHelpTopic(const std::string& inputKind) {
  return inputKind == kInputMarks || inputKind == "vril" ? 50 : 40;
}

std::string StoreInput(core::SharedState& s, const std::string& typed, const std::string& windowTitle) {
  std::string box = typed;
  const std::string& kind = s.inputKind;
  if (kind == kInputChord) {
    s.chordText = typed;
    s.chord = core::LengthFromText(typed, s.unitText);
    if (s.baseMode == 1) s.blockTotal = s.chord + s.blockLe + s.blockTe;
    TellChord(s);
    s.projectModified = !s.compareShown;
  } else if (kind == kInputSheeting) {
    s.sheetingText = typed;
    s.sheetingThickness = core::LengthFromText(typed, s.unitText);
    TellSheeting(s);
    s.projectModified = true;
  } else if (kind == kInputLeadingEdge) {
    StoreEdgeDepth(s, typed, s.leadingEdgeText, s.leadingEdgeDepth, "11", windowTitle);
    s.leadingEdgeStyle = 1;
  } else if (kind == kInputTrailingEdge) {
    StoreEdgeDepth(s, typed, s.trailingEdgeText, s.trailingEdgeDepth, "12", windowTitle);
  } else if (kind == kInputMarks) {
    if (core::ValPrefix(typed) > 255) {
      platform::Inform(Text("FrmInput", "13"), windowTitle);
      box = "255";
    }
    const long count = core::RoundHalfEven(core::ValPrefix(box));
    s.markCount = static_cast<std::uint8_t>(std::clamp(count, 0L, 255L));
    s.projectModified = true;
  }
  return box;
}

}  // namespace features
