// Start-up time: the program's start as the user meets it (language set, settings read, no
// first-run question), ending when the main window has been shown. Prints the wall-clock
// moment of that, in nanoseconds since the epoch, for a script that noted the launch:
//   t0=$(date +%s%N); QT_QPA_PLATFORM=offscreen build/bin/startup_probe > t1; echo $(( ($(cat t1) - t0) / 1000000 )) ms
#include <QApplication>
#include <QTest>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/ribdocument.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/startup.h"
#include "platform/programdir.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtfontconfig.h"
#include "platform/qt/qtmessages.h"

int main(int argc, char** argv) {
  // As vandrell's main does.
  platform::StartLoadingFontConfiguration();
  QApplication app(argc, argv);
  mainwindow::SetProgramIcon();
  std::setlocale(LC_NUMERIC, "C");
  const std::string programDir = platform::ProgramDirectory(argv[0]);
  const auto scratch = std::filesystem::temp_directory_path() / "vandrell-startup-probe";
  std::filesystem::create_directories(scratch / "airfoils");
  const auto ini = scratch / "Vandrell.ini";
  // A set-up done before: the language chosen, the airfoil folders of their own. Written
  // only when it differs and kept after the run, so that, as for a user, the settings file
  // is not one written an instant before the start (a file changed within the last moments
  // is read again at every look-up, since its time stamp cannot show a later change).
  const std::string setUp = "[Language]\nLangue=English\n[Repertoires]\nInstall=1\nRepProfil=" +
                            (scratch / "airfoils").string() + "\nRepProfilevol=" + (scratch / "airfoils").string() + "\n";
  std::string present;
  if (std::ifstream in{ini, std::ios::binary}) present.assign(std::istreambuf_iterator<char>(in), {});
  if (present != setUp) std::ofstream(ini, std::ios::binary) << setUp;
  core::RibDocument document;
  mainwindow::PrepareProgramState(document, programDir, ini.string());
  platform::QtMessages messages;
  platform::ScopedMessages useMessages(&messages);
  platform::QtDesktop desktop;
  platform::ScopedDesktop useDesktop(&desktop);
  std::unique_ptr<mainwindow::MainWindow> window = mainwindow::StartProgram(document, false);
  if (!window || !QTest::qWaitForWindowExposed(window.get())) return 1;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  return 0;
}
