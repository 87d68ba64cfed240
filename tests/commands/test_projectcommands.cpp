// File > Open and Save as for project files: opening all or nothing, the airfoil search,
// older files that may not be rewritten, the dialogs' folders, and saves that fail.
#include <gtest/gtest.h>

#include "commands/windowtitle.h"

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "commands/airfoilcommands.h"
#include "commands/projectcommands.h"
#include "core/newrib.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "files/settings.h"
#include "platform/fileio.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace fs = std::filesystem;
using commands::OpenStatus;
using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

using testsupport::NewRib;
using testsupport::SelfNamingTexts;
using testsupport::WithLine;

const std::string kFullMm = ReadFile(DataPath("projects/full_mm.vdl"));
const std::string kOlder = ReadFile(DataPath("projects/older_full.vdl"));
constexpr std::size_t kSparCountLine = 17;
// A settings file with a text size other than the rib's and a recent file: a new rib made
// on the way would store the one, an airfoil recorded the other.
const std::string kSettings = "[InsText]\r\nTailleFont=12\r\n[LastFiles]\r\nRecentFile1=/ribs/tip.dat\r\n";

struct Workspace {
  SelfNamingTexts texts;
  TempDir dir;
  core::RibDocument s = NewRib();
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};

  Workspace() {
    s.settings.iniFile = dir.File("Vandrell.ini");
    s.settings.airfoilDir = dir.File("airfoils");
    s.settings.seriesAirfoilDir = dir.File("series");
    for (const std::string& d : {s.settings.airfoilDir, s.settings.seriesAirfoilDir, dir.File("projects")}) fs::create_directories(d);
    WriteFile(s.settings.iniFile, kSettings);
  }
  std::string Project(const std::string& name, const std::string& bytes) {
    std::string path = dir.File("projects/" + name);
    WriteFile(path, bytes);
    return path;
  }
  void AirfoilFile(const std::string& bytes) { WriteFile(s.settings.airfoilDir + "/clarky.dat", bytes); }
  void Clarky() {
    fs::create_directories(s.settings.airfoilDir + "/Clark");
    fs::copy_file(testsupport::AirfoilPath("clarky.dat"), s.settings.airfoilDir + "/Clark/clarky.dat");
  }
  // A rib in use: an airfoil, a spar, a text size the settings file does not hold.
  void RibInUse() {
    s.airfoil.loaded = s.rib.upsideDown = true;
    s.airfoil.name = "ag24";
    s.rib.chord = {321, "321"};
    s.rib.spars.last = 3;
    s.rib.spars[2].positionText = "40";
    s.rib.caption.fontSize = 14;
    s.project.titleNames = core::TitleNames::Former;
  }
};

bool SameRib(const core::RibDocument& a, const core::RibDocument& b) {
  return files::ProjectFileText(a) == files::ProjectFileText(b) && a.airfoil.loaded == b.airfoil.loaded &&
         a.rib == b.rib && a.project.titleNames == b.project.titleNames && a.project.path == b.project.path;
}

// Whatever fails, the rib, the settings file (text size, recent files) and the document's
// announcements are as they were; the outcome says why, in the batch key and the user's words.
TEST(OpenProject, AFailedOpenKeepsTheRibAndTheSettingsFileAndSaysWhy) {
  Workspace w;
  w.RibInUse();
  int announced = 0;
  auto listening = w.s.changes.Listen([&announced](core::Changes) { ++announced; });
  const core::RibDocument before = w.s;
  const std::string full = w.Project("full.vdl", kFullMm);
  struct Case {
    const char* why;
    std::string path;
    std::string airfoil;  // the bytes of airfoils/clarky.dat, none when empty
    const char* key;
  };
  const std::vector<Case> cases = {
      {"damaged", w.Project("bad.vdl", WithLine(kFullMm, kSparCountLine, " 12 ")), "", "project"},
      {"gone", w.dir.File("projects/none.vdl"), "", "unreadable"},
      {"no airfoil", full, "", "airfoil-missing"},
      {"not coordinates", full, "clarky\n0.5 abc\n", "airfoil-unreadable"},
      {"three points", full, "clarky\n1 0\n0 0\n1 0\n", "airfoil-unreadable"}};
  std::vector<commands::OpenOutcome> outcomes;
  for (const Case& c : cases) {
    fs::remove(w.s.settings.airfoilDir + "/clarky.dat");
    if (!c.airfoil.empty()) w.AirfoilFile(c.airfoil);
    outcomes.push_back(commands::OpenProjectFile(w.s, c.path));
    EXPECT_EQ(outcomes.back().status, OpenStatus::Refused) << c.why;
    EXPECT_EQ(outcomes.back().refusal, c.key) << c.why;
    EXPECT_TRUE(SameRib(w.s, before)) << c.why;
    EXPECT_EQ(ReadFile(w.s.settings.iniFile), kSettings) << c.why;
  }
  EXPECT_EQ(announced, 0);
  EXPECT_TRUE(w.messages.shown.empty());  // the command tells no one: its caller does

  for (const commands::OpenOutcome& outcome : outcomes) commands::TellOpenOutcome(outcome);
  ASSERT_EQ(w.messages.shown.size(), cases.size());
  EXPECT_EQ(w.messages.shown[0].title, "Erreur/1 LireEcrire/newVdl");
  EXPECT_NE(w.messages.shown[0].text.find("# 9 "), std::string::npos);
  EXPECT_NE(w.messages.shown[1].text.find("# 53 "), std::string::npos);
  EXPECT_EQ(outcomes[1].text, "Erreur/206\n" + cases[1].path);
  EXPECT_EQ(w.messages.shown[2].text, "fileopen/3 clarky.dat\n fileopen/4 \n" + w.s.settings.airfoilDir +
                                          " fileopen/5 " + w.s.settings.seriesAirfoilDir);
  EXPECT_EQ(w.messages.shown[3].title, "frmopen/1");
  EXPECT_EQ(w.messages.shown[4].text, "frmopen/23");
}

// A sound project replaces the whole rib at once; the settings file is read, not written,
// and no folder alert comes up although the series folder is gone.
TEST(OpenProject, ASoundProjectReplacesTheRibAndLeavesTheSettingsFile) {
  Workspace w;
  w.RibInUse();
  w.Clarky();
  fs::remove(w.s.settings.seriesAirfoilDir);
  std::vector<core::Changes> announced;
  auto listening = w.s.changes.Listen([&announced](core::Changes what) { announced.push_back(what); });
  ASSERT_TRUE(commands::OpenProjectFile(w.s, w.Project("full_mm.vdl", kFullMm)).Opened());
  EXPECT_TRUE(w.messages.shown.empty());
  EXPECT_EQ(ReadFile(w.s.settings.iniFile), kSettings);
  EXPECT_EQ(w.s.airfoil.path, w.s.settings.airfoilDir + "/Clark/clarky.dat");
  EXPECT_TRUE(w.s.airfoil.loaded);
  EXPECT_GT(w.s.prepared.maxThickness, 0.1);
  EXPECT_FALSE(w.s.project.modified || w.s.rib.upsideDown);
  EXPECT_EQ(w.s.project.path, w.dir.File("projects/full_mm.vdl"));
  EXPECT_EQ(commands::WindowTitle(w.s), "Vandrell MainTolbar/26 : full_mm.vdl MainTolbar/11 : clarky");
  EXPECT_EQ(files::ProjectFileText(w.s), kFullMm);  // nothing of the old rib is left
  ASSERT_EQ(announced.size(), 1u);  // once, whole: a new rib that has its airfoil
  EXPECT_TRUE(announced[0].Has(core::Change::NewRib) && announced[0].Has(core::Change::Airfoil));
  // Save as proposes the project's own name and folder, not the airfoil's name.
  const platform::FileDialogRequest proposed = commands::SaveProjectRequest(w.s);
  EXPECT_EQ(proposed.fileName, "full_mm.vdl");
  EXPECT_EQ(proposed.initialDir, w.dir.File("projects/"));

  // An airfoil opened then starts a rib of no file: Save asks for one.
  ASSERT_TRUE(commands::OpenAirfoilFile(w.s, testsupport::AirfoilPath("naca2412.dat"), commands::RecentFiles::Leave).Opened());
  EXPECT_EQ(w.s.project.path, "");
  platform::ScriptedFileDialogs dialogs;  // answers nothing: cancelled
  platform::SetFileDialogs(&dialogs);
  EXPECT_FALSE(commands::SaveProjectAgain(w.s));
  platform::SetFileDialogs(nullptr);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].fileName, "naca2412.vdl");
  EXPECT_EQ(ReadFile(w.dir.File("projects/full_mm.vdl")), kFullMm);
}

TEST(OpenProject, TheDialogRemembersTheFolderOfAProjectThatOpenedOnly) {
  Workspace w;
  w.RibInUse();
  platform::ScriptedFileDialogs dialogs;
  platform::SetFileDialogs(&dialogs);
  const std::string project = w.Project("p.vdl", kFullMm);
  dialogs.answers = {"", project, project, ""};

  EXPECT_EQ(commands::OpenProject(w.s).status, OpenStatus::Cancelled);
  EXPECT_EQ(commands::OpenProject(w.s).refusal, "airfoil-missing");
  ASSERT_EQ(w.messages.shown.size(), 1u);  // told by the command with the dialog
  EXPECT_EQ(w.s.rib.chord.text, "321");
  EXPECT_EQ(ReadFile(w.s.settings.iniFile), kSettings);
  w.Clarky();
  EXPECT_TRUE(commands::OpenProject(w.s).Opened());
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.settings.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(files::RecentFileList(w.s).front(), project) << "an opened project is a recent file";
  EXPECT_EQ(commands::OpenProject(w.s).status, OpenStatus::Cancelled);
  platform::SetFileDialogs(nullptr);

  ASSERT_EQ(dialogs.requests.size(), 4u);
  EXPECT_EQ(dialogs.requests[0].filter, "MainTolbar/26 Vandrell (*.vdl)|*.vdl|");
  EXPECT_EQ(dialogs.requests[0].title, "fileopen/2");
  EXPECT_EQ(dialogs.requests[2].initialDir, w.s.settings.airfoilDir);
  EXPECT_EQ(dialogs.requests[3].initialDir, w.dir.File("projects/"));
}

// An older file opens whether or not it can be written in the current layout: marked
// read-only, or read by a drawing that leaves it, it stays as it was and nothing is said.
// (A full disk at the conversion, and the conversion itself, are the reader's tests.)
TEST(OpenProject, AnOlderProjectOpensWhetherOrNotItMayBeRewritten) {
  Workspace w;
  w.Clarky();
  const std::string path = w.Project("old.vdl", kOlder);
  auto opened = [&w, &path](const commands::ProjectOpening& how, const char* what) {
    w.s = NewRib();
    w.s.settings.airfoilDir = w.dir.File("airfoils");
    EXPECT_TRUE(commands::OpenProjectFile(w.s, path, how).Opened()) << what;
    EXPECT_EQ(w.s.rib.caption.text, "My rib") << what;
    EXPECT_EQ(ReadFile(path), kOlder) << what;
  };
  commands::ProjectOpening keep;
  keep.olderLayout = files::OlderLayout::Keep;
  opened(keep, "kept by the caller");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  if (!platform::MayWrite(path)) opened({}, "read-only file");  // the superuser may write it all the same
  EXPECT_TRUE(w.messages.shown.empty());
}

TEST(SaveProject, FailedSaveKeepsThePreviousFileGoodSaveSetsTheFlagsAndFolder) {
  Workspace w;
  w.s.project.modified = true;
  w.s.airfoil.name = "ag24";
  const std::string path = w.Project("rib.vdl", "previous contents");
  {
    platform::ScopedWriteFault full(ENOSPC, 100);
    EXPECT_FALSE(commands::SaveProjectAs(w.s, path));
  }
  EXPECT_EQ(ReadFile(path), "previous contents");
  EXPECT_TRUE(w.s.project.modified);
  EXPECT_FALSE(w.s.project.saved);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].title, "Erreur/1 Main/mnu_filesaveas");
  EXPECT_NE(w.messages.shown[0].text.find("# 61 "), std::string::npos);
  EXPECT_NE(w.messages.shown[0].text.find("Erreur/210\n" + path), std::string::npos);
  EXPECT_FALSE(commands::SaveProjectAs(w.s, w.dir.File("no such folder/rib.vdl")));
  ASSERT_EQ(w.messages.shown.size(), 2u);
  EXPECT_NE(w.messages.shown[1].text.find("# 76 "), std::string::npos);

  ASSERT_TRUE(commands::SaveProjectAs(w.s, path));
  EXPECT_EQ(ReadFile(path), files::ProjectFileText(w.s));
  EXPECT_EQ(w.s.project.path, path);
  EXPECT_EQ(w.s.project.title, "rib.vdl");
  EXPECT_FALSE(w.s.project.modified);
  EXPECT_TRUE(w.s.project.saved);
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenVdl", w.s.settings.iniFile), w.dir.File("projects/"));
  EXPECT_EQ(commands::SaveProjectRequest(w.s).initialDir, w.dir.File("projects/"));
}

// A project marked read-only is replaced only on the user's word, and stays read-only.
TEST(SaveProject, AReadOnlyProjectIsReplacedOnlyAfterAsking) {
  Workspace w;
  w.s.project.modified = true;
  const std::string path = w.Project("kept.vdl", "marked read-only");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  w.messages.answers = {platform::BoxAnswer::No};
  EXPECT_FALSE(commands::SaveProjectAs(w.s, path));
  ASSERT_EQ(w.messages.shown.size(), 1u);  // the question, and no error report after it
  EXPECT_EQ(w.messages.shown[0].text, "Erreur/215\n" + path);
  EXPECT_EQ(w.messages.shown[0].defaultButton, 2);
  EXPECT_EQ(ReadFile(path), "marked read-only");
  EXPECT_TRUE(w.s.project.modified);

  w.messages.answers = {platform::BoxAnswer::Yes};
  ASSERT_TRUE(commands::SaveProjectAs(w.s, path));
  EXPECT_EQ(ReadFile(path), files::ProjectFileText(w.s));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(w.s.project.modified);
}

}  // namespace
