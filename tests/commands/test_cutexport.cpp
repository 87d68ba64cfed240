// File, Export for cutting: the kerf as typed, the remembered choices, the save dialog and
// what the user is told.
#include <gtest/gtest.h>

#include "commands/cutexport.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/notices.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "support/dxfsummary.h"
#include "support/exporttest.h"
#include "support/testsupport.h"

namespace {

using output::CutFormat;

class CutExport : public testsupport::ExportTest {};

TEST_F(CutExport, KerfIsAPlainWidthAsTheBoxesTakeIt) {
  EXPECT_EQ(commands::ReadKerf("0.15"), 0.15);
  EXPECT_EQ(commands::ReadKerf("0,15"), 0.15);
  EXPECT_EQ(commands::ReadKerf(".2"), 0.2);
  EXPECT_EQ(commands::ReadKerf(" 3. "), 3.0);
  for (const char* bad : {"", " ", ".", "1.2.3", "1,2,3", "-1", "1e3", "0x1", "inf"})
    EXPECT_FALSE(commands::ReadKerf(bad)) << bad;
  EXPECT_EQ(commands::KerfText(0.15), "0.15");
  EXPECT_EQ(commands::KerfText(0), "0");
  EXPECT_EQ(commands::KerfText(2.5), "2.5");
}

TEST_F(CutExport, TheWindowsChoicesAreCheckedThenRememberedForTheUser) {
  std::string why;
  EXPECT_EQ(commands::SettingsFromWindow(CutFormat::Svg, "", true, why)->kerfMm, 0);
  EXPECT_FALSE(commands::SettingsFromWindow(CutFormat::Svg, "1..2", true, why));
  EXPECT_EQ(why, "filedxf/164");
  EXPECT_FALSE(commands::SettingsFromWindow(CutFormat::Svg, "10.5", true, why));
  EXPECT_EQ(why, "filedxf/161 10 mm");
  std::optional<commands::CutSettings> chosen = commands::SettingsFromWindow(CutFormat::DxfR12, "10", true, why);
  ASSERT_TRUE(chosen);
  // Stored and read back, the widest kerf included (the defaults are the export window's
  // tests'); a store edited by hand into nonsense reads as the defaults.
  commands::StoreCutSettings(*chosen);
  const commands::CutSettings again = commands::LoadCutSettings();
  EXPECT_EQ(std::tuple(again.format, again.kerfMm, again.marks), std::tuple(CutFormat::DxfR12, 10.0, true));
  store.Set("Cut", "Format", "dwg");
  store.Set("Cut", "Kerf", "wide");
  EXPECT_EQ(commands::LoadCutSettings().format, CutFormat::DxfR2000);
  EXPECT_EQ(commands::LoadCutSettings().kerfMm, 0);
}

TEST_F(CutExport, FileKindIsTheExtensionInAnyCase) {
  EXPECT_EQ(commands::CutFileKindOf("rib.DXF"), commands::CutFileKind::Dxf);
  EXPECT_EQ(commands::CutFileKindOf("/a.b/rib.svg"), commands::CutFileKind::Svg);
  EXPECT_FALSE(commands::CutFileKindOf("rib.pdf"));
  EXPECT_FALSE(commands::CutFileKindOf(".svg")) << "a name and not only an extension";
  EXPECT_FALSE(commands::CutFileKindOf("dxf"));
}

TEST_F(CutExport, AsksWithTheFormatsFilterThenRemembersTheFolder) {
  std::filesystem::create_directory(dir.path() / "laser");
  const std::string target = (dir.path() / "laser" / "clarky.svg").string();
  dialogs.answers = {target, ""};
  // Nothing remembered yet: the first export starts in the project's folder.
  std::filesystem::create_directory(dir.path() / "project");
  s.project.path = (dir.path() / "project" / "clarky.vdl").string();
  platform::RecordingNotices notices;
  platform::ScopedNotices useNotices(&notices);
  commands::CutExportResult result = commands::ExportForCutting(s, {CutFormat::Svg, 0.2, true});
  EXPECT_EQ(result.outcome, commands::CutOutcome::Written);
  EXPECT_EQ(notices.written, std::vector<std::string>{target});
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, "filedxf/163");
  EXPECT_EQ(dialogs.requests[0].filter, "MainTolbar/26 SVG (*.svg)|*.svg|");
  EXPECT_EQ(dialogs.requests[0].defaultExt, "svg");
  EXPECT_EQ(dialogs.requests[0].fileName, "clarky");
  EXPECT_TRUE(dialogs.requests[0].overwritePrompt);
  EXPECT_EQ(dialogs.requests[0].initialDir, (dir.path() / "project").string());
  EXPECT_NE(testsupport::ReadFile(target).find("<svg"), std::string::npos);
  EXPECT_TRUE(messages.shown.empty());
  // The next export starts where this one went; a cancel writes nothing and says nothing.
  EXPECT_EQ(commands::ExportForCutting(s, {}).outcome, commands::CutOutcome::Cancelled);
  EXPECT_EQ(dialogs.requests[1].initialDir, (dir.path() / "laser").string() + "/");
  EXPECT_EQ(dialogs.requests[1].filter, "MainTolbar/26 DXF (*.dxf)|*.dxf|");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CutExport, AFailedWriteEndsInTheErrorReportNamingTheFile) {
  const std::string target = dir.File("missing/clarky.dxf");
  dialogs.answers = {target};
  EXPECT_EQ(commands::ExportForCutting(s, {}).outcome, commands::CutOutcome::Failed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(target), std::string::npos) << messages.shown[0].text;
  EXPECT_NE(messages.shown[0].title.find("Mnu_Cut"), std::string::npos);
}

TEST_F(CutExport, HolesTooNarrowForTheKerfAreReported) {
  s.rib.holes[0].positionText = "40%", s.rib.holes[0].size.mm = 0.2f, s.rib.holes[0].centred = 1;
  dialogs.answers = {dir.File("clarky.dxf")};
  commands::CutExportResult result = commands::ExportForCutting(s, {CutFormat::DxfR12, 0.3, false});
  EXPECT_EQ(result.outcome, commands::CutOutcome::Written);
  EXPECT_EQ(result.holesLeftOut, 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "filedxf/162 " + dir.File("clarky.dxf"));
}

// No chord, or sheeting thicker than half of Clark Y's 23.4 mm at 200 mm.
TEST_F(CutExport, NothingToCutIsSaidAndNothingWritten) {
  struct Case {
    float chord, sheeting;
    commands::CutOutcome outcome;
    const char* text;
  };
  for (const Case& c : {Case{0, 1.5, commands::CutOutcome::NoPart, "filedxf/160"},
                        Case{200, 12, commands::CutOutcome::NoRibLeft, "filedxf/165"}}) {
    SCOPED_TRACE(c.text);
    s.rib.chord.mm = c.chord;
    s.rib.sheeting.mm = c.sheeting;
    messages.shown.clear();
    dialogs.answers = {dir.File("clarky.dxf")};
    EXPECT_EQ(commands::ExportForCutting(s, {}).outcome, c.outcome);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.text);
    EXPECT_TRUE(dialogs.requests.empty()) << "refused before asking for a file";
    EXPECT_FALSE(std::filesystem::exists(dir.File("clarky.dxf")));
  }
}

}  // namespace
