#include "commands/newrib.h"

#include "commands/ribedit.h"
#include "commands/startsettings.h"
#include "core/newrib.h"
#include "core/numformat.h"
#include "files/ini.h"
#include "files/settings.h"

namespace commands {

void ClearRibState(core::RibDocument& document) {
  core::ClearRib(document);
  files::WriteINIFile(files::kSectionInsertedText, files::kKeyTextSize,
                      core::PlainNumberText(document.rib.caption.fontSize), document.settings.iniFile);
  files::ReadDefaultSettings(document);
}

void NewRib(core::RibDocument& document) {
  ApplyEdit(document, ClearRib{});
  CheckAirfoilDirectories(document);
}

}  // namespace commands
