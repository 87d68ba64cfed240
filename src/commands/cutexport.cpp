#include "commands/cutexport.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "commands/dxfexport.h"
#include "commands/outputfolder.h"
#include "core/cutpart.h"
#include "core/typednumber.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/notices.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "platform/userstore.h"

namespace commands {

namespace {

constexpr const char* kStoreSection = "Cut";

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::optional<double> ReadKerf(const std::string& text) {
  // As the boxes take a width: "0,2" is 0.2; nothing negative, no more than a box shows.
  if (text.size() > 16 || text.find_first_not_of(core::NumberKeys()) != std::string::npos) return std::nullopt;
  if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  const core::NumberReading r = core::ReadNumber(text);
  if (r.malformed) return std::nullopt;
  return r.value;
}

std::string KerfText(double mm) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, mm, std::chars_format::fixed, 3);
  if (ec != std::errc()) return "0";
  std::string text(buffer, end);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string KerfTooWideText() {
  std::string text = platform::Text(keys::CutKerfTooWide);
  if (text.empty()) text = "The kerf may be at most";
  return text + " " + KerfText(kMaxKerfMm) + " mm";
}

std::string NoRibLeftText() {
  std::string text = platform::Text(keys::CutSheetingLeavesNothing);
  if (text.empty()) text = "The sheeting is thicker than half the rib: nothing of the rib is left to cut.";
  return text;
}

std::optional<CutSettings> SettingsFromWindow(output::CutFormat format, const std::string& kerfText, bool marks,
                                              std::string& why) {
  CutSettings settings{format, 0, marks};
  if (kerfText.empty()) return settings;
  std::optional<double> kerf = ReadKerf(kerfText);
  if (!kerf) {
    why = platform::Text(keys::CutKerfNotNumber);
    if (why.empty()) why = "The kerf is a width in millimetres, for example 0.15.";
    return std::nullopt;
  }
  if (*kerf > kMaxKerfMm) {
    why = KerfTooWideText();
    return std::nullopt;
  }
  settings.kerfMm = *kerf;
  return settings;
}

CutSettings LoadCutSettings() {
  platform::UserStore& store = platform::CurrentUserStore();
  CutSettings settings;
  settings.format = StoredCutFormat(store.Get(kStoreSection, "Format"));
  if (std::optional<double> kerf = ReadKerf(store.Get(kStoreSection, "Kerf")); kerf && *kerf <= kMaxKerfMm)
    settings.kerfMm = *kerf;
  settings.marks = store.Get(kStoreSection, "Marks") == "1";
  return settings;
}

void StoreCutSettings(const CutSettings& settings) {
  platform::UserStore& store = platform::CurrentUserStore();
  store.Set(kStoreSection, "Format", StoredCutFormatName(settings.format));
  store.Set(kStoreSection, "Kerf", KerfText(settings.kerfMm));
  store.Set(kStoreSection, "Marks", settings.marks ? "1" : "0");
}

std::optional<CutFileKind> CutFileKindOf(const std::string& path) {
  const std::string lower = LowerCase(path);
  auto endsWith = [&lower](const char* end) {
    const std::string e(end);
    return lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0;
  };
  if (endsWith(".dxf")) return CutFileKind::Dxf;
  if (endsWith(".svg")) return CutFileKind::Svg;
  return std::nullopt;
}

const char* ExtensionOf(output::CutFormat format) { return format == output::CutFormat::Svg ? "svg" : "dxf"; }

namespace {

core::CutLayout LayoutFor(const core::RibDocument& s, const CutSettings& settings) {
  return core::BuildCutLayout(core::BuildCutConstruction(s), {std::min(settings.kerfMm, kMaxKerfMm), settings.marks});
}

CutExportResult NoPart() {
  CutExportResult result;
  result.outcome = CutOutcome::NoPart;
  result.message = platform::Text(keys::CutNoOutline);
  if (result.message.empty()) result.message = "The rib cannot be made into a part to cut: its outline does not close.";
  return result;
}

CutExportResult NoRibLeft() {
  CutExportResult result;
  result.outcome = CutOutcome::NoRibLeft;
  result.message = NoRibLeftText();
  return result;
}

CutExportResult Unformed(const core::CutLayout& layout) { return layout.noRibLeft ? NoRibLeft() : NoPart(); }

CutExportResult WriteLayout(const core::CutLayout& layout, const CutSettings& settings, const std::string& path,
                            platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse) {
  CutExportResult result;
  result.path = path;
  result.holesLeftOut = layout.holesTooSmallForKerf;
  if (!output::WriteCutFile(layout, settings.format, path, result.error, readOnly)) {
    result.outcome = CutOutcome::Failed;
    return result;
  }
  result.outcome = CutOutcome::Written;
  return result;
}

}  // namespace

CutExportResult WriteCutParts(const core::RibDocument& document, const CutSettings& settings, const std::string& path) {
  const core::CutLayout layout = LayoutFor(document, settings);
  if (!layout.ok) return Unformed(layout);
  return WriteLayout(layout, settings, path);
}

CutExportResult ExportForCutting(core::RibDocument& document, const CutSettings& settings) {
  CutExportResult result;
  if (!document.airfoil.loaded) {
    result.outcome = CutOutcome::NoAirfoil;
    return result;
  }
  // Said before the user is asked for a file that could not be written.
  const core::CutLayout layout = LayoutFor(document, settings);
  if (!layout.ok) {
    result = Unformed(layout);
    platform::Inform(result.message, platform::kProgramTitle, platform::BoxIcon::Exclamation);
    return result;
  }
  platform::UserStore& store = platform::CurrentUserStore();
  std::string folder = store.Get(kStoreSection, "Folder");
  if (folder.empty()) folder = files::GetINIFile("Repertoires", "RepDxf", document.settings.iniFile);
  folder = ProposedOutputFolder(folder, document);

  const bool svg = settings.format == output::CutFormat::Svg;
  platform::FileDialogRequest request;
  request.title = platform::Text(keys::CutSaveTitle);
  request.filter = platform::Text(keys::FilesWord) + (svg ? " SVG (*.svg)|*.svg|" : " DXF (*.dxf)|*.dxf|");
  request.defaultExt = ExtensionOf(settings.format);
  request.initialDir = folder;
  request.fileName = DxfDefaultFileName(document);
  request.overwritePrompt = true;
  std::string path;
  if (!platform::CurrentFileDialogs().Save(request, path)) {
    result.outcome = CutOutcome::Cancelled;
    return result;
  }
  store.Set(kStoreSection, "Folder", files::FolderOf(path));

  result = WriteLayout(layout, settings, path);
  // A file the user marked read-only is replaced only on their word.
  if (result.outcome == CutOutcome::Failed && result.error.refusal == "read-only") {
    if (!platform::AskReplaceReadOnly(path, platform::kProgramTitle)) {
      result.outcome = CutOutcome::Cancelled;
      return result;
    }
    result = WriteLayout(layout, settings, path, platform::ReadOnlyFiles::Replace);
  }
  switch (result.outcome) {
    case CutOutcome::Failed:
      platform::ReportGeneralError(" Main/Mnu_Cut", result.error);
      break;
    case CutOutcome::Written:
      platform::TellWritten(path);
      if (result.holesLeftOut > 0)
        platform::Inform(platform::Text(keys::CutHolesLeftOut) + " " + path, platform::kProgramTitle,
                         platform::BoxIcon::Exclamation);
      break;
    default: break;
  }
  return result;
}

const char* StoredCutFormatName(output::CutFormat format) {
  switch (format) {
    case output::CutFormat::DxfR12: return "r12";
    case output::CutFormat::DxfR2000: return "r2000";
    case output::CutFormat::Svg: return "svg";
  }
  return "r2000";
}

output::CutFormat StoredCutFormat(const std::string& name) {
  if (name == "r12") return output::CutFormat::DxfR12;
  if (name == "svg") return output::CutFormat::Svg;
  return output::CutFormat::DxfR2000;
}

}  // namespace commands
