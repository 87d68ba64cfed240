// Every language text the program looks up. Notes say where a text appears and what the
// caller composes around it (texts lose their outer blanks, so callers add them).
#include "files/langkeys.h"

namespace files {

namespace {

constexpr LanguageKey kKeys[] = {
#define VANDRELL_NAMED_TEXT(name, section, key, use) {section, key, use},
#define VANDRELL_TEXT(section, key, use) {section, key, use},
#include "platform/textkeys_main.inc"
#include "platform/textkeys_windows.inc"
#undef VANDRELL_NAMED_TEXT
#undef VANDRELL_TEXT
};

}  // namespace

std::span<const LanguageKey> LanguageKeys() { return kKeys; }

}  // namespace files
