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
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string DxfDefaultFileName(const core::RibDocument& document) {
  if (EndsWith(document.project.path, "vdl")) {
    std::string name = std::filesystem::path(document.project.path).filename().string();
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  }
  return document.airfoil.name;
}

std::optional<std::string> DxfRefusal(const core::RibDocument& document) {
  if (!document.rib.upsideDown) return std::nullopt;
  return platform::Text(keys::DxfUpsideDown);
}

DxfWriteResult WriteDxfFile(const core::RibDocument& document, const std::string& path,
                            platform::ReadOnlyFiles readOnly) {
  DxfWriteResult result;
  if (std::optional<std::string> why = DxfRefusal(document)) {
    result.outcome = DxfCommandResult::RefusedInverted;
    result.refusal = *why;
    return result;
  }
  result.outcome =
      output::WriteDxf(document, path, result.error, readOnly) ? DxfCommandResult::Written : DxfCommandResult::Failed;
  return result;
}

DxfCommandResult ExportDxf(core::RibDocument& document) {
  if (std::optional<std::string> why = DxfRefusal(document)) {
    platform::Inform(*why, platform::kProgramTitle);
    return DxfCommandResult::RefusedInverted;
  }
  if (!document.airfoil.loaded) return DxfCommandResult::NoAirfoil;

  std::string folder = files::GetINIFile("Repertoires", "RepDxf", document.settings.iniFile);
  if (folder.empty()) folder = document.settings.seriesAirfoilDir;
  // Never the program's hidden data folder, where an installed program keeps its series.
  folder = ProposedOutputFolder(folder, document);

  platform::FileDialogRequest request;
  request.title = platform::Text(keys::DxfSaveTitle);
  request.filter = platform::Text(keys::FilesWord) + " DXF (*.dxf)|*.dxf|";
  request.defaultExt = "dxf";
  request.initialDir = folder;
  request.fileName = DxfDefaultFileName(document);
  request.overwritePrompt = true;
  std::string path;
  if (!platform::CurrentFileDialogs().Save(request, path)) return DxfCommandResult::Cancelled;

  document.project.dxfPath = path;
  // Stored as a folder: with its separator, as the other folder settings are.
  const std::string chosenFolder = files::FolderOf(path);
  files::WriteINIFile("Repertoires", "RepDxf", chosenFolder, document.settings.iniFile);

  DxfWriteResult written = WriteDxfFile(document, path);
  // A file the user marked read-only is replaced only on their word.
  if (written.outcome == DxfCommandResult::Failed && written.error.refusal == "read-only") {
    if (!platform::AskReplaceReadOnly(path, platform::kProgramTitle)) return DxfCommandResult::Cancelled;
    written = WriteDxfFile(document, path, platform::ReadOnlyFiles::Replace);
  }
  if (written.outcome == DxfCommandResult::Failed) platform::ReportGeneralError(" Main/Mnu_DXF", written.error);
  if (written.outcome == DxfCommandResult::Written) platform::TellWritten(path);
  return written.outcome;
}

}  // namespace commands
