// The defaults window as a user meets it: the unit options and what they fill in, the
// unit-change question and the new start, the folders, and what OK refuses.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "files/ini.h"
#include "files/settings.h"
#include "platform/restart.h"
#include "settingswindows/defaultswindow.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using settingswindows::DefaultLength;
using settingswindows::DefaultsWindow;
using testsupport::Key;

namespace {

class DefaultsTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    doc.settings.airfoilDir = dir.File("airfoils");
    doc.settings.seriesAirfoilDir = dir.File("series");
    files::SaveAllSettings(doc);  // a completed set-up in millimetres
    files::CompleteFirstRun(doc);
  }
  static std::string Text(QLineEdit* box) { return box->text().toStdString(); }
  // The next defaults window switches to inches and presses OK.
  static void ChooseInchesOnOk() {
    WhenModalIs<DefaultsWindow>([](DefaultsWindow* window) {
      window->InchOption()->click();
      window->OkButton()->click();
    });
  }

  platform::RecordingRestart restart;
  platform::ScopedProgramRestart useRestart{&restart};
};

TEST_F(DefaultsTest, InchesFillTheirDefaultsAndMarginsAndCancelKeepsMillimetres) {
  const std::string iniBefore = testsupport::ReadFile(doc.settings.iniFile);
  DefaultsWindow window(doc);
  EXPECT_TRUE(window.MillimetreOption()->isChecked());
  EXPECT_EQ(Text(window.LengthBox(DefaultLength::Chord)), "200");
  EXPECT_EQ(window.UnitLabel(DefaultLength::Chord)->text(), " mm");

  window.InchOption()->click();
  const settingswindows::DefaultsDraft draft = window.Draft();
  EXPECT_EQ(draft.lengths, (std::array<std::string, 6>{"8", "1/16", "0", "0", "0", "0"}));
  EXPECT_EQ(window.UnitLabel(DefaultLength::BlockRear)->text(), " in");
  EXPECT_EQ(std::tuple(draft.print.topMargin.text, draft.print.bottomMargin.text, draft.print.overlap.text,
                       draft.print.chordLineFromTop.text, draft.print.paperIndex),
            std::tuple("1/2", "1/2", "1", "2", 1));
  EXPECT_FLOAT_EQ(draft.print.topMargin.mm, 12.7f);  // half an inch

  // An inch box takes a fraction bar; back in millimetres it does not.
  QLineEdit* sheeting = window.LengthBox(DefaultLength::Sheeting);
  Retype(sheeting, "1/8x");
  EXPECT_EQ(Text(sheeting), "1/8");
  window.MillimetreOption()->click();
  EXPECT_EQ(Text(sheeting), "1.5");
  Retype(sheeting, "1/8");
  EXPECT_EQ(Text(sheeting), "18");

  window.InchOption()->click();
  window.CancelButton()->click();
  EXPECT_EQ(doc.settings.unitText, " mm");
  EXPECT_EQ(doc.print, core::PrintSetup{});
  EXPECT_EQ(testsupport::ReadFile(doc.settings.iniFile), iniBefore);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DefaultsTest, OkWithoutAUnitChangeStoresNeverEndsTheProgramAndSparesAnOpenRib) {
  QWidget mainWindow;
  mainWindow.show();
  int settingsChanges = 0;
  auto listening = doc.changes.Listen([&](core::Changes c) { settingsChanges += c.Has(core::Change::Settings); });
  // Any answer an earlier question might have left queued must not be taken as a Yes.
  messages.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
  WhenModalIs<DefaultsWindow>([](DefaultsWindow* window) {
    window->LengthBox(DefaultLength::Chord)->setText("250");
    window->LengthBox(DefaultLength::BlockHeight)->setText("30");
    window->OkButton()->click();
  });
  settingswindows::ChangeDefaults(doc, mainWindow);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(restart.starts, 0);
  EXPECT_TRUE(mainWindow.isVisible());
  EXPECT_EQ(settingsChanges, 1);
  EXPECT_EQ(Ini("Defaut", "cordeAfich"), "250");
  EXPECT_EQ(Ini("Defaut", "HTblocAfich"), "30");
  EXPECT_EQ(Ini("Defaut", "unit"), "mm");  // the file drops the blank; the reader restores it
  // No airfoil is open: the next rib starts from the new defaults.
  EXPECT_EQ(doc.rib.chord, (core::Length{250, "250"}));
  EXPECT_EQ(doc.rib.blocks.topHeight, (core::Length{30, "30"}));

  // An open rib keeps its dimensions; the window shows the defaults, not the rib's.
  OpenAirfoil("WING: 180");
  const core::RibSetup before = doc.rib;
  DefaultsWindow window(doc);
  EXPECT_EQ(Text(window.LengthBox(DefaultLength::Chord)), "250");
  window.LengthBox(DefaultLength::Chord)->setText("300");
  window.OkButton()->click();
  EXPECT_EQ(Ini("Defaut", "cordeAfich"), "300");
  EXPECT_EQ(doc.rib, before);
}

TEST_F(DefaultsTest, AUnitChangeAsksAndNoKeepsTheWindowOpenInTheUnitInForce) {
  DefaultsWindow window(doc);
  window.show();
  window.InchOption()->click();
  messages.answers = {BoxAnswer::No};
  window.OkButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmDefaut", "17") + "\n" + Key("FrmDefaut", "18"));
  EXPECT_EQ(messages.shown[0].buttons, platform::BoxButtons::YesNo);
  EXPECT_EQ(messages.shown[0].defaultButton, 2);  // No
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.MillimetreOption()->isChecked());
  EXPECT_EQ(Text(window.LengthBox(DefaultLength::Sheeting)), "1.5");
  EXPECT_EQ(window.Draft().print, doc.print);
  EXPECT_EQ(Ini("Defaut", "unit"), "mm");
  EXPECT_FALSE(window.RestartRequested());
}

TEST_F(DefaultsTest, AUnitChangeAnsweredYesSavesEverythingClosesAndStartsAgain) {
  QWidget mainWindow;
  mainWindow.show();
  messages.answers = {BoxAnswer::Yes};
  ChooseInchesOnOk();
  settingswindows::ChangeDefaults(doc, mainWindow);
  for (const auto& [section, key, value] : {std::tuple{"Defaut", "unit", "in"}, {"Defaut", "EpCoffrageAfich", "1/16"},
                                            {"Marges", "MargeHaut", "1/2"}, {"Marges", "NumIndex", "1"},
                                            {"Marges", "Ydprint", "2"}})
    EXPECT_EQ(Ini(section, key), value) << key;
  EXPECT_EQ(userStore.Get(platform::kUserStoreInstall, platform::kUserAirfoilDir), dir.File("airfoils"));
  EXPECT_FALSE(mainWindow.isVisible());
  EXPECT_EQ(restart.starts, 1);
  // The session ends in the unit it started with; the new start reads inches.
  EXPECT_EQ(doc.settings.unitText, " mm");
  core::RibDocument next = doc;
  files::StartSettings(next);
  EXPECT_EQ(next.settings.unitText, " in");
  EXPECT_FLOAT_EQ(next.rib.chord.mm, 8 * 25.4f);
}

TEST_F(DefaultsTest, ARefusedCloseOrAFailedStartIsNotTakenForARestart) {
  // A main window that will not close (the user kept a modified rib open).
  struct Stubborn : QWidget {
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
  } stubborn;
  stubborn.show();
  messages.answers = {BoxAnswer::Yes};
  ChooseInchesOnOk();
  settingswindows::ChangeDefaults(doc, stubborn);
  EXPECT_EQ(restart.starts, 0);
  EXPECT_TRUE(stubborn.isVisible());

  QWidget mainWindow;
  mainWindow.show();
  restart.succeeds = false;
  messages.answers = {BoxAnswer::Yes};
  ChooseInchesOnOk();
  settingswindows::ChangeDefaults(doc, mainWindow);
  EXPECT_EQ(restart.starts, 1);
  EXPECT_EQ(messages.shown.back().text, Key("FrmDefaut", "21"));
}

TEST_F(DefaultsTest, FoldersComeFromTheChooserAndAreStoredOnlyOnOk) {
  const std::string chosen = dir.File("mine");
  std::filesystem::create_directory(chosen);
  fileDialogs.answers = {chosen, ""};  // the second chooser is cancelled
  DefaultsWindow window(doc);
  window.AirfoilBrowseButton()->click();
  window.SeriesBrowseButton()->click();
  ASSERT_EQ(fileDialogs.folderTitles.size(), 2u);
  EXPECT_EQ(fileDialogs.folderTitles[0], Key("FrmDefaut", "16"));
  EXPECT_EQ(Text(window.AirfoilFolderBox()), chosen);
  EXPECT_EQ(Text(window.SeriesFolderBox()), dir.File("series"));
  EXPECT_EQ(doc.settings.airfoilDir, dir.File("airfoils"));  // not before OK

  window.AirfoilFolderBox()->setText(QString::fromStdString(chosen + "/"));
  window.OkButton()->click();
  EXPECT_EQ(doc.settings.airfoilDir, chosen);  // without its trailing separator
  EXPECT_EQ(doc.settings.lastOpenDir, chosen);
  EXPECT_EQ(Ini("Repertoires", "RepProfil"), chosen);
  EXPECT_EQ(Ini("Repertoires", "LastOpenProfil"), chosen);
  EXPECT_EQ(userStore.Get(platform::kUserStoreInstall, platform::kUserAirfoilDir), chosen);
  EXPECT_EQ(userStore.Get(platform::kUserStoreInstall, platform::kUserSeriesDir), dir.File("series"));
}

TEST_F(DefaultsTest, OkRefusesWhatANewRibCouldNotUseAndPointsAtTheBox) {
  struct Case {
    const char* what;
    bool inches;
    DefaultLength box;
    const char* text;
    std::string message;
  };
  const std::string kForms = Key("Message", "25") + " " + Key("Message", "26");
  const Case cases[] = {
      {"no chord", false, DefaultLength::Chord, "0", Key("FrmDefaut", "19")},
      {"empty chord", false, DefaultLength::Chord, "", Key("FrmDefaut", "19")},
      {"division by zero", true, DefaultLength::Sheeting, "1/0", Key("Message", "24") + " \"1/0\"\n" + kForms},
      {"point in a fraction", true, DefaultLength::BlockFront, "1./2", Key("Message", "24") + " \"1./2\"\n" + kForms},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages.shown.clear();
    messages.answers = {BoxAnswer::No};  // the unit question, when asked, must not come first
    DefaultsWindow window(doc);
    window.show();
    if (c.inches) window.InchOption()->click();
    window.LengthBox(c.box)->setText(c.text);
    window.OkButton()->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.focusWidget(), window.LengthBox(c.box));
    EXPECT_EQ(Ini("Defaut", "cordeAfich"), "200");
  }

  messages.shown.clear();
  DefaultsWindow window(doc);
  window.show();
  window.SeriesFolderBox()->setText(QString::fromStdString(dir.File("gone")));
  window.OkButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmDefaut", "20") + "\n" + dir.File("gone"));
  EXPECT_EQ(window.focusWidget(), window.SeriesFolderBox());
  EXPECT_EQ(doc.settings.seriesAirfoilDir, dir.File("series"));
}

}  // namespace
