#include "ribwindows/textrules.h"

#include "core/numformat.h"
#include "files/ini.h"
#include "files/settings.h"

namespace ribwindows {

TextBoxes TextBoxesFromDocument(const core::RibDocument& d) {
  const core::InsertedText& c = d.rib.caption;
  return {c.text, c.x.text, c.y.text, c.fontSize};
}

const std::vector<std::string>& TextSizeEntries() {
  static const std::vector<std::string> entries = {"10", " 9", " 8", " 7", " 6", " 5"};
  return entries;
}

void ApplyInsertedText(core::RibDocument& d, const TextBoxes& boxes) {
  commands::ApplyEdit(d, commands::SetText{boxes});
}

bool SaveTextSize(const core::RibDocument& d) {
  return files::WriteINIFile(files::kSectionInsertedText, files::kKeyTextSize, core::PlainNumberText(d.rib.caption.fontSize),
                             d.settings.iniFile);
}

}  // namespace ribwindows
