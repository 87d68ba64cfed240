#pragma once
// Qt's own texts (the Yes and No of message boxes, the file dialogs) in the user's language.
#include <string>

namespace platform {

// Installs Qt's translation for a language code such as "fr" ("" or "en": Qt's own English).
// Returns false when no translation is installed for that code.
bool UseQtTranslations(const std::string& languageCode);

}  // namespace platform
