// Start-up as a user meets it: the language chooser, the decimal-mark question, the splash,
// the about box, and the settings written at the first start.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "files/ini.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/langwindow.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/splash.h"
#include "mainwindow/startup.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class Startup : public testsupport::WindowTest {
 protected:
  // Picks `language` in the chooser that opens next, or presses OK untouched.
  void ChooseLanguage(const QString& language) {
    WhenModal([language](QWidget* modal) {
      auto* lang = qobject_cast<mainwindow::LangWindow*>(modal);
      ASSERT_NE(lang, nullptr);
      if (!language.isEmpty()) {
        lang->Combo1()->setCurrentIndex(lang->Combo1()->findText(language));
        emit lang->Combo1()->activated(lang->Combo1()->currentIndex());
      }
      lang->ok()->click();
    });
  }
};

TEST_F(Startup, firstStartChoosesTheLanguageAndReadsEveryTextFromIt) {
  core::App().languageName.clear();
  core::App().languageFile.clear();
  // OK without a choice is refused, then a language is chosen.
  ChooseLanguage("");
  QTimer::singleShot(50, [this] { ChooseLanguage("Francais"); });
  mainwindow::LangChooser chooser;
  EXPECT_TRUE(files::StartLanguage(core::App(), chooser));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Please select a language");
  EXPECT_EQ(files::GetINIFile("Language", "Langue", core::App().iniFile), "Francais");
  EXPECT_EQ(core::App().languageFile, dir.File("Francais.lng"));
  EXPECT_EQ(platform::Text("MenuFile", "1"), "&Fichier");
  EXPECT_FALSE(core::App().choosingLanguage);

  // The language window shows the language in force and reloads only on a change.
  int reloads = 0;
  mainwindow::LangWindow lang(nullptr, [&] { ++reloads; });
  EXPECT_EQ(lang.Combo1()->currentText(), "Francais");
  lang.ok_Click();
  EXPECT_EQ(reloads, 0);
  mainwindow::LangWindow again(nullptr, [&] { ++reloads; });
  again.Combo1()->setCurrentIndex(again.Combo1()->findText("English"));
  emit again.Combo1()->activated(again.Combo1()->currentIndex());
  again.ok_Click();
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(platform::Text("MenuFile", "1"), "&File");
}

TEST_F(Startup, splashAndAboutBoxShowTheVersionAndClose) {
  auto* splash = new mainwindow::Splash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<mainwindow::Splash> alive(splash);
  splash->show();
  EXPECT_TRUE(splash->Timer1()->isActive());
  EXPECT_EQ(splash->Label("lblversion")->text().toStdString(), Key("FrmAbout", "3") + "  " + core::VersionText());
  desktop.busy = true;
  QTest::mouseClick(splash->Image1(), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
  EXPECT_FALSE(desktop.busy);

  mainwindow::AboutBox about;
  EXPECT_EQ(about.Label("lblversion")->text().toStdString(), Key("FrmAbout", "3") + " " + core::VersionText());
  about.show();
  about.cmdok()->click();
  EXPECT_FALSE(about.isVisible());
}

// Keeps the settings file as it stood when the first question of the start was asked.
class SnapshotMessages : public platform::RecordingMessages {
 public:
  explicit SnapshotMessages(std::string ini) : ini_(std::move(ini)) {}
  platform::BoxAnswer Show(const platform::BoxRequest& request) override {
    if (shown.empty()) iniAtFirstQuestion = testsupport::ReadFile(ini_);
    return RecordingMessages::Show(request);
  }
  std::string iniAtFirstQuestion;

 private:
  std::string ini_;
};

TEST_F(Startup, firstStartWritesEverySettingThenInstallLastAndTheNextStartReadsThem) {
  core::SharedState& s = core::App();
  s.languageName.clear();
  s.languageFile.clear();
  SnapshotMessages offer(s.iniFile);
  platform::ScopedMessages useOffer(&offer);
  offer.answers = {BoxAnswer::No};  // the airfoil pack: not now
  ChooseLanguage("English");
  std::unique_ptr<mainwindow::MainWindow> window = mainwindow::StartProgram(false);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(offer.shown.size(), 2u);
  EXPECT_EQ(offer.shown[0].title, Key("FrmConfig", "1"));
  const std::string& before = offer.iniAtFirstQuestion;
  for (const char* key : {"coulprofil", "coulprofil2", "lineaxe", "lineprofil2", "profil", "eplinebloc",
                          "TailleFont", "unit", "cordeAfich", "EpCoffrageAfich", "EpBAAfich", "HTblocAfich",
                          "BAblocAfich", "BFblocAfich", "RepProfil", "RepProfilevol", "LastOpenProfil",
                          "MargeHaut", "MargeBas", "recouvrement", "NumIndex", "Ydprint", "Langue"})
    EXPECT_NE(before.find("\n" + std::string(key) + "="), std::string::npos) << key;
  EXPECT_EQ(before.find("Install="), std::string::npos);  // not before the offer
  EXPECT_EQ(files::GetINIFile("Repertoires", "Install", s.iniFile), "1");
  EXPECT_EQ(files::GetINIFile("Repertoires", "RepProfil", s.iniFile), dir.File("airfoils"));
  EXPECT_EQ(s.firstRun, 0);

  // The next start reads them and asks only about a decimal comma: No goes on, Yes ends.
  offer.shown.clear();
  desktop.decimalMark = ',';
  offer.answers = {BoxAnswer::No, BoxAnswer::Yes};
  std::unique_ptr<mainwindow::MainWindow> again = mainwindow::StartProgram(false);
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->isVisible());
  ASSERT_EQ(offer.shown.size(), 1u);
  EXPECT_EQ(offer.shown[0].icon, platform::BoxIcon::Critical);
  EXPECT_FALSE(desktop.busy);
  EXPECT_EQ(mainwindow::StartProgram(false), nullptr);
}

}  // namespace
