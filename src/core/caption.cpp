#include "core/caption.h"

#include "core/numformat.h"
#include "platform/texts.h"

namespace core {
namespace {

bool InclinedBoard(const SharedState& s) { return s.baseMode != 0 && s.boardAngle != 0; }

std::string ChordWord(CaptionSource source) {
  return source == CaptionSource::TabDialog ? platform::Text("FrmTalon", "3") : platform::Text("FrmInsText", "6");
}

// What stands before " : " in the caption.
std::string CaptionBeginning(const SharedState& s, CaptionSource source) {
  std::string text = s.airfoilName + " ";
  if (InclinedBoard(s)) {
    float typedAngle = s.baseMode == 11 ? -s.boardAngle : s.boardAngle;
    text += platform::Text("FrmInsText", "7") + " " + PlainNumberText(typedAngle) + "\u00b0 ";
  }
  return text + ChordWord(source);
}

}  // namespace

std::string AutomaticCaption(const SharedState& s, CaptionSource source) {
  return CaptionBeginning(s, source) + " : " + s.chordText;
}

bool RecomposeCaption(SharedState& s, CaptionSource source) {
  if (s.annotationIsUser) return false;
  s.annotationText = AutomaticCaption(s, source);
  return true;
}

void RecogniseUserText(SharedState& s) {
  std::size_t colon = s.annotationText.find(':');
  if (colon == std::string::npos) return;
  // The caption writes " : ": the part before the blank that precedes the colon.
  std::string head = s.annotationText.substr(0, colon == 0 ? 0 : colon - 1);
  bool automatic = head == CaptionBeginning(s, CaptionSource::MainWindow);
  // A caption the tab dialog composed is just as automatic.
  if (s.baseMode == 11) automatic = automatic || head == CaptionBeginning(s, CaptionSource::TabDialog);
  s.annotationIsUser = !automatic;
}

}  // namespace core
