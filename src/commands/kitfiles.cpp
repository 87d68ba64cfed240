// Writing a cutting kit's files, all of them or none: the kit owns its folder, which the
// common writer replaces whole (platform::WriteOwnedFolder).
#include <algorithm>

#include "commands/cutkit.h"
#include "commands/kitchoices.h"
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

}  // namespace

KitWriteResult WriteKit(const KitPlan& plan, const KitSettings& settings, const std::string& folder,
                        const KitPdfOutput& pdf, platform::ReadOnlyFiles readOnly) {
  KitWriteResult result;
  const std::vector<core::CutLayout> sheets = KitSheets(plan, settings.strokedNames);
  std::vector<output::KitListPart> list;
  for (const KitPart& p : plan.parts) list.push_back({p.name, p.source, p.chordMm, p.placement.sheet, p.placement.turned});
  output::KitSummary summary;
  summary.ribs = plan.ribs;
  summary.copies = std::max(settings.copies, 1);
  summary.warnings = KitSplitLines(plan);
  summary.sheet = settings.sheet;
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
    kit.moreNames = {output::kKitPdfName};
    kit.more = [&](const std::string& newFolder, std::string& why) {
      std::unique_ptr<platform::PageOutput> out = pdf(newFolder + output::kKitPdfName);
      const bool made = out && DrawPdf(settings, sheets, *out, why);
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
