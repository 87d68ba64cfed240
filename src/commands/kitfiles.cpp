// Writing a cutting kit's files, all of them or none: the kit owns its folder, which the
// common writer replaces whole (platform::WriteOwnedFolder).
#include <algorithm>
#include <string>

#include "commands/cutkit.h"
#include "commands/kitchoices.h"
#include "core/pagetiling.h"
#include "output/kitwriter.h"
#include "platform/fileio.h"

namespace commands {

namespace {

bool DrawPdf(const KitSettings& settings, const std::vector<core::CutLayout>& sheets,
             platform::PageOutput& pdf, std::string& error) {
  platform::SheetPaper paper;
  paper.lengthMm = std::max(settings.sheet.lengthMm, settings.sheet.widthMm);
  paper.widthMm = std::min(settings.sheet.lengthMm, settings.sheet.widthMm);
  if (!pdf.Begin(paper, error)) return false;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (i > 0 && !pdf.NewSheet(error)) return false;
    output::DrawKitSheet(sheets[i], settings.sheet, pdf.Sheet());
  }
  return pdf.End(error);
}

// Each sheet over the printer's paper in tiles, as the rib print tiles a rib: the same
// margins, overlap and crosses, and a line under the tile naming its sheet and its place.
bool DrawCheck(const KitSettings& settings, const std::vector<core::CutLayout>& sheets, platform::PageOutput& pdf,
               std::string& error) {
  const core::PrintSetup& print = settings.check;
  const core::TileGrid grid = core::TileSheet(print, settings.sheet.lengthMm, settings.sheet.widthMm);
  if (grid.problem != core::TilingProblem::None) {
    error = "the page set-up leaves no room to tile the sheets";
    return false;
  }
  platform::SheetPaper paper;
  paper.code = grid.paper.code;
  paper.lengthMm = grid.paper.lengthMm;
  paper.widthMm = grid.paper.widthMm;
  if (!pdf.Begin(paper, error)) return false;
  constexpr double kLabelPoints = 10, kLabelGapMm = 3;
  for (std::size_t i = 0; i < sheets.size(); ++i)
    for (int row = 0; row < grid.rows.count; ++row)
      for (int column = 0; column < grid.columns.count; ++column) {
        if ((i > 0 || row > 0 || column > 0) && !pdf.NewSheet(error)) return false;
        platform::DrawTarget& page = pdf.Sheet();
        const core::CrossMm corner = core::TileOriginMm(print, grid, row, column);
        output::DrawKitSheet(sheets[i], settings.sheet, page, {corner.x, corner.y});
        for (const core::CrossMm& cross :
             core::TileCrosses(print, grid, row, column, settings.sheet.lengthMm, settings.sheet.widthMm))
          core::DrawCross(page, cross, {});
        page.Print(output::KitSheetFileName(static_cast<int>(i), settings.cut.format) + "   row " +
                       std::to_string(row + 1) + " / " + std::to_string(grid.rows.count) + "   column " +
                       std::to_string(column + 1) + " / " + std::to_string(grid.columns.count),
                   print.topMargin.mm, grid.paper.widthMm - print.bottomMargin.mm + kLabelGapMm,
                   {"Arial", kLabelPoints}, 0);
      }
  return pdf.End(error);
}

}  // namespace

KitWriteResult WriteKit(const KitPlan& plan, const KitSettings& settings, const std::string& folder,
                        const KitPdfOutput& pdf, platform::ReadOnlyFiles readOnly) {
  KitWriteResult result;
  const std::vector<core::CutLayout> sheets = KitSheets(plan, settings.strokedNames);
  std::vector<output::KitListPart> list;
  for (const KitPart& p : plan.parts)
    list.push_back({p.name, p.rib, !p.layout.jig.empty(), p.source, p.chordMm, p.placement.sheet, p.placement.turned});
  output::KitSummary summary;
  summary.ribs = plan.ribs;
  summary.copies = std::max(settings.copies, 1);
  summary.warnings = KitSplitLines(plan);
  summary.sheet = settings.sheet;
  summary.thicknessMm = settings.thicknessMm;
  summary.gapMm = settings.gapMm;
  summary.kerfMm = settings.cut.kerfMm;
  summary.sheets = plan.sheets;
  summary.usedPercent = plan.usedPercent;
  summary.format = settings.cut.format;
  platform::OwnedFolderWrite kit;
  kit.files.push_back({output::kKitListName, output::KitListText(list, summary)});
  for (std::size_t i = 0; i < sheets.size(); ++i)
    kit.files.push_back({output::KitSheetFileName(static_cast<int>(i), settings.cut.format),
                         output::KitSheetText(sheets[i], settings.sheet, settings.cut.format)});
  if (pdf) {
    kit.moreNames = {output::kKitPdfName, output::kKitCheckPdfName};
    kit.more = [&](const std::string& newFolder, std::string& why) {
      std::unique_ptr<platform::PageOutput> out = pdf(newFolder + output::kKitPdfName);
      bool made = out && DrawPdf(settings, sheets, *out, why);
      out.reset();
      std::unique_ptr<platform::PageOutput> check = made ? pdf(newFolder + output::kKitCheckPdfName) : nullptr;
      made = made && check && DrawCheck(settings, sheets, *check, why);
      if (!made && why.empty()) why = "The PDF could not be made";
      return made;
    };
  }
  // An earlier kit's sheets that this one does not need would be cut as if they belonged to it.
  kit.ours = IsKitFileName;
  const platform::OwnedFolderOutcome written = platform::WriteOwnedFolder(folder, kit, readOnly);
  if (!written.outcome.ok()) {
    result.failedPath = written.failedPath;
    result.error = written.why.empty() ? platform::WriteErrorInfo(written.outcome, written.failedPath)
                                       : platform::ErrorInfo{platform::kErrDeviceIo, written.why};
    return result;
  }
  result.paths = written.paths;
  result.removed = written.removed;
  result.ok = true;
  return result;
}

}  // namespace commands
