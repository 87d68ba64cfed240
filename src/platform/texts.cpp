#include "platform/texts.h"

#include <utility>

namespace platform {
namespace {
TextLookup& CurrentLookup() {
  static TextLookup lookup;
  return lookup;
}
}  // namespace

void SetTextLookup(TextLookup lookup) { CurrentLookup() = std::move(lookup); }

std::string Text(std::string_view section, std::string_view key) {
  const TextLookup& lookup = CurrentLookup();
  return lookup ? lookup(section, key) : std::string();
}

std::string Text(TextKey key) { return Text(key.section, key.key); }

std::string MenuTitle(TextKey key) {
  std::string title = Text(key);
  std::erase(title, '&');
  while (!title.empty() && title.back() == '.') title.pop_back();
  return title;
}

}  // namespace platform
