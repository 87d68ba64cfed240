#include "output/dxfcommand.h"

#include <filesystem>

#include "files/ini.h"
#include "output/dxfwriter.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace output {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string DxfDefaultFileName(const core::SharedState& s) {
  if (EndsWith(s.projectPath, "vdl")) {
    std::string name = std::filesystem::path(s.projectPath).filename().string();
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  }
  return s.airfoilName;
}

DxfCommandResult DxfCommand(core::SharedState& s) {
  if (s.inverted) {
    platform::Inform(platform::Text("filedxf", "1"), platform::kProgramTitle);
    return DxfCommandResult::RefusedInverted;
  }
  if (!s.airfoilLoaded) return DxfCommandResult::NoAirfoil;

  std::string folder = files::GetINIFile("Repertoires", "RepDxf", s.iniFile);
  if (folder.empty()) folder = s.seriesAirfoilDir;

  platform::FileDialogRequest request;
  request.title = platform::Text("filedxf", "2");
  request.filter = platform::Text("MainTolbar", "26") + " DXF (*.dxf)|*.dxf|";
  request.defaultExt = "dxf";
  request.initialDir = folder;
  request.fileName = DxfDefaultFileName(s);
  request.overwritePrompt = true;
  std::string path;
  if (!platform::CurrentFileDialogs().Save(request, path)) return DxfCommandResult::Cancelled;

  s.dxfPath = path;
  const std::string chosenFolder = std::filesystem::path(path).parent_path().string();
  s.iniWriteOk = files::WriteINIFile("Repertoires", "RepDxf", chosenFolder, s.iniFile);

  platform::ErrorInfo error;
  if (!WriteDxf(s, path, error)) {
    s.messageText = platform::ReportGeneralError(" Main/Mnu_DXF", error);
    return DxfCommandResult::Failed;
  }
  return DxfCommandResult::Written;
}

}  // namespace output
