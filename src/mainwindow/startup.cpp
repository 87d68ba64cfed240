#include "mainwindow/startup.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPointer>
#include <filesystem>

#include "files/ini.h"
#include "files/language.h"
#include "files/settings.h"
#include "mainwindow/guardedapplication.h"
#include "mainwindow/menurules.h"
#include "mainwindow/languagewindow.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/splash.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/pageoutput.h"
#include "platform/paths.h"
#include "platform/programdir.h"
#include "platform/restart.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtfiledialogs.h"
#include "platform/qt/qthelp.h"
#include "platform/qt/qtpageoutput.h"
#include "platform/qt/qtmessages.h"
#include "platform/qt/qtrestart.h"
#include "platform/qt/qtuserstore.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "settingswindows/airfoilpackoffer.h"

namespace mainwindow {

namespace fs = std::filesystem;

void SetProgramIcon() {
  // Asking the icon theme first read hicolor's whole index, a sixth of the start-up under X:
  // the installed files are found by their path. Qt decodes each size as it is added and the
  // window system takes every size, so only those of title and task bars are given (the 128
  // and 256 pixel files took ten times as long as all the others).
  const QString file = QCoreApplication::applicationDirPath() + "/../share/icons/hicolor/%1x%1/apps/vandrell.png";
  QIcon icon;
  for (int side : {16, 22, 24, 32, 48, 64})
    if (QFile::exists(file.arg(side))) icon.addFile(file.arg(side), QSize(side, side));
  QApplication::setWindowIcon(icon.isNull() ? QIcon::fromTheme("vandrell") : icon);
}

void PrepareProgramState(core::RibDocument& document, const std::string& programDir, const std::string& iniFile) {
  document.view.formerShown = false;
  document.settings.versionText = core::VersionText();
  document.settings.programDir = programDir;
  document.settings.iniFile = iniFile;
}

std::unique_ptr<MainWindow> StartProgram(core::RibDocument& document, bool showSplash) {
  LanguageChooserWindow chooser;
  if (!StartLanguage(document, chooser)) return nullptr;
  auto window = std::make_unique<MainWindow>(document);
  {
    platform::BusyPointer busy;
    window->Load();
    window->LoadCaptions();
  }
  window->show();
  QPointer<Splash> splash;
  if (showSplash) {
    splash = new Splash(document.settings.versionText, window.get());
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
  }
  if (document.settings.firstRun) {
    // The first run's questions must not sit under the splash.
    if (splash) splash->Finish();
    // Numbers are read with "." whatever the locale: worth saying once, not at every start.
    TellDecimalMark(platform::CurrentDesktop().DecimalMark());
    settingswindows::OfferAirfoilPack(document, window.get());
    files::CompleteFirstRun(document);
  }
  return window;
}

int RunProgram(QApplication& app, const char* argv0, const std::vector<std::string>& files) {
  // The one document of the program; everything else receives it from here.
  core::RibDocument document;
  const std::string programDir = platform::ProgramDirectory(argv0);
  const platform::SettingsLocation settings = platform::LocateSettingsFile(programDir, platform::UserConfigDirectory());
  PrepareProgramState(document, programDir, settings.iniFile);

  platform::QtMessages messages;
  platform::ScopedMessages installMessages(&messages);
  if (!platform::PrepareSettingsFile(settings))
    platform::Inform("The settings cannot be kept in " + settings.iniFile +
                         ": the choices made in this session will be lost at exit.",
                     platform::kProgramTitle, platform::BoxIcon::Exclamation);
  platform::QtUserStore userStore;
  platform::ScopedUserStore installUserStore(&userStore);
  platform::QtDesktop desktop;
  platform::ScopedDesktop installDesktop(&desktop);
  platform::QtSystemPrinter printer;
  platform::ScopedPrinter installPrinter(&printer);
  platform::QtFileDialogs fileDialogs;
  platform::SetFileDialogs(&fileDialogs);
  platform::QtProgramRestart restart;
  platform::ScopedProgramRestart installRestart(&restart);
  platform::QtHelp help([&document] { return files::HelpFileInLanguage(document); });
  platform::ScopedHelp installHelp(&help);
  std::unique_ptr<MainWindow> window = StartProgram(document);
  if (!window) {
    platform::SetFileDialogs(nullptr);
    return 0;
  }
  messages.SetParent(window.get());
  fileDialogs.SetParent(window.get());
  QObject::connect(&app, &QGuiApplication::commitDataRequest, window.get(), &MainWindow::CommitData);
  // Before the event loop runs, so outside GuardedApplication::notify.
  for (const std::string& file : files) {
    DeliverGuarded([&] {
      window->OpenFiles({file});
      return true;
    });
  }
  const int result = app.exec();
  platform::SetFileDialogs(nullptr);
  return result;
}

}  // namespace mainwindow
