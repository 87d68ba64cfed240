// The kit window's actions: the ribs it takes, the settings read from its boxes, the
// layout, the files written and the figures shown.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "commands/outputfolder.h"
#include "core/lengths.h"
#include "core/plaintext.h"
#include "core/typednumber.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/qt/qtpageoutput.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "serieswindows/cutkitwindow.h"
#include "serieswindows/kitpreview.h"
#include "serieswindows/kitsetupchoice.h"

namespace serieswindows {

namespace {

namespace fs = std::filesystem;
using platform::Q;
using platform::T;
std::string Trimmed(const QString& s) { return s.trimmed().toStdString(); }

}  // namespace

// The format list's entries, in their order.
output::CutFormat CutKitWindow::FormatAt(int index) {
  constexpr output::CutFormat kFormats[3] = {output::CutFormat::DxfR12, output::CutFormat::DxfR2000,
                                             output::CutFormat::Svg};
  return kFormats[std::clamp(index, 0, 2)];
}

std::vector<std::string> CutKitWindow::Inputs() const {
  std::vector<std::string> paths;
  for (int i = 0; i < ribs_->count(); ++i) paths.push_back(ribs_->item(i)->data(Qt::UserRole).toString().toStdString());
  return paths;
}

void CutKitWindow::AddInput(const std::string& path) {
  // Summaries and rib files together: each summary is a panel, named by its place.
  for (const std::string& h : Inputs())
    if (h == path) return;
  auto* item = new QListWidgetItem(Q(fs::path(path).filename().string()), ribs_);
  item->setData(Qt::UserRole, Q(path));
  item->setToolTip(Q(path));
  Outdated();
}

void CutKitWindow::AddRibs() {
  platform::FileDialogRequest request;
  request.title = platform::Text(keys::KitRibFileTitle);
  request.filter = platform::Text(keys::KitRibFileFilter) + " (*.txt *.dat)|*.txt;*.dat|";
  const std::vector<std::string> held = Inputs();
  request.initialDir = held.empty() ? document_.settings.seriesAirfoilDir : fs::path(held.back()).parent_path().string();
  std::string path;
  if (!platform::CurrentFileDialogs().Open(request, path)) return;
  AddInput(path);
}

void CutKitWindow::RemoveRibs() {
  qDeleteAll(ribs_->selectedItems());
  Outdated();
}

void CutKitWindow::ChooseFolder() {
  std::string folder = Trimmed(folder_->text());
  if (!platform::CurrentFileDialogs().BrowseForFolder(platform::Text(keys::KitFolderTitle), folder)) return;
  folder_->setText(Q(folder));
}

std::optional<commands::KitSettings> CutKitWindow::SettingsFromBoxes() {
  commands::KitBoxTexts texts{Trimmed(width_->text()), Trimmed(length_->text()), Trimmed(gap_->text()),
                              Trimmed(kerf_->text()), FormatAt(format_->currentIndex()),
                              Trimmed(thickness_->text()), unit_};
  commands::KitBoxRefusal refusal;
  std::optional<commands::KitSettings> settings = commands::KitSettingsFromBoxes(texts, refusal);
  if (settings) {
    settings->copies = copies_->value();
    settings->check = document_.print;
  }
  if (settings) {
    settings->caption = caption_->isChecked();
    settings->strokedNames = strokedNames_->isChecked();
  }
  if (!settings) {
    // The window stays on the box to be corrected.
    platform::Inform(refusal.why, Trimmed(windowTitle()), platform::BoxIcon::Exclamation);
    QLineEdit* box = refusal.box == commands::KitBox::Width    ? width_
                     : refusal.box == commands::KitBox::Length ? length_
                     : refusal.box == commands::KitBox::Gap    ? gap_
                     : refusal.box == commands::KitBox::Kerf   ? kerf_
                                                                : thickness_;
    box->setFocus();
    box->selectAll();
  }
  return settings;
}

bool CutKitWindow::LayOut() {
  std::optional<commands::KitSettings> settings = SettingsFromBoxes();
  if (!settings) return false;
  plan_.reset();
  preview_->SetSheets({}, settings->sheet);
  core::RibDocument templateRib;
  if (std::optional<commands::KitRefusal> refused = setup_->Template(templateRib)) {
    ShowFigures(commands::KitRefusalWords(*refused));
    return false;
  }
  commands::KitRibList ribs = commands::KitRibsOf(Inputs(), templateRib.rib.chord.mm);
  if (ribs.refusal) {
    // An empty list is no file's fault.
    if (Inputs().empty()) ribs.refusal->subject.clear();
    ShowFigures(commands::KitRefusalWords(*ribs.refusal));
    return false;
  }
  commands::KitPlan plan;
  {
    platform::BusyPointer busy;
    plan = commands::PlanKit(templateRib, ribs.ribs, *settings);
  }
  if (plan.refusal) {
    ShowFigures(commands::KitRefusalWords(*plan.refusal));
    return false;
  }
  planned_ = *settings;
  preview_->SetSheets(commands::KitSheets(plan, settings->strokedNames), settings->sheet);
  plan_ = std::move(plan);
  ShowFigures();
  return true;
}

bool CutKitWindow::Write() {
  if (!plan_ && !LayOut()) return false;
  const std::string folder = Trimmed(folder_->text());
  if (folder.empty()) {
    platform::Inform(platform::Text(keys::KitNoFolder), Trimmed(windowTitle()), platform::BoxIcon::Exclamation);
    return false;
  }
  // An earlier kit in the folder is replaced whole, or not at all.
  const bool earlier = !commands::KitFilesIn(folder).empty();
  if (earlier) {
    platform::BoxRequest box;
    box.text = platform::Text(keys::KitReplaceEarlier) + "\n" + folder;
    box.title = Trimmed(windowTitle());
    box.icon = platform::BoxIcon::Question;
    box.buttons = platform::BoxButtons::YesNo;
    box.defaultButton = 2;
    if (platform::CurrentMessages().Show(box) != platform::BoxAnswer::Yes) return false;
  }
  planned_.cut.format = FormatAt(format_->currentIndex());
  commands::KitWriteResult written;
  platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse;
  while (true) {
    {
      platform::BusyPointer busy;
      written = commands::WriteKit(
          *plan_, planned_, folder,
          [](const std::string& path) { return std::make_unique<platform::QtPageOutput>(path); }, readOnly);
    }
    // A file of the earlier kit marked read-only is replaced only when the user says so.
    if (written.ok || written.error.refusal != platform::RefusalName(platform::FileProblem::ReadOnly) ||
        readOnly == platform::ReadOnlyFiles::Replace)
      break;
    if (!platform::AskReplaceReadOnly(written.failedPath, Trimmed(windowTitle()))) return false;
    readOnly = platform::ReadOnlyFiles::Replace;
  }
  if (!written.ok) {
    platform::ReportGeneralError(" Kit/Write", written.error);
    return false;
  }
  choices_.settings = planned_;
  choices_.folder = folder;
  commands::StoreKitChoices(choices_);
  writtenFolder_ = folder;
  written_->setText(T(plan_->sheets == 1 ? keys::KitOneSheetWritten : keys::KitSheetsWritten)
                        .arg(plan_->sheets)
                        .arg(QString::fromStdString(folder)));
  openFolder_->setEnabled(true);
  return true;
}

void CutKitWindow::Outdated() {
  if (!plan_) return;
  plan_.reset();
  preview_->SetSheets({}, planned_.sheet);
  ShowFigures();
}

void CutKitWindow::ShowSheetPlace() {
  const int count = preview_->SheetCount();
  sheetLabel_->setText(count == 0 ? QString()
                                  : T(keys::KitSheetShown) + QString(" %1 / %2").arg(preview_->Shown() + 1).arg(count));
  previous_->setEnabled(preview_->Shown() > 0);
  next_->setEnabled(preview_->Shown() + 1 < count);
  zoomIn_->setEnabled(count > 0);
  zoomOut_->setEnabled(count > 0 && preview_->Zoom() > 1);
}

void CutKitWindow::ShowFigures(const std::string& refusal) {
  splits_->clear();
  splits_->setVisible(refusal.empty() && plan_ && !plan_->splits.empty());
  splitsArea_->setVisible(!splits_->isHidden());
  if (!refusal.empty()) {
    figures_->setStyleSheet("color: rgb(192, 0, 0);");
    figures_->setText(Q(refusal));
    return;
  }
  figures_->setStyleSheet(QString());
  if (!plan_) {
    figures_->clear();
    return;
  }
  figures_->setText(T(keys::KitPartCount).arg(plan_->parts.size()).arg(plan_->ribs) + "    " + T(keys::KitSheetCount) +
                    QString(" %1    ").arg(plan_->sheets) + T(keys::KitUse) +
                    QString(" %1\u00a0%").arg(plan_->usedPercent, 0, 'f', 1));  // "%" stays by its number
  QStringList lines;
  for (const commands::KitSplit& split : plan_->splits) {
    if (split.pieces > 1) lines << T(keys::KitRibInPieces).arg(Q(split.rib)).arg(split.pieces);
    if (split.leftOut == 1) lines << T(keys::KitSliverLeftOut).arg(Q(split.rib));
    if (split.leftOut > 1) lines << T(keys::KitSliversLeftOut).arg(Q(split.rib)).arg(split.leftOut);
  }
  // One paragraph: a long panel would otherwise push the sheets off a small screen.
  splits_->setText(lines.join("; "));
}

}  // namespace serieswindows
