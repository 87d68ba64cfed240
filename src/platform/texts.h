#pragma once
// Language texts are looked up by section and key, named in platform/textkeys.h. The
// language layer installs the lookup at start-up; until then (and in tests that install
// none) every text is empty.
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Where a text stands in the language file.
struct TextKey {
  std::string_view section;
  std::string_view key;
};

using TextLookup = std::function<std::string(std::string_view section, std::string_view key)>;

void SetTextLookup(TextLookup lookup);
std::string Text(TextKey key);
// A key whose number is worked out at run time (a numbered entry of a list or menu).
std::string Text(std::string_view section, std::string_view key);
// A menu entry's words as a window's or message's title: no mnemonic "&", no trailing dots.
std::string MenuTitle(TextKey key);

// The program's title, used in message box titles and the general error report.
inline constexpr const char* kProgramTitle = "Vandrell";

}  // namespace platform
