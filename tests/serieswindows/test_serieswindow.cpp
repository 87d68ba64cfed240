// The series windows: the checks in their order with their messages, a series written
// from real airfoils and written again elsewhere, the spaced table and its panel length,
// the menu's question, the folder choice, the table of the files and what the windows keep.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "files/ini.h"
#include "serieswindows/seriestablewindow.h"
#include "serieswindows/serieswindow.h"
#include "support/windowtest.h"

using serieswindows::SeriesKind;
using serieswindows::SeriesWindow;
using testsupport::Key;

namespace {

class SeriesWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    serieswindows::ForgetSeriesEntries();  // each test a session of its own
    doc.settings.seriesAirfoilDir = dir.File("series");
  }
  // Answers the open window's question with these real airfoils, in turn.
  serieswindows::AirfoilPicker Picker() {
    return [this](const std::string& caption) -> std::optional<serieswindows::PickedAirfoil> {
      captions.push_back(caption);
      const std::string path = testsupport::AirfoilPath(pickNext++ % 2 == 0 ? "clarky.dat" : "naca0012.dat");
      serieswindows::PickedAirfoil p{path, {}};
      if (!files::ReadAirfoilFile(path, p.data).ok()) return std::nullopt;
      return p;
    };
  }
  std::string SeriesFile(const std::string& name) const { return dir.File("series/" + name); }
  // Picks the two airfoils and types the rib count and the two chords.
  static void Fill(SeriesWindow& w, const char* ribs, const char* rootChord, const char* tipChord) {
    w.OpenAirfoil(0);
    w.OpenAirfoil(1);
    Retype(w.RibCountBox(), ribs);
    Retype(w.ChordBox(0), rootChord);
    Retype(w.ChordBox(1), tipChord);
  }

  std::vector<std::string> captions;
  int pickNext = 0;
};

// The order of the checks is the core's (tested there); here each refusal is told with its
// message and the box at fault is selected.
TEST_F(SeriesWindowTest, ChecksComeInOrderEachWithItsMessage) {
  SeriesWindow w(doc, SeriesKind::Even, Picker(), nullptr);
  const std::string caption = Key("FrmTraCevol", "1");
  EXPECT_EQ(w.windowTitle().toStdString(), caption);
  EXPECT_EQ(w.FolderBox()->text().toStdString(), doc.settings.seriesAirfoilDir);

  EXPECT_FALSE(w.Generate());
  EXPECT_EQ(LastMessage(), Key("FrmTraCevol", "16"));
  EXPECT_EQ(messages.shown.back().title, caption);
  // A count above the limit is refused key by key and said in place, not at Generate; the
  // box keeps what it held, even filled in rather than typed.
  w.RibCountBox()->setText("9");
  QTest::keyClick(w.RibCountBox(), Qt::Key_1);
  EXPECT_EQ(w.RibCountBox()->text(), "9");
  EXPECT_FALSE(w.RibCountNote()->isHidden());
  EXPECT_EQ(w.RibCountNote()->text().toStdString(), Key("FrmTraCevol", "12") + " 90");
  EXPECT_EQ(messages.shown.size(), 1u);
  Retype(w.RibCountBox(), "3");
  EXPECT_TRUE(w.RibCountNote()->isHidden());
  Retype(w.ChordBox(0), "100");
  Retype(w.ChordBox(1), "200");
  EXPECT_FALSE(w.Generate());
  EXPECT_EQ(LastMessage(), Key("FrmTraCevol", "14"));
  EXPECT_EQ(w.ChordBox(1)->selectedText(), "200");
  Retype(w.ChordBox(0), "200");
  Retype(w.ChordBox(1), "100");
  EXPECT_FALSE(w.Generate());
  EXPECT_EQ(LastMessage(), Key("FrmTraCevol", "15"));
  // Letters never reach a chord box.
  QTest::keyClicks(w.ChordBox(1), "x");
  EXPECT_EQ(w.ChordBox(1)->text(), "100");
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("series")));
}

TEST_F(SeriesWindowTest, WritesTheSeriesAndOpensItsFilesFromTheTable) {
  SeriesWindow w(doc, SeriesKind::Even, Picker(), nullptr);
  Fill(w, "3", "200", "100");
  EXPECT_EQ(captions, (std::vector<std::string>{Key("FrmTraCevol", "10"), Key("FrmTraCevol", "11")}));
  EXPECT_EQ(w.AirfoilBox(0)->text(), "clarky");
  EXPECT_EQ(w.AirfoilBox(1)->text(), "naca0012");
  ASSERT_TRUE(w.Generate());

  // The files and their titles are the series command's tests; the completion message names
  // the folder and each file with its chord, in the words of the language.
  const std::string first(1, Key("MainTolbar", "25")[0]);
  EXPECT_NE(LastMessage().find(Key("FrmConfig", "3") + " : " + doc.settings.seriesAirfoilDir), std::string::npos);
  EXPECT_NE(LastMessage().find("clarky&naca0012" + first + "04.dat"), std::string::npos);
  EXPECT_NE(LastMessage().find("125.00"), std::string::npos);

  // The same series again: asked, the user picks another folder, which the window shows
  // (that the files go there: the series command's tests).
  std::filesystem::create_directory(dir.File("elsewhere"));
  messages.answers = {platform::BoxAnswer::No};
  fileDialogs.answers = {dir.File("elsewhere")};
  ASSERT_TRUE(w.Generate());
  EXPECT_EQ(w.FolderBox()->text().toStdString(), dir.File("elsewhere"));

  // The table's rows (opening them one after another is the series menu's test).
  serieswindows::SeriesTableWindow table(*w.LastSeries(), w.LastResult().paths, nullptr);
  ASSERT_EQ(table.Table()->rowCount(), 5);
  EXPECT_EQ(table.Table()->item(2, 1)->text(), "50 %");
  EXPECT_EQ(table.Table()->item(3, 2)->text(), "125.00");
}

// The table stays open beside the main window, so that each rib can be drawn, changed and
// printed in between; the series window, which would keep the main window out of reach,
// makes way. A summary that names more ribs than a series can have opens nothing.
TEST_F(SeriesWindowTest, TheTableOfAnEarlierSeriesStaysOpenBesideTheMainWindow) {
  {
    SeriesWindow first(doc, SeriesKind::Even, Picker(), nullptr);
    Fill(first, "2", "180", "120");
    ASSERT_TRUE(first.Generate());
  }
  const std::string tooMany = SeriesFile("root&tip_200_100_3.txt");
  std::filesystem::copy_file(std::string(VANDRELL_SOURCE_DIR) + "/fuzz/corpus/series/series-summary-too-many-ribs.txt",
                             tooMany);
  QWidget mainWindow;
  std::vector<std::string> opened;
  auto* w = new SeriesWindow(doc, SeriesKind::Even, Picker(),
                             [&opened](const std::string& path) {
                               opened.push_back(path);
                               return true;
                             }, &mainWindow);
  w->show();
  fileDialogs.answers = {tooMany, SeriesFile("clarky&naca0012_180_120_4.txt")};
  w->TableButton()->click();
  EXPECT_EQ(LastMessage(), Key("FrmTraCevol", "43") + " 92\n" + tooMany);
  EXPECT_TRUE(mainWindow.findChildren<serieswindows::SeriesTableWindow*>().isEmpty());
  EXPECT_TRUE(w->isVisible());

  w->TableButton()->click();
  EXPECT_EQ(fileDialogs.requests.back().initialDir, doc.settings.seriesAirfoilDir);
  const auto tables = mainWindow.findChildren<serieswindows::SeriesTableWindow*>();
  ASSERT_EQ(tables.size(), 1);
  serieswindows::SeriesTableWindow* table = tables[0];
  EXPECT_TRUE(table->isVisible());
  EXPECT_FALSE(table->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(table->Table()->rowCount(), 4);
  EXPECT_EQ(table->Table()->item(1, 2)->text(), "160.00");
  table->NextButton()->click();
  const std::string first(1, Key("MainTolbar", "25")[0]);
  EXPECT_EQ(opened, std::vector<std::string>{SeriesFile("clarky&naca0012" + first + "02.dat")});
  table->close();
}

TEST_F(SeriesWindowTest, AFolderThatCannotBeWrittenIsReportedWithTheFileAndTheCount) {
  SeriesWindow w(doc, SeriesKind::Even, Picker(), nullptr);
  Fill(w, "0", "150", "150");  // equal chords are accepted
  const std::string first(1, Key("MainTolbar", "25")[0]);
  std::filesystem::create_directory(SeriesFile("clarky&naca0012" + first + "02.dat"));
  EXPECT_FALSE(w.Generate());
  EXPECT_NE(messages.shown.back().title.find("TracEvol/SaveProfil"), std::string::npos);
  EXPECT_NE(LastMessage().find(SeriesFile("clarky&naca0012" + first + "02.dat")), std::string::npos);
  EXPECT_NE(LastMessage().find(Key("FrmTraCevol", "34") + " 1"), std::string::npos);
  EXPECT_EQ(w.LastSeries(), nullptr);
}

// The spacing table by keyboard alone: a rib number is chosen with Space or Enter, Enter in
// the table's boxes applies the row, and Generate takes what is typed first, so that a
// refusal never empties the boxes. The count stops at 12 as it is typed.
TEST_F(SeriesWindowTest, SpacedTableByKeyboardShowsThePanelLengthAndRefusesZeroGaps) {
  SeriesWindow w(doc, SeriesKind::Spaced, Picker(), nullptr);
  EXPECT_EQ(w.windowTitle().toStdString(), Key("FrmTraCevol2", "1"));
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  Fill(w, "1", "200", "100");
  Retype(w.EndThicknessBox(), "2");
  EXPECT_EQ(w.RibLabel(1)->text(), "1");
  EXPECT_EQ(w.RibLabel(2)->text().toStdString(), Key("FrmTraCevol2", "24"));
  EXPECT_TRUE(w.RibLabel(3)->isHidden());

  w.RibLabel(2)->setFocus();
  QTest::keyClick(w.RibLabel(2), Qt::Key_Space);
  EXPECT_EQ(w.SelectedRib(), 2);
  EXPECT_FALSE(w.RibThicknessBox()->isEnabled());  // the tip rib's thickness is the root's
  EXPECT_EQ(QApplication::focusWidget(), w.GapBox());
  w.RibLabel(1)->setFocus();
  QTest::keyClick(w.RibLabel(1), Qt::Key_Return);
  EXPECT_EQ(w.SelectedRib(), 1);
  ASSERT_EQ(QApplication::focusWidget(), w.RibThicknessBox());
  QTest::keyClicks(w.RibThicknessBox(), "2");
  QTest::keyClick(w.RibThicknessBox(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), w.GapBox());
  QTest::keyClicks(w.GapBox(), "98");
  QTest::keyClick(w.GapBox(), Qt::Key_Return);
  // 1 + 98 + 1 to the rib, 1 + 0 + 1 to the tip, 1 + 1 for the outer halves.
  EXPECT_EQ(w.PanelLengthLabel()->text(), "104 mm");
  EXPECT_TRUE(messages.shown.empty());  // Enter applied the row and generated nothing

  // The tip's gap typed but not applied: Generate takes it. Rib 1 typed over but not applied:
  // Generate's refusal (a zero thickness) leaves it in its boxes.
  QTest::keyClick(w.RibLabel(2), Qt::Key_Space);
  QTest::keyClicks(w.GapBox(), "98");
  QTest::keyClick(w.RibLabel(1), Qt::Key_Space);
  TypeOver(w.RibThicknessBox(), "0");
  EXPECT_FALSE(w.Generate());
  EXPECT_EQ(LastMessage(), Key("FrmTraCevol2", "10"));
  EXPECT_EQ(w.SelectedRib(), 1);
  EXPECT_EQ(w.RibThicknessBox()->text(), "0");
  EXPECT_EQ(w.GapBox()->text(), "98");
  TypeOver(w.RibThicknessBox(), "2");
  ASSERT_TRUE(w.Generate());
  EXPECT_EQ(w.PanelLengthLabel()->text(), "202 mm");

  // A 13th intermediate rib is refused as it is typed, and said under the box.
  TypeOver(w.RibCountBox(), "13");
  EXPECT_EQ(w.RibCountBox()->text(), "1");
  EXPECT_EQ(w.RibCountNote()->text().toStdString(), Key("FrmTraCevol2", "12") + " 12");
  EXPECT_TRUE(w.RibCountNote()->isVisible());
  QTest::keyClick(w.RibCountBox(), Qt::Key_2);
  EXPECT_FALSE(w.RibCountNote()->isVisible());
  EXPECT_TRUE(w.RibLabel(13)->isVisible());
  EXPECT_EQ(w.RibLabel(13)->text().toStdString(), Key("FrmTraCevol2", "24"));
}

// A series window opens with what the last one of its kind held in the session: both
// airfoils (read, not only named), the chords, the count and the spaced table.
TEST_F(SeriesWindowTest, EachKindKeepsItsEntriesForTheSession) {
  {
    SeriesWindow even(doc, SeriesKind::Even, Picker(), nullptr);
    Fill(even, "3", "200", "100");
  }
  QString panelLength;
  {
    SeriesWindow spaced(doc, SeriesKind::Spaced, Picker(), nullptr);
    EXPECT_TRUE(spaced.AirfoilBox(0)->text().isEmpty()) << "each kind its own";
    Fill(spaced, "2", "210", "110");
    Retype(spaced.EndThicknessBox(), "3");
    spaced.SelectRib(2);
    Retype(spaced.RibThicknessBox(), "2");
    Retype(spaced.GapBox(), "40");
    spaced.ApplyRib();
    panelLength = spaced.PanelLengthLabel()->text();
  }
  SeriesWindow even(doc, SeriesKind::Even, nullptr, nullptr);  // nothing to pick from
  EXPECT_EQ(even.AirfoilBox(1)->text(), "naca0012");
  EXPECT_EQ(even.ChordBox(0)->text(), "200");
  EXPECT_EQ(even.RibCountBox()->text(), "3");
  ASSERT_TRUE(even.Generate());
  EXPECT_TRUE(std::filesystem::exists(SeriesFile("clarky&naca0012_200_100_5.txt")));

  SeriesWindow spaced(doc, SeriesKind::Spaced, nullptr, nullptr);
  EXPECT_EQ(spaced.ChordBox(1)->text(), "110");
  EXPECT_EQ(spaced.EndThicknessBox()->text(), "3");
  spaced.SelectRib(2);
  EXPECT_EQ(spaced.RibThicknessBox()->text(), "2");
  EXPECT_EQ(spaced.GapBox()->text(), "40");
  EXPECT_EQ(spaced.PanelLengthLabel()->text(), panelLength);
}

TEST_F(SeriesWindowTest, TheMenuAsksBeforeClearingTheRibAndTheFolderIsKept) {
  OpenAirfoil();
  ASSERT_TRUE(doc.airfoil.loaded);
  doc.project.modified = false;  // nothing unsaved: the tool's own Yes or No
  messages.answers = {platform::BoxAnswer::No};
  serieswindows::RunSeriesTool(doc, SeriesKind::Even, Picker(), nullptr, nullptr);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmMainMessage", "11"));
  EXPECT_EQ(messages.shown[0].title, Key("FrmMainMessage", "12"));
  EXPECT_EQ(messages.shown[0].defaultButton, 2);  // No
  EXPECT_TRUE(doc.airfoil.loaded);  // Yes is the series menu's test

  SeriesWindow w(doc, SeriesKind::Even, Picker(), nullptr);
  std::filesystem::create_directory(dir.File("elsewhere"));
  fileDialogs.answers = {dir.File("elsewhere")};
  w.ChooseFolder();
  EXPECT_EQ(fileDialogs.folderTitles.back(), Key("FrmDefaut", "16"));
  EXPECT_EQ(doc.settings.seriesAirfoilDir, dir.File("elsewhere"));
  EXPECT_EQ(w.FolderBox()->text().toStdString(), dir.File("elsewhere"));
  EXPECT_EQ(files::GetINIFile("Repertoires", "RepProfilevol", doc.settings.iniFile), dir.File("elsewhere"));
  EXPECT_EQ(userStore.Get(platform::kUserStoreInstall, platform::kUserSeriesDir), dir.File("elsewhere"));
}

}  // namespace
