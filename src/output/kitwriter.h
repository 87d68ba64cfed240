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
// The same sheets tiled over printer's paper, to check the parts at home.
inline constexpr const char* kKitCheckPdfName = "kit-check.pdf";

std::string KitSheetText(const core::CutLayout& placed, core::SheetSize sheet, CutFormat format);

struct KitListPart {
  std::string name;    // as engraved
  std::string rib;     // the rib it belongs to: R10 for R10a and for R10's jig
  bool jig = false;    // a block's jig, beside the rib's pieces
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
  double thicknessMm = 0;  // 0: not given
  double gapMm = 0;
  double kerfMm = 0;
  int sheets = 0;
  double usedPercent = 0;
  CutFormat format = CutFormat::DxfR2000;
};
// Lines ended by LF: the kit's figures and warnings; the materials, a line per sheet (its
// size, thickness and number of parts) and a line per rib (its copies and pieces); then each
// sheet's file and its parts.
std::string KitListText(const std::vector<KitListPart>& parts, const KitSummary& summary);

// The sheet at true scale on a page, x along the page, its left end and far edge at
// `cornerMm` from the page's top-left corner. A name sits on its base line by the metrics of
// the font the page really uses.
void DrawKitSheet(const core::CutLayout& placed, core::SheetSize sheet, platform::DrawTarget& page,
                  core::PointMm cornerMm = {});

}  // namespace output
