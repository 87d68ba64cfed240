#include "ribwindows/textrules.h"

#include "core/caption.h"
#include "core/numformat.h"
#include "files/captions.h"
#include "files/ini.h"
#include "files/settings.h"
#include "ribwindows/boxreading.h"

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
  core::InsertedText& c = d.rib.caption;
  c.text = boxes.text;
  // The project file keeps the text on one line: a pasted line break must not split it.
  for (char& ch : c.text)
    if (ch == '\r' || ch == '\n') ch = ' ';
  if (c.text.empty()) {
    // An emptied box asks for the automatic caption back; position 0, 0 hides the text.
    c.isUserText = false;
    core::RecomposeCaption(d, files::CaptionWordsInLanguage());
  } else if (c.text.find(':') == std::string::npos) {
    // Every automatic caption has its " : ": a text without one is the user's, and must
    // not be replaced at the next chord change.
    c.isUserText = true;
  } else {
    core::RecogniseUserText(d, files::CaptionWordsInLanguage());
  }
  c.x = LengthFromBox(boxes.x, d.settings.unitText);
  c.y = LengthFromBox(boxes.y, d.settings.unitText);
  if (boxes.size > 0) c.fontSize = boxes.size;
  d.project.modified = true;
}

bool SaveTextSize(const core::RibDocument& d) {
  return files::WriteINIFile(files::kSectionInsertedText, files::kKeyTextSize, core::PlainNumberText(d.rib.caption.fontSize),
                             d.settings.iniFile);
}

}  // namespace ribwindows
