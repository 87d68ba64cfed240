#include "commands/newrib.h"

#include "commands/startsettings.h"
#include "core/newrib.h"
#include "core/numformat.h"
#include "files/ini.h"
#include "files/settings.h"
#include "platform/texts.h"

namespace commands {

void ClearRibState(core::RibDocument& d) {
  core::ClearRib(d);
  files::WriteINIFile(files::kSectionInsertedText, files::kKeyTextSize, core::PlainNumberText(d.rib.caption.fontSize),
                      d.settings.iniFile);
  files::ReadDefaultSettings(d);
}

void NewRib(core::RibDocument& d) {
  ClearRibState(d);
  CheckAirfoilDirectories(d);
  d.project.windowTitle = platform::kProgramTitle;
  d.changes.Announce(core::Change::NewRib | core::Change::Setup | core::Change::Project);
}

}  // namespace commands
