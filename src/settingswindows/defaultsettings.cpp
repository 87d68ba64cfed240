#include "settingswindows/defaultsettings.h"

#include <filesystem>

#include "core/lengths.h"
#include "core/plaintext.h"
#include "files/settings.h"
#include "platform/paths.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "ribwindows/boxreading.h"

namespace settingswindows {

using platform::Text;

namespace {

core::Length& LengthOf(core::RibSetup& rib, int index) {
  switch (static_cast<DefaultLength>(index)) {
    case DefaultLength::Chord: return rib.chord;
    case DefaultLength::Sheeting: return rib.sheeting;
    case DefaultLength::LeadingEdge: return rib.leadingEdge;
    case DefaultLength::BlockHeight: return rib.blocks.topHeight;
    case DefaultLength::BlockFront: return rib.blocks.leadingExtension;
    case DefaultLength::BlockRear: break;
  }
  return rib.blocks.trailingExtension;
}

std::string Folder(const std::string& typed) {
  return platform::WithoutTrailingSeparator(std::string(core::Trimmed(typed)));
}

bool IsFolder(const std::string& typed) {
  const std::string dir = Folder(typed);
  std::error_code ec;
  return !dir.empty() && std::filesystem::is_directory(dir, ec);
}

bool IsInches(const std::string& unitText) { return unitText == " in"; }

}  // namespace

DefaultsDraft DraftFromSettings(const core::RibDocument& d) {
  // The settings file's own texts: the rib in memory may be a project's.
  core::RibDocument stored = d;
  files::ReadDefaultSettings(stored);
  stored.settings.unitText = d.settings.unitText;
  DefaultsDraft draft;
  draft.unitText = d.settings.unitText;
  for (int i = 0; i < kDefaultLengthCount; ++i) draft.lengths[static_cast<std::size_t>(i)] = LengthOf(stored.rib, i).text;
  draft.print = d.print;
  draft.airfoilDir = d.settings.airfoilDir;
  draft.seriesDir = d.settings.seriesAirfoilDir;
  return draft;
}

void ChooseUnit(DefaultsDraft& draft, const std::string& unitText) {
  const bool inches = IsInches(unitText);
  draft.unitText = inches ? " in" : " mm";
  draft.lengths = inches ? std::array<std::string, kDefaultLengthCount>{"8", "1/16", "0", "0", "0", "0"}
                         : std::array<std::string, kDefaultLengthCount>{"200", "1.5", "0", "0", "0", "0"};
  auto length = [&draft](const char* text) { return core::TypedLength(text, draft.unitText); };
  draft.print.topMargin = length(inches ? "1/2" : "10");
  draft.print.bottomMargin = length(inches ? "1/2" : "15");
  draft.print.overlap = length(inches ? "1" : "20");
  draft.print.paperIndex = inches ? 1 : 0;
  draft.print.chordLineFromTop = length(inches ? "2" : "50");
}

DefaultsProblem CheckDefaults(const DefaultsDraft& draft) {
  for (int i = 0; i < kDefaultLengthCount; ++i)
    if (core::ReadLength(draft.lengths[static_cast<std::size_t>(i)], draft.unitText).malformed)
      return {DefaultsProblem::MalformedLength, i};
  // A new rib without a chord would draw nothing at all.
  if (core::LengthFromText(draft.lengths[0], draft.unitText) <= 0) return {DefaultsProblem::NoChord, 0};
  if (!IsFolder(draft.airfoilDir)) return {DefaultsProblem::MissingAirfoilDir};
  if (!IsFolder(draft.seriesDir)) return {DefaultsProblem::MissingSeriesDir};
  return {};
}

std::string ProblemText(const DefaultsProblem& problem, const DefaultsDraft& draft) {
  switch (problem.kind) {
    case DefaultsProblem::None: return {};
    case DefaultsProblem::MalformedLength:
      return ribwindows::UnreadableText(draft.lengths[static_cast<std::size_t>(problem.lengthIndex)], draft.unitText);
    case DefaultsProblem::NoChord: return Text("FrmDefaut", "19");
    case DefaultsProblem::MissingAirfoilDir: return Text("FrmDefaut", "20") + "\n" + Folder(draft.airfoilDir);
    case DefaultsProblem::MissingSeriesDir: return Text("FrmDefaut", "20") + "\n" + Folder(draft.seriesDir);
  }
  return {};
}

bool UnitChanges(const DefaultsDraft& draft, const core::RibDocument& d) {
  return draft.unitText != d.settings.unitText;
}

std::string UnitChangeQuestion() { return Text("FrmDefaut", "17") + "\n" + Text("FrmDefaut", "18"); }

void StoreDefaults(core::RibDocument& d, const DefaultsDraft& draft) {
  core::RibDocument written = d;
  written.settings.unitText = draft.unitText;
  for (int i = 0; i < kDefaultLengthCount; ++i)
    LengthOf(written.rib, i) = core::TypedLength(draft.lengths[static_cast<std::size_t>(i)], draft.unitText);
  written.print = draft.print;
  files::WriteDefaultSettings(written);
  files::WriteMarginSettings(written);

  d.settings.airfoilDir = Folder(draft.airfoilDir);
  d.settings.lastOpenDir = d.settings.airfoilDir;
  d.settings.seriesAirfoilDir = Folder(draft.seriesDir);
  files::WriteDirectorySettings(d);
  platform::UserStore& store = platform::CurrentUserStore();
  store.Set(platform::kUserStoreInstall, platform::kUserAirfoilDir, d.settings.airfoilDir);
  store.Set(platform::kUserStoreInstall, platform::kUserSeriesDir, d.settings.seriesAirfoilDir);

  if (draft.unitText == d.settings.unitText) {
    d.print = written.print;
    if (!d.airfoil.loaded)
      for (int i = 0; i < kDefaultLengthCount; ++i) LengthOf(d.rib, i) = LengthOf(written.rib, i);
  }
  d.changes.Announce(core::Change::Settings);
}

}  // namespace settingswindows
