#include "settingswindows/defaultsettings.h"

#include <filesystem>

#include "core/lengths.h"
#include "core/plaintext.h"
#include "files/settings.h"
#include "platform/paths.h"
#include "platform/textkeys.h"
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

DefaultsDraft DraftFromSettings(const core::RibDocument& document) {
  // The settings file's own texts: the rib in memory may be a project's.
  core::RibDocument stored = document;
  files::ReadDefaultSettings(stored);
  stored.settings.unitText = document.settings.unitText;
  DefaultsDraft draft;
  draft.unitText = document.settings.unitText;
  for (int i = 0; i < kDefaultLengthCount; ++i) draft.lengths[static_cast<std::size_t>(i)] = LengthOf(stored.rib, i).text;
  draft.print = document.print;
  draft.airfoilDir = document.settings.airfoilDir;
  draft.seriesDir = document.settings.seriesAirfoilDir;
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
    case DefaultsProblem::NoChord: return Text(keys::DefaultChordZero);
    case DefaultsProblem::MissingAirfoilDir: return Text(keys::FolderMissing) + "\n" + Folder(draft.airfoilDir);
    case DefaultsProblem::MissingSeriesDir: return Text(keys::FolderMissing) + "\n" + Folder(draft.seriesDir);
  }
  return {};
}

bool UnitChanges(const DefaultsDraft& draft, const core::RibDocument& document) {
  return draft.unitText != document.settings.unitText;
}

std::string UnitChangeQuestion() { return Text(keys::UnitChangeLine1) + "\n" + Text(keys::UnitChangeLine2); }

void StoreDefaults(core::RibDocument& document, const DefaultsDraft& draft) {
  core::RibDocument written = document;
  written.settings.unitText = draft.unitText;
  for (int i = 0; i < kDefaultLengthCount; ++i)
    LengthOf(written.rib, i) = core::TypedLength(draft.lengths[static_cast<std::size_t>(i)], draft.unitText);
  written.print = draft.print;
  files::WriteDefaultSettings(written);
  files::WriteMarginSettings(written);

  document.settings.airfoilDir = Folder(draft.airfoilDir);
  document.settings.lastOpenDir = document.settings.airfoilDir;
  document.settings.seriesAirfoilDir = Folder(draft.seriesDir);
  files::WriteDirectorySettings(document);
  platform::UserStore& store = platform::CurrentUserStore();
  store.Set(platform::kUserStoreInstall, platform::kUserAirfoilDir, document.settings.airfoilDir);
  store.Set(platform::kUserStoreInstall, platform::kUserSeriesDir, document.settings.seriesAirfoilDir);

  if (draft.unitText == document.settings.unitText) {
    document.print = written.print;
    if (!document.airfoil.loaded)
      for (int i = 0; i < kDefaultLengthCount; ++i) LengthOf(document.rib, i) = LengthOf(written.rib, i);
  }
  document.changes.Announce(core::Change::Settings);
}

}  // namespace settingswindows
