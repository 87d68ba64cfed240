// Writing a cutting kit's files, all of them or none.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "commands/cutkit.h"
#include "output/kitwriter.h"
#include "platform/fileio.h"

namespace commands {

namespace {

struct Pending {
  std::string target;
  std::string hidden;  // where it is written first
};

platform::ErrorInfo RenameError(const std::error_code& ec, const std::string& path) {
  platform::FileOutcome failed;
  failed.problem = platform::FileProblem::Failed;
  failed.systemError = ec.value();
  return platform::WriteErrorInfo(failed, path);
}

void RemoveHidden(const std::vector<Pending>& files, std::size_t count) {
  std::error_code ec;
  for (std::size_t i = 0; i < count && i < files.size(); ++i) std::filesystem::remove(files[i].hidden, ec);
}

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

KitWriteResult WriteKitFiles(const KitPlan& plan, const KitSettings& settings, const std::string& folder,
                             const KitPdfOutput& pdf);

}  // namespace

KitWriteResult WriteKit(const KitPlan& plan, const KitSettings& settings, const std::string& folder,
                        const KitPdfOutput& pdf) {
  KitWriteResult result;
  // A folder of its own is made for the kit when its parent exists; it goes again when
  // nothing could be written into it.
  std::error_code made;
  const bool newFolder = !folder.empty() && std::filesystem::create_directory(folder, made);
  result = WriteKitFiles(plan, settings, folder, pdf);
  if (!result.ok && newFolder) std::filesystem::remove(folder, made);
  return result;
}

namespace {

KitWriteResult WriteKitFiles(const KitPlan& plan, const KitSettings& settings, const std::string& folder,
                             const KitPdfOutput& pdf) {
  KitWriteResult result;
  const std::vector<core::CutLayout> sheets = KitSheets(plan);
  std::vector<output::KitListPart> list;
  for (const KitPart& p : plan.parts) list.push_back({p.name, p.source, p.chordMm, p.placement.sheet, p.placement.turned});
  output::KitSummary summary{settings.sheet, settings.gapMm, settings.cut.kerfMm, plan.sheets, plan.usedPercent,
                             settings.cut.format};
  std::vector<std::pair<std::string, std::string>> texts{  // file name, contents
      {output::kKitListName, output::KitListText(list, summary)}};
  for (std::size_t i = 0; i < sheets.size(); ++i)
    texts.emplace_back(output::KitSheetFileName(static_cast<int>(i), settings.cut.format),
                       output::KitSheetText(sheets[i], settings.sheet, settings.cut.format));

  std::vector<Pending> files;
  auto add = [&](const std::string& name) {
    const std::filesystem::path dir(folder);
    files.push_back({(dir / name).string(), (dir / ("." + name + ".kit~")).string()});
  };
  for (const auto& [name, text] : texts) add(name);
  if (pdf) add(output::kKitPdfName);

  // Only files are replaced: anything else in a file's place is found before anything is
  // written, and stays what it is.
  for (const Pending& f : files) {
    const platform::FileKind kind = platform::KindOfPath(f.target);
    if (kind == platform::FileKind::Missing || kind == platform::FileKind::Regular) continue;
    platform::FileOutcome refused;
    refused.problem = platform::FileProblem::NotAFile;
    refused.kind = kind;
    result.error = platform::WriteErrorInfo(refused, f.target);
    return result;
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const platform::FileOutcome written = platform::WriteFileAtomically(files[i].hidden, texts[i].second);
    if (!written.ok()) {
      result.error = platform::WriteErrorInfo(written, files[i].target);
      RemoveHidden(files, i);
      return result;
    }
  }
  if (pdf) {
    std::unique_ptr<platform::PageOutput> out = pdf(files.back().hidden);
    std::string why;
    if (!out || !DrawPdf(settings, sheets, *out, why)) {
      out.reset();
      RemoveHidden(files, files.size());
      result.error = {platform::kErrDeviceIo, why.empty() ? "The PDF could not be made" : why};
      return result;
    }
  }
  // Everything is on disk: the files take their names.
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    std::filesystem::rename(files[i].hidden, files[i].target, ec);
    if (ec) {
      result.error = RenameError(ec, files[i].target);
      // Those renamed already are whole; the rest go.
      for (std::size_t k = i; k < files.size(); ++k) std::filesystem::remove(files[k].hidden, ec);
      return result;
    }
    result.paths.push_back(files[i].target);
  }
  result.ok = true;
  return result;
}

}  // namespace

}  // namespace commands
