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
std::string CaptionBeginning(const RibDocument& document, const CaptionWords& words, CaptionSource source,
                             AngleSign sign = AngleSign::Shown) {
  std::string text = document.airfoil.name + " ";
  if (InclinedBoard(document)) {
    const float angle = sign == AngleSign::Shown ? -document.rib.boardAngle : document.rib.boardAngle;
    text += words.inclined + " " + PlainNumberText(angle) + "\u00b0 ";
  }
  return text + ChordWord(words, source);
}

// A block caption of an earlier version, naming the angle with the other sign.
bool EarlierBlockCaption(const RibDocument& s) { return s.rib.baseMode == BaseMode::Blocks && InclinedBoard(s); }

}  // namespace

std::string AutomaticCaption(const RibDocument& document, const CaptionWords& words, CaptionSource source) {
  return CaptionBeginning(document, words, source) + " : " + document.rib.chord.text;
}

bool RecomposeCaption(RibDocument& document, const CaptionWords& words, CaptionSource source) {
  if (document.rib.caption.isUserText) return false;
  // An earlier block caption that still names this rib stays as written, so that a project
  // opened and saved again keeps its bytes; a change of the rib composes it anew.
  if (EarlierBlockCaption(document) &&
      document.rib.caption.text ==
          CaptionBeginning(document, words, source, AngleSign::EarlierBlock) + " : " + document.rib.chord.text)
    return false;
  document.rib.caption.text = AutomaticCaption(document, words, source);
  return true;
}

namespace {
// Whether what stands before the first " :" of `text` is the beginning of an automatic caption.
bool HeadIsAutomatic(const RibDocument& document, const CaptionWords& words, std::size_t colon) {
  // The caption writes " : ": the part before the blank that precedes the colon.
  std::string head = document.rib.caption.text.substr(0, colon == 0 ? 0 : colon - 1);
  bool automatic = head == CaptionBeginning(document, words, CaptionSource::MainWindow);
  if (EarlierBlockCaption(document))
    automatic =
        automatic || head == CaptionBeginning(document, words, CaptionSource::MainWindow, AngleSign::EarlierBlock);
  // A caption the tab dialog composed is just as automatic.
  if (document.rib.baseMode == BaseMode::Tabs)
    automatic = automatic || head == CaptionBeginning(document, words, CaptionSource::TabDialog);
  return automatic;
}
}  // namespace

void RecogniseUserText(RibDocument& document, const CaptionWords& words) {
  std::size_t colon = document.rib.caption.text.find(':');
  if (colon == std::string::npos) return;
  document.rib.caption.isUserText = !HeadIsAutomatic(document, words, colon);
}

void RecogniseReadCaption(RibDocument& document, const CaptionWords& words) {
  const std::size_t colon = document.rib.caption.text.find(':');
  document.rib.caption.isUserText =
      !document.rib.caption.text.empty() && (colon == std::string::npos || !HeadIsAutomatic(document, words, colon));
}

}  // namespace core
