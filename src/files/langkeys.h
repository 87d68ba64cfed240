#pragma once
// The inventory of every language text the program looks up: section, key and what the
// text is for, made from the lines of platform/textkeys_*.inc that also name the keys.
// Both shipped language files give a text for every entry and hold no other key (tested).
#include <span>
#include <string_view>

namespace files {

struct LanguageKey {
  std::string_view section;
  std::string_view key;
  std::string_view use;  // where the text appears, and what the caller puts around it
};

std::span<const LanguageKey> LanguageKeys();

}  // namespace files
