// The companion pack offer: the question with its folder, the copy, the refusal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "files/ini.h"
#include "platform/texts.h"
#include "settingswindows/airfoilpack.h"
#include "settingswindows/airfoilpackoffer.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class KaldrexOffer : public testsupport::WindowTest {
 protected:
  // Answers the configuration window that opens next.
  static void Answer(bool yes) {
    WhenModalIs<settingswindows::ConfigurationWindow>([yes](settingswindows::ConfigurationWindow* window) {
      (yes ? window->YesButton() : window->NoButton())->click();
    });
  }
};

// The pack is offered for the user's own airfoil folder, never for the program's folders.
TEST_F(KaldrexOffer, ThePackGoesToTheUsersFolderNotTheProgramsOwn) {
  const std::string documents = dir.File("Documents");
  for (const std::string& programs : {dir.File("airfoils"), dir.File("airfoils/"), dir.path().string(), std::string()}) {
    doc.settings.airfoilDir = programs;
    // The folder's name in the language in force, the English one without a language.
    const std::string named = platform::Text("FrmConfig", "13");
    EXPECT_EQ(settingswindows::PackDestinationProposal(doc, documents),
              documents + "/" + (named.empty() ? "Vandrell airfoils" : named))
        << programs;
  }
  doc.settings.airfoilDir = "/data/airfoils";
  EXPECT_EQ(settingswindows::PackDestinationProposal(doc, documents), "/data/airfoils");
}

// One question naming the pack after its program, one folder choice, one report; the
// airfoil folder is then where the pack went, for this session and the next. Only airfoil
// files are copied, and never over the user's own.
TEST_F(KaldrexOffer, YesCopiesThePackWhereChosenAndMakesItTheAirfoilFolder) {
  testsupport::WriteFile(dir.File("airfoils/clarky.dat"), "C");
  testsupport::WriteFile(dir.File("airfoils/e387.COR"), "E");
  testsupport::WriteFile(dir.File("airfoils/readme.txt"), "R");
  const std::string mine = dir.File("mine"), chosen = dir.File("chosen");
  std::filesystem::create_directories(chosen);
  testsupport::WriteFile(chosen + "/e387.COR", "my own");
  doc.settings.airfoilDir = mine;
  fileDialogs.answers = {chosen + " "};
  std::string title, question;
  WhenModalIs<settingswindows::ConfigurationWindow>([&](settingswindows::ConfigurationWindow* window) {
    title = window->windowTitle().toStdString();
    question = window->Question()->text().toStdString();
    EXPECT_EQ(window->FolderBox()->text().toStdString(), mine);
    window->ChooseButton()->click();
    EXPECT_EQ(window->FolderBox()->text().toStdString(), chosen);
    window->YesButton()->click();
  });
  settingswindows::OfferAirfoilPack(doc);
  EXPECT_EQ(title, Key("FrmConfig", "1") + " \u2013 Kaldrex");
  EXPECT_EQ(question, Key("FrmConfig", "2") + " \"Kaldrex\" " + Key("FrmConfig", "12"));
  ASSERT_EQ(fileDialogs.folderTitles.size(), 1u);
  EXPECT_EQ(fileDialogs.folderTitles[0], Key("FrmConfig", "5") + " Kaldrex");
  EXPECT_EQ(testsupport::ReadFile(chosen + "/clarky.dat"), "C");
  EXPECT_EQ(testsupport::ReadFile(chosen + "/e387.COR"), "my own");
  EXPECT_FALSE(std::filesystem::exists(chosen + "/readme.txt"));
  EXPECT_FALSE(std::filesystem::exists(mine));
  EXPECT_EQ(doc.settings.airfoilDir, chosen);
  EXPECT_EQ(doc.settings.lastOpenDir, chosen);
  EXPECT_EQ(userStore.Get(platform::kUserStoreInstall, platform::kUserAirfoilDir), chosen);
  EXPECT_EQ(files::GetINIFile("Repertoires", "RepProfil", doc.settings.iniFile), chosen);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "1 " + Key("FrmConfig", "10") + "\n" + chosen + "\n\n1 " + Key("FrmConfig", "11"));
  EXPECT_EQ(messages.shown[0].icon, platform::BoxIcon::Information);
  EXPECT_TRUE(desktop.programsStarted.empty());
  EXPECT_FALSE(desktop.busy);
}

// Declined, or with nothing to copy: one message, and the airfoil folder stays.
TEST_F(KaldrexOffer, NoOrAnEmptyPackLeavesTheAirfoilFolder) {
  doc.settings.airfoilDir = "/data/airfoils";
  Answer(false);
  settingswindows::OfferAirfoilPack(doc);
  ASSERT_EQ(messages.shown.size(), 1u);
  const std::string where = " '" + Key("FrmDefaut", "14") + "'.";
  EXPECT_EQ(messages.shown[0].text, Key("FrmConfig", "4") + where + "\n\n" + Key("FrmConfig", "41"));

  doc.settings.airfoilDir = dir.File("mine");
  Answer(true);  // the program's airfoils folder holds no airfoil
  settingswindows::OfferAirfoilPack(doc);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, Key("FrmConfig", "9") + " " + dir.File("mine"));
  EXPECT_EQ(messages.shown[1].icon, platform::BoxIcon::Critical);
  EXPECT_EQ(doc.settings.airfoilDir, dir.File("mine"));
}

}  // namespace
