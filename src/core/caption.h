#pragma once
// The automatic caption: the inserted text doubles as the rib's caption (airfoil, chord
// and, on an inclined board, the angle) until the user types a text of their own.
#include <string>

#include "core/ribdocument.h"

namespace core {

// Who composes: the tab dialog names the chord with its own word.
enum class CaptionSource { MainWindow, BlockDialog, TabDialog };

// The caption's words in the user's language.
struct CaptionWords {
  std::string chord;     // "Chord"
  std::string tabChord;  // the tab window's word for the chord
  std::string inclined;  // "inclined", before the board angle
};

// "<airfoil> <chord word> : <chord text>", or with tabs or blocks on an inclined board
// "<airfoil> <inclined word> <angle>° <chord word> : <chord text>". The angle is the one
// the tab and block windows show (the document stores it negated).
std::string AutomaticCaption(const RibDocument& document, const CaptionWords& words,
                             CaptionSource source = CaptionSource::MainWindow);

// Replaces annotationText by the automatic caption unless it is the user's own.
// Returns whether the text was replaced (the text window then shows it too).
bool RecomposeCaption(RibDocument& document, const CaptionWords& words,
                      CaptionSource source = CaptionSource::MainWindow);

// After the text window's Apply: the text is the user's own unless what stands before its
// first " :" is the beginning of an automatic caption. An empty text, or one without ":",
// leaves annotationIsUser as it was.
void RecogniseUserText(RibDocument& document, const CaptionWords& words);

// A caption read from a project file is the user's own unless it is empty or begins as an
// automatic caption does, so that a chord change does not replace "Rib 1".
void RecogniseReadCaption(RibDocument& document, const CaptionWords& words);

}  // namespace core
