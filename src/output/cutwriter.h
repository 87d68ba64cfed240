#pragma once
// The cut parts as files a laser cutter's or a router's software reads: DXF R12 (closed
// POLYLINEs), DXF R2000 (closed LWPOLYLINEs) or SVG (one path per loop or circle). Always in
// millimetres; layers CUT (red), MARK (blue) and JIG (green), and SHEET (grey) on a sheet.
// The entities come in the order a laser takes them: the sheet's frame, the marks, then on
// each cut layer (CUT, then JIG) every opening before any outline, each list in the
// layout's order.
#include <string>

#include "core/cutpart.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"

namespace output {

enum class CutFormat { DxfR12, DxfR2000, Svg };

// The layer names and their colours (DXF colour numbers; SVG colours).
inline constexpr const char* kCutLayer = "CUT";
inline constexpr const char* kMarkLayer = "MARK";
inline constexpr const char* kJigLayer = "JIG";
inline constexpr const char* kSheetLayer = "SHEET";

// The sheet of material nested parts lie on: its outline goes on the layer SHEET, and the
// drawing is the sheet, its lower-left corner the origin, x along its length.
struct SheetFrame {
  double lengthMm = 0;
  double widthMm = 0;
};

std::string CutFileText(const core::CutLayout& layout, CutFormat format, const SheetFrame* sheet = nullptr);

// Writes atomically: an existing file is replaced whole or not at all. On failure `error`
// says why and nothing is written. A file marked read-only is refused ("read-only") unless
// `readOnly` says to replace it.
bool WriteCutFile(const core::CutLayout& layout, CutFormat format, const std::string& path, platform::ErrorInfo& error,
                  platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse);

}  // namespace output
