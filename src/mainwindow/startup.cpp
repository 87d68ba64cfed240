#include "mainwindow/startup.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <unistd.h>

#include "files/ini.h"
#include "files/language.h"
#include "mainwindow/commands.h"
#include "mainwindow/langwindow.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/splash.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/programdir.h"
#include "platform/messages.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtfiledialogs.h"
#include "platform/qt/qthelp.h"
#include "platform/qt/qtmessages.h"
#include "platform/texts.h"
#include "settingsdialogs/kaldrexoffer.h"

namespace mainwindow {

namespace fs = std::filesystem;

std::string IniFileFor(const std::string& programDir, const std::string& configDir) {
  const fs::path beside = fs::path(programDir) / "Vandrell.ini";
  std::error_code ec;
  const bool dirWritable = ::access(programDir.c_str(), W_OK) == 0;
  const bool fileWritable = !fs::exists(beside, ec) || ::access(beside.c_str(), W_OK) == 0;
  if (dirWritable && fileWritable) return beside.string();
  fs::create_directories(configDir, ec);
  return (fs::path(configDir) / "Vandrell.ini").string();
}

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
    s.iniWriteOk = files::WriteINIFile("Repertoires", "Install", "1", s.iniFile);
    s.firstRun = 0;
  }
  return window;
}

int RunProgram(QApplication& app, const char* argv0) {
  core::SharedState& s = core::App();
  const std::string programDir = platform::ProgramDirectory(argv0);
  const std::string configDir =
      (fs::path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString()) / "vandrell")
          .string();
  PrepareProgramState(s, programDir, IniFileFor(programDir, configDir));

  platform::QtMessages messages;
  platform::ScopedMessages installMessages(&messages);
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
