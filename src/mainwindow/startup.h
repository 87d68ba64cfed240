#pragma once
// The program's start, from the paths to the main window waiting for the user.
#include <memory>
#include <string>
#include <vector>

#include "core/ribdocument.h"

class QApplication;

namespace mainwindow {

class MainWindow;

// The program's icon on its windows, from the icon files installed beside the program
// (share/icons/hicolor), else as the icon theme has it.
void SetProgramIcon();

// The first steps: version, help and settings paths.
void PrepareProgramState(core::RibDocument& document, const std::string& programDir, const std::string& iniFile);

// Language, main window loaded and shown with the splash over it, and at the first run the
// decimal-mark notice and the airfoil pack offer. Returns no window when the program is to
// end (no language file). The document's paths must be set
// (PrepareProgramState).
std::unique_ptr<MainWindow> StartProgram(core::RibDocument& document, bool showSplash = true);

// The whole program: the one document, paths from the executable, StartProgram, the event
// loop.
// `files` are opened in turn once the window is up (an airfoil or a project each).
int RunProgram(QApplication& app, const char* argv0, const std::vector<std::string>& files = {});

}  // namespace mainwindow
