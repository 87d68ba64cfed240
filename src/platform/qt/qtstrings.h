#pragma once
// The program's texts are UTF-8 std::strings; Qt's widgets want QStrings.
#include <QString>
#include <string>

#include "platform/texts.h"

namespace platform {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }
// A text of the language file as a widget shows it.
inline QString T(TextKey key) { return Q(Text(key)); }
// For a key taken from a table or worked out at run time.
inline QString T(const char* section, const char* key) { return Q(Text(section, key)); }

}  // namespace platform
