#include "settingswindows/airfoilpackoffer.h"

#include <filesystem>

#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "core/plaintext.h"

namespace settingswindows {

using platform::BoxAnswer;
using platform::BoxIcon;
using platform::Text;

std::string KaldrexProgramName() {
#ifdef _WIN32
  return "kaldrex.exe";
#else
  return "kaldrex";
#endif
}

void OfferAirfoilPack(const core::RibDocument& s) {
  const std::string offer = Text("FrmConfig", "2") + " \"Morvask\" Kaldrex.exe " + Text("FrmConfig", "3") + " " +
                            s.settings.airfoilDir;
  if (platform::AskYesNo(offer, Text("FrmConfig", "1"), BoxIcon::Exclamation, false) != BoxAnswer::Yes) {
    const std::string where = " '" + Text("FrmDefaut", "14") + "'";
    platform::Inform(Text("FrmConfig", "4") + where + "\r\n" + Text("FrmConfig", "41") + where,
                     platform::kProgramTitle, BoxIcon::Critical);
    return;
  }
  // The chooser opens where the pack's program is installed beside ours; a cancelled
  // chooser names no folder.
  std::string lastFolder = s.settings.programDir;
  std::string program;
  while (true) {
    std::string folder = lastFolder;
    if (!platform::CurrentFileDialogs().BrowseForFolder(Text("FrmConfig", "5") + " Kaldrex.exe", folder))
      folder.clear();
    else
      lastFolder = folder;
    platform::CurrentDesktop().SetBusy(true);
    const std::string dir = std::string(core::Trimmed(folder));
    std::error_code ec;
    if (!dir.empty()) {
      program = (std::filesystem::path(dir) / KaldrexProgramName()).string();
      if (std::filesystem::is_regular_file(program, ec)) break;
    }
    std::string question = !dir.empty() && dir.front() == 'A'
                               ? Text("FrmConfig", "6")
                               : Text("FrmConfig", "7") + " " + dir + " " + Text("FrmConfig", "8") + " Kaldrex.exe !";
    question += "\n" + Text("FrmConfig", "11");
    platform::CurrentDesktop().SetBusy(false);
    if (platform::AskYesNo(question, platform::kProgramTitle, BoxIcon::Question, false) != BoxAnswer::Yes) {
      platform::Inform(Text("FrmConfig", "9") + " : " + s.settings.airfoilDir, platform::kProgramTitle, BoxIcon::Critical);
      return;
    }
  }
  platform::CurrentDesktop().StartProgram(program, std::filesystem::path(program).parent_path().string());
  platform::Inform(Text("FrmConfig", "10"), platform::kProgramTitle, BoxIcon::Information);
  platform::CurrentDesktop().SetBusy(false);
}

}  // namespace settingswindows
