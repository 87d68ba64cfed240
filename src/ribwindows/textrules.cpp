#include "ribwindows/textrules.h"

#include "core/numformat.h"
#include "files/ini.h"
#include "files/settings.h"

namespace ribwindows {

TextBoxes TextBoxesFromDocument(const core::RibDocument& document) {
  const core::InsertedText& c = document.rib.caption;
  return {c.text, c.x.text, c.y.text, c.fontSize};
}

const std::vector<std::string>& TextSizeEntries() {
  static const std::vector<std::string> entries = {"10", " 9", " 8", " 7", " 6", " 5"};
  return entries;
}

void ApplyInsertedText(core::RibDocument& document, const TextBoxes& boxes) {
  commands::ApplyEdit(document, commands::SetText{boxes});
}

bool SaveTextSize(const core::RibDocument& document) {
  return files::WriteINIFile(files::kSectionInsertedText, files::kKeyTextSize,
                             core::PlainNumberText(document.rib.caption.fontSize), document.settings.iniFile);
}

}  // namespace ribwindows
