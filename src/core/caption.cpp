#include "core/caption.h"

#include "core/numformat.h"

namespace core {
namespace {

bool InclinedBoard(const RibDocument& s) { return s.rib.baseMode != BaseMode::None && s.rib.boardAngle != 0; }

const std::string& ChordWord(const CaptionWords& words, CaptionSource source) {
  return source == CaptionSource::TabDialog ? words.tabChord : words.chord;
}

// Which sign the angle takes: as both board windows show it (the stored angle negated), or
// as block captions of earlier versions wrote it (the stored angle).
enum class AngleSign { Shown, EarlierBlock };

// What stands before " : " in the caption.
std::string CaptionBeginning(const RibDocument& s, const CaptionWords& words, CaptionSource source,
                             AngleSign sign = AngleSign::Shown) {
  std::string text = s.airfoil.name + " ";
  if (InclinedBoard(s)) {
    const float angle = sign == AngleSign::Shown ? -s.rib.boardAngle : s.rib.boardAngle;
    text += words.inclined + " " + PlainNumberText(angle) + "\u00b0 ";
  }
  return text + ChordWord(words, source);
}

// A block caption of an earlier version, naming the angle with the other sign.
bool EarlierBlockCaption(const RibDocument& s) { return s.rib.baseMode == BaseMode::Blocks && InclinedBoard(s); }

}  // namespace

std::string AutomaticCaption(const RibDocument& s, const CaptionWords& words, CaptionSource source) {
  return CaptionBeginning(s, words, source) + " : " + s.rib.chord.text;
}

bool RecomposeCaption(RibDocument& s, const CaptionWords& words, CaptionSource source) {
  if (s.rib.caption.isUserText) return false;
  // An earlier block caption that still names this rib stays as written, so that a project
  // opened and saved again keeps its bytes; a change of the rib composes it anew.
  if (EarlierBlockCaption(s) &&
      s.rib.caption.text == CaptionBeginning(s, words, source, AngleSign::EarlierBlock) + " : " + s.rib.chord.text)
    return false;
  s.rib.caption.text = AutomaticCaption(s, words, source);
  return true;
}

namespace {
// Whether what stands before the first " :" of `text` is the beginning of an automatic caption.
bool HeadIsAutomatic(const RibDocument& s, const CaptionWords& words, std::size_t colon) {
  // The caption writes " : ": the part before the blank that precedes the colon.
  std::string head = s.rib.caption.text.substr(0, colon == 0 ? 0 : colon - 1);
  bool automatic = head == CaptionBeginning(s, words, CaptionSource::MainWindow);
  if (EarlierBlockCaption(s))
    automatic = automatic || head == CaptionBeginning(s, words, CaptionSource::MainWindow, AngleSign::EarlierBlock);
  // A caption the tab dialog composed is just as automatic.
  if (s.rib.baseMode == BaseMode::Tabs)
    automatic = automatic || head == CaptionBeginning(s, words, CaptionSource::TabDialog);
  return automatic;
}
}  // namespace

void RecogniseUserText(RibDocument& s, const CaptionWords& words) {
  std::size_t colon = s.rib.caption.text.find(':');
  if (colon == std::string::npos) return;
  s.rib.caption.isUserText = !HeadIsAutomatic(s, words, colon);
}

void RecogniseReadCaption(RibDocument& s, const CaptionWords& words) {
  const std::size_t colon = s.rib.caption.text.find(':');
  s.rib.caption.isUserText =
      !s.rib.caption.text.empty() && (colon == std::string::npos || !HeadIsAutomatic(s, words, colon));
}

}  // namespace core
