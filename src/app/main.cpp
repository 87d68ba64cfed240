#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/ribdocument.h"
#include "mainwindow/guardedapplication.h"
#include "mainwindow/startup.h"
#include "platform/qt/qtfontconfig.h"

namespace {

constexpr const char* kHelp =
    "usage: vandrell [FILE...]\n"
    "\n"
    "Draws full-scale wing ribs for model aircraft from airfoil coordinate\n"
    "files, prints them at exact scale, exports DXF and saves projects.\n"
    "Each FILE, an airfoil (.dat, .cor) or a project (.vdl), opens once the\n"
    "window is up.\n"
    "\n"
    "Options:\n"
    "  --help, -h   this text\n"
    "  --version    the program's version\n"
    "Qt's own options (-platform, -style, ...) are taken as well.\n"
    "\n"
    "The same routines without a window: vandrell-cli --help.\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt starts, so that they work without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("vandrell %s\n", core::VersionText().c_str());
      return 0;
    }
  }
  // On the second core while Qt starts and the main window is built.
  platform::StartLoadingFontConfiguration();
  mainwindow::GuardedApplication app(argc, argv);
  // Read to the end before Qt's application object goes, however the start ends.
  struct AwaitFonts {
    ~AwaitFonts() { platform::AwaitFontConfiguration(); }
  } awaitFonts;
  // Ties the windows to the installed menu entry and its icon (taskbars, Wayland).
  QGuiApplication::setDesktopFileName("org.example.vandrell");
  mainwindow::SetProgramIcon();
  // Numbers are always read and written with "." whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  // `vandrell FILE…`: airfoils and projects to open once the window is up.
  std::vector<std::string> files;
  for (const QString& argument : app.arguments().mid(1))
    if (!argument.startsWith('-')) files.push_back(argument.toStdString());
  // What escapes the start itself (no window yet to go on with) is told, then the program ends.
  try {
    return mainwindow::RunProgram(app, argc > 0 ? argv[0] : "vandrell", files);
  } catch (...) {
    mainwindow::ReportUnexpectedError();
    return 1;
  }
}
