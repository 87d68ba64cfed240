#pragma once
// The inserted-text window's rules: the text, its place and size, and the recognition of
// a text of the user's own.
#include <string>
#include <vector>

#include "commands/ribedit.h"
#include "core/ribdocument.h"

namespace ribwindows {

using commands::TextBoxes;

TextBoxes TextBoxesFromDocument(const core::RibDocument& document);

// The entries of the size list, as the list shows them.
const std::vector<std::string>& TextSizeEntries();

// Apply through commands::ApplyEdit, announced: the text, whether it is the user's own
// (an automatic caption goes on following the chord and the board angle), its position
// and size. Line breaks become blanks; an empty text brings the automatic caption back.
void ApplyInsertedText(core::RibDocument& document, const TextBoxes& boxes);

// OK keeps the size as the next start's default (settings InsText/TailleFont).
bool SaveTextSize(const core::RibDocument& document);

}  // namespace ribwindows
