#pragma once
// Language files: the text lookup behind platform::Text, the language chosen and its
// setting, and the list of languages beside the program.
//
// A language file is an INI file "<language>.lng" in the program directory; every caption,
// tool tip and message is its value for a section and key. Texts are read from the file at
// each lookup, so an edited file counts the next time a window loads; a missing file or key
// gives "".
#include <string>
#include <vector>

#include "core/ribdocument.h"

namespace files {

inline constexpr const char* kLanguageExtension = ".lng";
// The language of programs that cannot ask (the batch program) when none is set.
inline constexpr const char* kFallbackLanguage = "English";

// programDir/languageName.lng
std::string LanguageFilePath(const std::string& programDir, const std::string& languageName);

// Base names of the "*.lng" files of `dir`, sorted without regard to case so the chooser's
// order is the same on every system. Empty when the folder cannot be read.
std::vector<std::string> ListLanguages(const std::string& dir);

// Makes platform::Text read `document.settings.languageFile` (as it stands at each lookup).
// `document` must outlive the lookup: the program passes its one document; tests reset with
// platform::SetTextLookup({}).
void InstallLanguageLookup(const core::RibDocument& document);

// Records the lookups of the installed language lookup that gave no text, while alive, so
// that a window test can assert that every caption it loaded exists.
struct TextMiss {
  std::string section;
  std::string key;
  bool operator==(const TextMiss&) const = default;
};

class ScopedTextMisses {
 public:
  ScopedTextMisses();
  ~ScopedTextMisses();
  ScopedTextMisses(const ScopedTextMisses&) = delete;
  ScopedTextMisses& operator=(const ScopedTextMisses&) = delete;

  const std::vector<TextMiss>& misses() const { return misses_; }
  std::string Describe() const;  // "section/key, section/key", for test failure messages
  void Add(TextMiss miss);       // each section/key once

 private:
  std::vector<TextMiss> misses_;
  ScopedTextMisses* previous_;
};

// The choice of a language: languageName, languageFile, and INI Language/Langue.
void ChooseLanguage(core::RibDocument& document, const std::string& languageName);

// The language INI Language/Langue names; "" while none is chosen.
std::string LanguageSetting(const core::RibDocument& document);

// The help file beside the program: its edition in the language in force (by its
// LANGUAGE/Code, "fr" for vandrellF.html) where the program has one, else the English one.
inline constexpr const char* kEnglishHelpFile = "vandrellE.html";
std::string HelpFileInLanguage(const core::RibDocument& document);

// Batch programs: the language of INI Language/Langue when its file exists, else English;
// installs the lookup. Never asks.
void UseBatchLanguage(core::RibDocument& document);

}  // namespace files
