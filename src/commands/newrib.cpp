#include "commands/newrib.h"

#include "commands/ribedit.h"
#include "commands/startsettings.h"
#include "core/newrib.h"
#include "core/numformat.h"
#include "files/ini.h"
#include "files/settings.h"

namespace commands {

void ClearRibState(core::RibDocument& d) {
  core::ClearRib(d);
  files::WriteINIFile(files::kSectionInsertedText, files::kKeyTextSize, core::PlainNumberText(d.rib.caption.fontSize),
                      d.settings.iniFile);
  files::ReadDefaultSettings(d);
}

void NewRib(core::RibDocument& d) {
  ApplyEdit(d, ClearRib{});
  CheckAirfoilDirectories(d);
}

}  // namespace commands
