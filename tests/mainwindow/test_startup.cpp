// Start-up as a user meets it: the language chooser, the decimal-mark notice, the splash,
// the about box, and the settings written at the first start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "files/ini.h"
#include "platform/account.h"
#include "settingswindows/airfoilpackoffer.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/languagewindow.h"
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
    WhenModalIs<mainwindow::LanguageWindow>([language](mainwindow::LanguageWindow* lang) {
      if (!language.isEmpty()) {
        lang->LanguageList()->setCurrentIndex(lang->LanguageList()->findData(language));
        emit lang->LanguageList()->activated(lang->LanguageList()->currentIndex());
      }
      lang->OkButton()->click();
    });
  }
  // Presses No in the airfoil pack window once it opens (after any other modal window).
  void DeclinePack(int tries = 500) {
    QTimer::singleShot(10, [this, tries] {
      auto* pack = qobject_cast<settingswindows::ConfigurationWindow*>(QApplication::activeModalWidget());
      if (pack) {
        packTitle = pack->windowTitle().toStdString();
        pack->NoButton()->click();
      } else if (tries > 0) {
        DeclinePack(tries - 1);
      }
    });
  }
  std::string packTitle;
};

TEST_F(Startup, TheSplashShowsTheVersionAndClosesOnAClick) {
  auto* splash = new mainwindow::Splash(core::VersionText());
  splash->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<mainwindow::Splash> alive(splash);
  splash->show();
  EXPECT_TRUE(splash->CloseTimer()->isActive());
  EXPECT_EQ(splash->Label("lblversion")->text().toStdString(), Key("FrmAbout", "3") + "  " + core::VersionText());
  desktop.busy = true;
  QTest::mouseClick(splash->Picture(), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
  EXPECT_FALSE(desktop.busy);
}

// The windows' icon is the installed one beside the program (the build has a copy), in the
// sizes of title and task bars.
TEST_F(Startup, TheProgramIconComesFromTheFilesBesideTheProgram) {
  mainwindow::SetProgramIcon();
  QList<int> sides;
  for (const QSize& size : QApplication::windowIcon().availableSizes()) sides.append(size.width());
  EXPECT_EQ(sides, QList<int>({16, 22, 24, 32, 48, 64}));
  QApplication::setWindowIcon(QIcon());
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

TEST_F(Startup, FirstStartWritesEverySettingThenInstallLastAndTheNextStartReadsThem) {
  core::RibDocument& s = doc;
  s.settings.languageName.clear();
  s.settings.languageFile.clear();
  SnapshotMessages offer(s.settings.iniFile);
  platform::ScopedMessages useOffer(&offer);
  ChooseLanguage("Francais");
  DeclinePack();
  std::unique_ptr<mainwindow::MainWindow> window = mainwindow::StartProgram(doc, false);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(packTitle, Key("FrmConfig", "1") + " \u2013 Kaldrex");
  ASSERT_EQ(offer.shown.size(), 1u);  // the advice after the declined pack
  EXPECT_EQ(offer.shown[0].text.rfind(Key("FrmConfig", "4"), 0), 0u);
  const std::string& before = offer.iniAtFirstQuestion;
  // Every default is on disk before the offer (the settings tests pin which), Install not yet.
  for (const char* key : {"coulprofil", "cordeAfich", "Ydprint", "Langue"})
    EXPECT_NE(before.find("\n" + std::string(key) + "="), std::string::npos) << key;
  EXPECT_EQ(before.find("Install="), std::string::npos);
  EXPECT_EQ(files::GetINIFile("Language", "Langue", s.settings.iniFile), "Francais");
  EXPECT_EQ(files::GetINIFile("Repertoires", "Install", s.settings.iniFile), "1");
  EXPECT_EQ(files::GetINIFile("Repertoires", "RepProfil", s.settings.iniFile), dir.File("airfoils"));
  EXPECT_FALSE(s.settings.firstRun);
  EXPECT_TRUE(window->IsCommandEnabled(mainwindow::Command::Defaults));
  EXPECT_TRUE(window->IsCommandEnabled(mainwindow::Command::Colours));

  // The next start reads them and asks nothing, whatever the decimal mark.
  offer.shown.clear();
  desktop.decimalMark = ',';
  std::unique_ptr<mainwindow::MainWindow> again = mainwindow::StartProgram(doc, false);
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->isVisible());
  EXPECT_TRUE(offer.shown.empty());
  EXPECT_FALSE(desktop.busy);
}

TEST_F(Startup, ADecimalCommaIsToldOnceAtTheFirstStartAsInformation) {
  files::ChooseLanguage(doc, "English");
  desktop.decimalMark = ',';
  DeclinePack();
  std::unique_ptr<mainwindow::MainWindow> window = mainwindow::StartProgram(doc, false);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(messages.shown.size(), 2u);  // the notice, then the advice after the declined pack
  std::string text = Key("Message", "10");
  for (const char* k : {"11", "12", "13", "14", "15"}) text += "\n\n" + Key("Message", k);
  EXPECT_EQ(messages.shown[0].text, text);
  EXPECT_EQ(messages.shown[0].title, Key("Message", "16"));
  EXPECT_EQ(messages.shown[0].icon, platform::BoxIcon::Information);
  EXPECT_EQ(messages.shown[0].buttons, platform::BoxButtons::Ok);

  messages.shown.clear();
  ASSERT_NE(mainwindow::StartProgram(doc, false), nullptr);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Startup, TheFirstLanguageListAsksInEveryLanguageAndOnlyASwitchIsAnnouncedAndRetitles) {
  using Purpose = mainwindow::LanguageWindow::Purpose;
  const std::string english = files::GetINIFile("LANGUAGE", "3", dir.File("English.lng"));
  const std::string french = files::GetINIFile("LANGUAGE", "3", dir.File("Francais.lng"));
  ASSERT_FALSE(english.empty());
  ASSERT_NE(english, french);
  mainwindow::LanguageWindow first(doc, Purpose::FirstChoice, nullptr);
  EXPECT_EQ(first.Prompt()->text().toStdString(), english + "\n" + french);
  EXPECT_EQ(first.windowTitle().toStdString(), Key("LANGUAGE", "2") + " / " +
                                                  files::GetINIFile("LANGUAGE", "2", dir.File("Francais.lng")));

  mainwindow::MainWindow window(doc);
  window.Load();
  window.LoadCaptions();
  OpenAirfoil("CLARK Y", "clarky.dat");
  EXPECT_EQ(window.windowTitle().toStdString(), "Vandrell " + Key("MainTolbar", "11") + " : clarky[*]");
  // The window shows the language in force; choosing it again announces nothing.
  int reloads = 0;
  core::ChangeChannel::Subscription listening = doc.changes.Listen([&](core::Changes c) {
    if (c.Has(core::Change::Style)) ++reloads;
  });
  mainwindow::LanguageWindow same(doc, Purpose::ChangeLanguage, nullptr);
  EXPECT_EQ(same.LanguageList()->currentText(), "English");
  same.Choose();
  EXPECT_EQ(reloads, 0);
  mainwindow::LanguageWindow lang(doc, Purpose::ChangeLanguage, nullptr);
  EXPECT_EQ(lang.Prompt()->text().toStdString(), english);
  lang.LanguageList()->setCurrentIndex(lang.LanguageList()->findData("Francais"));
  emit lang.LanguageList()->activated(lang.LanguageList()->currentIndex());
  lang.Choose();
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(platform::Text("MenuFile", "1"), "&Fichier");
  // Not merely the first of the list: the window opens on the language now in force.
  // Listed under its own name, the file's name kept behind it.
  const mainwindow::LanguageWindow again(doc, Purpose::ChangeLanguage, nullptr);
  EXPECT_EQ(again.LanguageList()->currentText(), QString::fromUtf8("Fran\u00e7ais"));
  EXPECT_EQ(again.LanguageList()->currentData().toString(), "Francais");
  EXPECT_EQ(window.windowTitle().toStdString(), "Vandrell " + Key("MainTolbar", "11") + " : clarky[*]");
  EXPECT_EQ(window.Panel(3)->text().toStdString(), "Unité : mm");
}

TEST_F(Startup, TheAboutBoxShowsTheVersionAndLeavesOutLinesWithNothingToSay) {
  {
    mainwindow::AboutBox about(core::VersionText());
    // No organisation anywhere: its line is left out; the name comes from the account.
    EXPECT_TRUE(about.Label("lblOrganisation")->isHidden());
    const std::string account = platform::AccountUserName();
    EXPECT_EQ(about.Label("lblNom")->isHidden(), account.empty());
    if (!account.empty()) {
      EXPECT_EQ(about.Label("lblNom")->text().toStdString(), Key("FrmAbout", "4") + " " + account);
    }
  }
  userStore.Set(platform::kUserStoreInstall, platform::kUserName, "Ada Builder");
  userStore.Set(platform::kUserStoreInstall, platform::kUserOrganisation, "Club");
  mainwindow::AboutBox about(core::VersionText());
  EXPECT_EQ(about.Label("lblversion")->text().toStdString(), Key("FrmAbout", "3") + " " + core::VersionText());
  EXPECT_EQ(about.Label("lblNom")->text().toStdString(), Key("FrmAbout", "4") + " Ada Builder");
  EXPECT_FALSE(about.Label("lblOrganisation")->isHidden());
  EXPECT_EQ(about.Label("lblOrganisation")->text().toStdString(), Key("FrmAbout", "5") + " Club");
  about.show();
  about.OkButton()->click();
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
