#include "commands/startsettings.h"

#include <filesystem>

#include "files/settings.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

using platform::Text;

void CheckAirfoilDirectories(const core::RibDocument& document) {
  const std::optional<files::DirectoryProblem> problem = files::AirfoilDirectoryProblem(document);
  if (!problem) return;
  const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
  // Alert B hints at the airfoil folder the user probably meant.
  const std::string afterDir = problem->missing ? " " : sep + "airfoils  " + sep + "...  ";
  const std::string text = Text(keys::AirfoilFolderAlertBefore) + " " + problem->dir + afterDir +
                           Text(keys::AirfoilFolderAlertAfter) + "\n\n" + Text(keys::AirfoilFolderAlertAdvice);
  platform::Inform(text, Text(keys::AirfoilFolderAlertTitle), platform::BoxIcon::Critical);
}

void StartSettings(core::RibDocument& document) {
  files::StartSettings(document);
  if (!document.settings.firstRun) CheckAirfoilDirectories(document);
}

}  // namespace commands
