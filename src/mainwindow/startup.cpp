#include "mainwindow/startup.h"

#include <QApplication>
#include <filesystem>

#include "files/ini.h"
#include "files/language.h"
#include "files/settings.h"
#include "mainwindow/commands.h"
#include "mainwindow/langwindow.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/splash.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/programdir.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtfiledialogs.h"
#include "platform/qt/qthelp.h"
#include "platform/qt/qtmessages.h"
#include "platform/qt/qtuserstore.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "settingsdialogs/kaldrexoffer.h"

namespace mainwindow {

namespace fs = std::filesystem;

void PrepareProgramState(core::SharedState& s, const std::string& programDir, const std::string& iniFile) {
  s.formerShown = false;
  s.pi = 4.0 * std::atan(1.0);
  s.versionText = core::VersionText();
  s.programDir = programDir;
  s.helpFile = platform::HelpFilePath(programDir);
  s.iniFile = iniFile;
  s.messageText.clear();
}

std::unique_ptr<MainWindow> StartProgram(bool showSplash) {
  core::SharedState& s = core::App();
  LangChooser chooser;
  if (!files::StartLanguage(s, chooser)) return nullptr;
  if (DecimalMarkRefused(platform::CurrentDesktop().DecimalMark())) return nullptr;
  auto window = std::make_unique<MainWindow>();
  {
    platform::BusyPointer busy;
    window->Load();
    window->LoadCaptions();
  }
  window->show();
  if (showSplash) {
    auto* splash = new Splash(window.get());
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
  }
  if (s.firstRun == 1) {
    settingsdialogs::installationKaldrex(s);
    files::CompleteFirstRun(s);
  }
  return window;
}

int RunProgram(QApplication& app, const char* argv0) {
  core::SharedState& s = core::App();
  const std::string programDir = platform::ProgramDirectory(argv0);
  const platform::SettingsLocation settings = platform::LocateSettingsFile(programDir, platform::UserConfigDirectory());
  PrepareProgramState(s, programDir, settings.iniFile);

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
  platform::QtFileDialogs fileDialogs;
  platform::SetFileDialogs(&fileDialogs);
  platform::QtHelp help(s.helpFile);
  platform::ScopedHelp installHelp(&help);
  std::unique_ptr<MainWindow> window = StartProgram();
  if (!window) {
    platform::SetFileDialogs(nullptr);
    return 0;
  }
  messages.SetParent(window.get());
  fileDialogs.SetParent(window.get());
  QObject::connect(&app, &QGuiApplication::commitDataRequest, window.get(), &MainWindow::CommitData);
  const int result = app.exec();
  platform::SetFileDialogs(nullptr);
  return result;
}

}  // namespace mainwindow
