// File, Export as DXF: refusal, the save dialog's set-up, the remembered folder, failures.
#include <gtest/gtest.h>

#include "support/dxfsummary.h"
#include "files/ini.h"
#include "commands/cutexport.h"
#include "commands/dxfexport.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/exporttest.h"
#include "support/testsupport.h"

namespace {

class DxfExport : public testsupport::ExportTest {};

TEST_F(DxfExport, RefusedWhileTheRibIsShownUpsideDown) {
  s.rib.upsideDown = true;
  dialogs.answers = {dir.File("rib.dxf")};
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::RefusedInverted);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "filedxf/1");
  EXPECT_TRUE(dialogs.requests.empty());
  // The batch program's road gives the same refusal and writes nothing either.
  const commands::DxfWriteResult written = commands::WriteDxfFile(s, dir.File("rib.dxf"));
  EXPECT_EQ(written.outcome, commands::DxfCommandResult::RefusedInverted);
  EXPECT_EQ(written.refusal, "filedxf/1");
  EXPECT_FALSE(std::filesystem::exists(dir.File("rib.dxf")));
}

TEST_F(DxfExport, AsksInTheSeriesFolderFirstThenRemembersTheChosenFolder) {
  std::filesystem::create_directory(dir.path() / "cut");
  const std::string target = (dir.path() / "cut" / "clarky.dxf").string();
  dialogs.answers = {target, ""};
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Written);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  const platform::FileDialogRequest& r = dialogs.requests[0];
  EXPECT_EQ(r.initialDir, dir.path().string());
  EXPECT_EQ(r.fileName, "clarky");
  EXPECT_EQ(r.filter, "MainTolbar/26 DXF (*.dxf)|*.dxf|");
  EXPECT_TRUE(r.overwritePrompt);
  EXPECT_EQ(s.project.dxfPath, target);
  EXPECT_EQ(testsupport::ReadFile(target).substr(0, 15), "0\r\nSECTION\r\n2\r\n");
  EXPECT_EQ(files::GetINIFile("Repertoires", "RepDxf", s.settings.iniFile), (dir.path() / "cut").string() + "/");

  // The next export starts where the last one went; a cancel writes nothing.
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Cancelled);
  EXPECT_EQ(dialogs.requests[1].initialDir, (dir.path() / "cut").string() + "/");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DxfExport, ProposesTheProjectNameWhenAProjectIsOpen) {
  EXPECT_EQ(commands::DxfDefaultFileName(s), "clarky");
  s.project.path = "/ribs/wing root.vdl";
  EXPECT_EQ(commands::DxfDefaultFileName(s), "wing root");
  s.project.path = "/ribs/notes.txt";
  EXPECT_EQ(commands::DxfDefaultFileName(s), "clarky");
}

// A rib that cannot be built and a folder that cannot be written both end in the general
// error report, and leave no file behind.
TEST_F(DxfExport, FailuresEndInTheGeneralErrorReport) {
  const double chord = s.rib.chord.mm;
  s.rib.chord.mm = 0;
  dialogs.answers = {dir.File("rib.dxf"), dir.File("gone/rib.dxf")};
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Failed);
  EXPECT_FALSE(std::filesystem::exists(dir.File("rib.dxf")));
  ASSERT_EQ(messages.shown.size(), 1u);
  s.rib.chord.mm = chord;
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Failed);
  ASSERT_EQ(messages.shown.size(), 2u);
  for (const platform::BoxRequest& box : messages.shown) EXPECT_EQ(box.title, "Erreur/1 Main/Mnu_DXF");
  EXPECT_NE(messages.shown[1].text.find("# 76"), std::string::npos);
}

// A drawing the user marked read-only is replaced only on their word, and stays read-only;
// the export for cutting asks the same way.
TEST_F(DxfExport, AReadOnlyDrawingIsReplacedOnlyAfterAsking) {
  namespace fs = std::filesystem;
  const std::string path = dir.File("kept.dxf");
  testsupport::WriteFile(path, "marked read-only");
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(path, readOnly);
  dialogs.answers = {path, path, path, path};
  messages.answers = {platform::BoxAnswer::No, platform::BoxAnswer::Yes, platform::BoxAnswer::No,
                      platform::BoxAnswer::Yes};
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Cancelled);
  ASSERT_EQ(messages.shown.size(), 1u);  // the question alone
  EXPECT_EQ(messages.shown[0].text, "Erreur/215\n" + path);
  EXPECT_EQ(messages.shown[0].defaultButton, 2);
  EXPECT_EQ(testsupport::ReadFile(path), "marked read-only");
  EXPECT_EQ(commands::ExportDxf(s), commands::DxfCommandResult::Written);
  EXPECT_EQ(testsupport::ReadFile(path).substr(0, 12), "0\r\nSECTION\r\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, readOnly);

  // The same marked file again, for the cut export.
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  testsupport::WriteFile(path, "marked read-only");
  fs::permissions(path, readOnly);
  EXPECT_EQ(commands::ExportForCutting(s, {}).outcome, commands::CutOutcome::Cancelled);
  EXPECT_EQ(testsupport::ReadFile(path), "marked read-only");
  EXPECT_EQ(commands::ExportForCutting(s, {}).outcome, commands::CutOutcome::Written);
  EXPECT_NE(testsupport::ReadFile(path), "marked read-only");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, readOnly);
}

}  // namespace
