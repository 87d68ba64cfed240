#include "commands/dxfexport.h"

#include <filesystem>

#include "commands/outputfolder.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "output/dxfwriter.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/notices.h"
#include "platform/texts.h"

namespace commands {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string DxfDefaultFileName(const core::RibDocument& s) {
  if (EndsWith(s.project.path, "vdl")) {
    std::string name = std::filesystem::path(s.project.path).filename().string();
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  }
  return s.airfoil.name;
}

std::optional<std::string> DxfRefusal(const core::RibDocument& s) {
  if (!s.rib.upsideDown) return std::nullopt;
  return platform::Text("filedxf", "1");
}

DxfWriteResult WriteDxfFile(const core::RibDocument& s, const std::string& path, platform::ReadOnlyFiles readOnly) {
  DxfWriteResult result;
  if (std::optional<std::string> why = DxfRefusal(s)) {
    result.outcome = DxfCommandResult::RefusedInverted;
    result.refusal = *why;
    return result;
  }
  result.outcome =
      output::WriteDxf(s, path, result.error, readOnly) ? DxfCommandResult::Written : DxfCommandResult::Failed;
  return result;
}

DxfCommandResult ExportDxf(core::RibDocument& s) {
  if (std::optional<std::string> why = DxfRefusal(s)) {
    platform::Inform(*why, platform::kProgramTitle);
    return DxfCommandResult::RefusedInverted;
  }
  if (!s.airfoil.loaded) return DxfCommandResult::NoAirfoil;

  std::string folder = files::GetINIFile("Repertoires", "RepDxf", s.settings.iniFile);
  if (folder.empty()) folder = s.settings.seriesAirfoilDir;
  // Never the program's hidden data folder, where an installed program keeps its series.
  folder = ProposedOutputFolder(folder, s);

  platform::FileDialogRequest request;
  request.title = platform::Text("filedxf", "2");
  request.filter = platform::Text("MainTolbar", "26") + " DXF (*.dxf)|*.dxf|";
  request.defaultExt = "dxf";
  request.initialDir = folder;
  request.fileName = DxfDefaultFileName(s);
  request.overwritePrompt = true;
  std::string path;
  if (!platform::CurrentFileDialogs().Save(request, path)) return DxfCommandResult::Cancelled;

  s.project.dxfPath = path;
  // Stored as a folder: with its separator, as the other folder settings are.
  const std::string chosenFolder = files::FolderOf(path);
  files::WriteINIFile("Repertoires", "RepDxf", chosenFolder, s.settings.iniFile);

  DxfWriteResult written = WriteDxfFile(s, path);
  // A file the user marked read-only is replaced only on their word.
  if (written.outcome == DxfCommandResult::Failed && written.error.refusal == "read-only") {
    if (!platform::AskReplaceReadOnly(path, platform::kProgramTitle)) return DxfCommandResult::Cancelled;
    written = WriteDxfFile(s, path, platform::ReadOnlyFiles::Replace);
  }
  if (written.outcome == DxfCommandResult::Failed) platform::ReportGeneralError(" Main/Mnu_DXF", written.error);
  if (written.outcome == DxfCommandResult::Written) platform::TellWritten(path);
  return written.outcome;
}

}  // namespace commands
