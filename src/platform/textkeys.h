#pragma once
// The language texts the code looks up by name, e.g. Text(keys::ChordLabel). The lines of
// textkeys_*.inc are the one inventory of texts: they make these names here and the table
// of every text with its use in files/langkeys.cpp, which the language files are checked
// against. A new text is a new line there and a text in every file in lang/.
#include "platform/texts.h"

namespace keys {

#define VANDRELL_NAMED_TEXT(name, section, key, use) inline constexpr platform::TextKey name{section, key};
#define VANDRELL_TEXT(section, key, use)
#include "platform/textkeys_main.inc"
#include "platform/textkeys_windows.inc"
#undef VANDRELL_NAMED_TEXT
#undef VANDRELL_TEXT

}  // namespace keys
