#pragma once
// Language texts are looked up by section and key. The language layer installs the
// lookup at start-up; until then (and in tests that install none) every text is empty.
#include <functional>
#include <string>
#include <string_view>

namespace platform {

using TextLookup = std::function<std::string(std::string_view section, std::string_view key)>;

void SetTextLookup(TextLookup lookup);
std::string Text(std::string_view section, std::string_view key);
// A menu entry's words as a window's or message's title: no mnemonic "&", no trailing dots.
std::string MenuTitle(std::string_view section, std::string_view key);

// The program's title, used in message box titles and the general error report.
inline constexpr const char* kProgramTitle = "Vandrell";

}  // namespace platform
