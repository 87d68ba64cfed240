#pragma once
// File, Export for cutting: the rib as parts to cut, in the format, kerf and marks the user
// chose (remembered in the per-user store), written where the user says.
#include <optional>
#include <string>

#include "core/ribdocument.h"
#include "output/cutwriter.h"
#include "platform/errorreport.h"

namespace commands {

// The widest kerf accepted: wider than any laser beam or router bit a rib is cut with.
inline constexpr double kMaxKerfMm = 10;

struct CutSettings {
  output::CutFormat format = output::CutFormat::DxfR2000;
  double kerfMm = 0;
  bool marks = false;
};

// Kept in the per-user store (section "Cut"); anything unreadable reads as the default.
CutSettings LoadCutSettings();
void StoreCutSettings(const CutSettings& settings);

// A kerf as typed, in millimetres, read as core::ReadNumber reads it; nothing negative.
std::optional<double> ReadKerf(const std::string& text);
// The kerf as the settings and the window show it: "0.15", "0".
std::string KerfText(double mm);
// The refusal of a kerf above kMaxKerfMm, in the user's language.
std::string KerfTooWideText();
// The refusal of a rib whose sheeting leaves nothing of it, in the user's language.
std::string NoRibLeftText();

// What the window's OK accepts: the kerf box empty (no kerf) or a width up to kMaxKerfMm.
// On a refusal `why` says why, in the user's language.
std::optional<CutSettings> SettingsFromWindow(output::CutFormat format, const std::string& kerfText, bool marks,
                                              std::string& why);

enum class CutFileKind { Dxf, Svg };
// By the file's extension, in any case; none for another one.
std::optional<CutFileKind> CutFileKindOf(const std::string& path);
const char* ExtensionOf(output::CutFormat format);  // "dxf" or "svg"
// The format as the remembered choices name it ("r12", "r2000", "svg"); anything else is R2000.
const char* StoredCutFormatName(output::CutFormat format);
output::CutFormat StoredCutFormat(const std::string& name);

enum class CutOutcome { Written, NoPart, NoRibLeft, Failed, Cancelled, NoAirfoil };
struct CutExportResult {
  CutOutcome outcome = CutOutcome::Failed;
  platform::ErrorInfo error;  // Failed
  std::string message;        // NoPart, NoRibLeft: why, in the user's language
  int holesLeftOut = 0;       // round holes narrower than the kerf
  std::string path;
};

// Builds the parts from the rib's construction and writes them atomically; tells nobody.
CutExportResult WriteCutParts(const core::RibDocument& document, const CutSettings& settings, const std::string& path);

// The menu's flow once the window has been answered: asks for the file through the save
// dialog (starting in the last folder used for cutting, else the DXF folder), writes it,
// and tells the user what went wrong or what was left out.
CutExportResult ExportForCutting(core::RibDocument& document, const CutSettings& settings);

}  // namespace commands
