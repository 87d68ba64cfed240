#pragma once
// The files of a cutting kit: one cut file per sheet (the parts as they lie on it, the
// sheet's outline on a layer of its own), a page per sheet for a printed check, and the
// list of which part is on which sheet.
#include <string>
#include <vector>

#include "core/cutpart.h"
#include "core/nesting.h"
#include "output/cutwriter.h"
#include "platform/drawtarget.h"

namespace output {

// "sheet-01.dxf", "sheet-12.svg": numbered from 1, two digits at least.
std::string KitSheetFileName(int sheetIndex, CutFormat format);
inline constexpr const char* kKitListName = "kit.txt";
inline constexpr const char* kKitPdfName = "kit.pdf";

std::string KitSheetText(const core::CutLayout& placed, core::SheetSize sheet, CutFormat format);

struct KitListPart {
  std::string name;    // as engraved
  std::string source;  // the rib's file name
  double chordMm = 0;
  int sheet = 0;       // from 0
  bool turned = false;
};
struct KitSummary {
  int ribs = 0;    // with their copies
  int copies = 1;  // of each rib
  std::vector<std::string> warnings;  // ribs cut into pieces, slivers left out
  core::SheetSize sheet;
  double gapMm = 0;
  double kerfMm = 0;
  int sheets = 0;
  double usedPercent = 0;
  CutFormat format = CutFormat::DxfR2000;
};
// Lines ended by CR LF: the kit's figures and warnings, then each sheet's file and its parts.
std::string KitListText(const std::vector<KitListPart>& parts, const KitSummary& summary);

// The sheet at true scale on a page (twips from its top-left corner), x along the page.
void DrawKitSheet(const core::CutLayout& placed, core::SheetSize sheet, platform::DrawTarget& page);

}  // namespace output
