#include "toolwindows/airfoilviews.h"

#include <QCheckBox>
#include <filesystem>

#include "commands/airfoiltools.h"
#include "commands/keepwork.h"
#include "files/captions.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/inputwindow.h"
#include "sharedwindows/openairfoilwindow.h"
#include "sharedwindows/ribstatus.h"

namespace toolwindows {

using platform::Text;

void AirfoilViews::Compare(QWidget* parent) {
  if (document_.airfoil.loaded &&
      !commands::MayReplaceRib(document_, Text(keys::CompareAirfoilLoaded), Text(keys::CompareQuestionTitle)))
    return;
  // The chord is typed on a copy: a cancelled comparison leaves the rib as it was.
  core::RibDocument scratch = document_;
  ribwindows::InputWindow chordWindow(scratch, ribwindows::InputKind::Chord, parent);
  if (chordWindow.exec() != QDialog::Accepted) return;

  sharedwindows::OpenAirfoilWindow first(document_.settings, Text(keys::CompareOpenCaption) + "  #1", true, parent);
  std::error_code ec;
  if (!keptFirstPath_.empty() && std::filesystem::is_regular_file(keptFirstPath_, ec)) {
    const std::filesystem::path kept(keptFirstPath_);
    first.SetDirectory(kept.parent_path().string());
    first.SelectFile(kept.filename().string());
    first.MemorizeBox()->setChecked(true);
  }
  first.exec();
  if (!first.Accepted()) return;
  const std::string firstPath = first.ChosenPath();
  keptFirstPath_ = first.MemorizeAsFirst() || first.MemorizeBox()->isChecked() ? firstPath : std::string();
  files::AirfoilData firstData = first.TakeData();

  sharedwindows::OpenAirfoilWindow second(document_.settings, Text(keys::CompareOpenCaption) + " #2", false, parent);
  second.exec();
  if (!second.Accepted()) return;
  commands::ShowComparison(document_, comparison_, scratch.rib.chord, firstPath, std::move(firstData),
                           second.ChosenPath(), second.TakeData());
}

void AirfoilViews::Former(QWidget* parent) {
  // The former takes the rib's place: an unsaved rib is not dropped without asking.
  const bool asks = sharedwindows::NewRibDecision(document_) == sharedwindows::NewRibStep::AskFirst;
  if (asks && !sharedwindows::ConfirmNewRib(document_)) return;
  sharedwindows::OpenAirfoilWindow open(document_.settings, Text(keys::FormerOpenCaption), false, parent);
  open.exec();
  if (!open.Accepted()) return;
  commands::ShowFormer(document_, open.ChosenPath(), open.TakeData());
}

void AirfoilViews::Draw(ToolView view, platform::DrawTarget& target, const core::ViewPlacement& at) const {
  switch (view) {
    case ToolView::Comparison:
      if (comparison_.Ready()) core::DrawComparison(comparison_, document_.style, Text(keys::AirfoilLabel), at, target);
      break;
    case ToolView::ThicknessCamber:
      core::DrawThicknessCamber(document_, {Text(keys::ThicknessWord), Text(keys::CamberWord)}, at, target);
      break;
    case ToolView::Former: core::DrawFormer(document_, at, target); break;
  }
}

std::string AirfoilViews::PanelText(ToolView view) const {
  switch (view) {
    case ToolView::Comparison:
      return comparison_.Ready() ? commands::ComparisonPanelText(document_, comparison_) : std::string();
    case ToolView::ThicknessCamber: return commands::ThicknessCamberPanelText(document_);
    case ToolView::Former:
      return sharedwindows::AirfoilPanelText(document_, Text(keys::AirfoilLabel), Text(keys::ChordLabel));
  }
  return std::string();
}

}  // namespace toolwindows
