#pragma once
// The rules of the one-value input window (chord, sheeting, edge-piece depths, reference
// lines): what it shows, which keys it takes, how it stores. Plain functions so they are
// tested without a screen.
#include <string>

#include "core/changes.h"
#include "core/ribdocument.h"

namespace ribwindows {

enum class InputKind { Chord, Sheeting, LeadingEdge, TrailingEdge, ReferenceLines };

struct InputTexts {
  std::string boxText;
  std::string prompt;
  std::string title;
};
// What the window shows for `kind`.
InputTexts InputWindowTexts(InputKind kind, const core::RibDocument& document);

// Help topic of the kind: 40 for the dimensions, 50 for the reference lines.
int InputHelpTopic(InputKind kind);

struct StoredInput {
  std::string boxText;    // what the box holds afterwards ("255" after a clamped count)
  core::Changes changed;  // what the document announced
  bool refused = false;   // nothing was stored: the window stays open for a correction
};

// Stores the typed text for `kind` (OK) through commands::ApplyEdit, which settles the
// document and announces what changed; what the edit refused or corrected is told in
// message boxes titled `windowTitle`.
StoredInput StoreInput(core::RibDocument& document, InputKind kind, const std::string& typed,
                       const std::string& windowTitle);

}  // namespace ribwindows
