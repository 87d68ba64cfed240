#include "files/language.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "files/ini.h"
#include "files/settings.h"
#include "platform/texts.h"
#include "core/plaintext.h"

namespace files {

namespace {

ScopedTextMisses*& ActiveMisses() {
  static ScopedTextMisses* active = nullptr;
  return active;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  const auto lower = [](char x, char y) { return core::AsciiLower(x) < core::AsciiLower(y); };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lower)) return false;
  return a < b;
}

// The help's editions other than English, by language code.
struct HelpEdition {
  const char* code;
  const char* file;
};
constexpr HelpEdition kHelpEditions[] = {{"fr", "vandrellF.html"}};

}  // namespace

std::string LanguageFilePath(const std::string& programDir, const std::string& languageName) {
  return (std::filesystem::path(programDir) / (languageName + kLanguageExtension)).string();
}

std::vector<std::string> ListLanguages(const std::string& dir) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const fs::path& path = it->path();
    // The file is opened again as name + ".lng", so only that exact extension is listed.
    if (path.extension() != kLanguageExtension) continue;
    std::string name = path.stem().string();
    if (!name.empty()) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

void InstallLanguageLookup(const core::RibDocument& document) {
  platform::SetTextLookup([&document](std::string_view section, std::string_view key) {
    std::string text = GetINIFile(section, key, document.settings.languageFile);
    if (text.empty() && ActiveMisses()) ActiveMisses()->Add({std::string(section), std::string(key)});
    return text;
  });
}

ScopedTextMisses::ScopedTextMisses() : previous_(ActiveMisses()) { ActiveMisses() = this; }

ScopedTextMisses::~ScopedTextMisses() { ActiveMisses() = previous_; }

void ScopedTextMisses::Add(TextMiss miss) {
  if (std::find(misses_.begin(), misses_.end(), miss) == misses_.end()) misses_.push_back(std::move(miss));
}

std::string ScopedTextMisses::Describe() const {
  std::string text;
  for (const TextMiss& m : misses_) {
    if (!text.empty()) text += ", ";
    text += m.section + "/" + m.key;
  }
  return text;
}

void ChooseLanguage(core::RibDocument& document, const std::string& languageName) {
  document.settings.languageName = languageName;
  document.settings.languageFile = LanguageFilePath(document.settings.programDir, languageName);
  WriteINIFile("Language", "Langue", languageName, document.settings.iniFile);
}

std::string LanguageSetting(const core::RibDocument& document) {
  return GetINIFile("Language", "Langue", document.settings.iniFile);
}

void UseBatchLanguage(core::RibDocument& document) {
  std::string name = LanguageSetting(document);
  if (name.empty() || !FileExists(LanguageFilePath(document.settings.programDir, name))) name = kFallbackLanguage;
  document.settings.languageName = name;
  document.settings.languageFile = LanguageFilePath(document.settings.programDir, name);
  InstallLanguageLookup(document);
}

std::string HelpFileInLanguage(const core::RibDocument& document) {
  const std::filesystem::path dir(document.settings.programDir);
  const std::string code = GetINIFile("LANGUAGE", "Code", document.settings.languageFile);
  for (const HelpEdition& edition : kHelpEditions)
    if (code == edition.code && FileExists((dir / edition.file).string())) return (dir / edition.file).string();
  return (dir / kEnglishHelpFile).string();
}

}  // namespace files
