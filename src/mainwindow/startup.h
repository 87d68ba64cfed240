#pragma once
// The program's start, from the paths to the main window waiting for the user.
#include <memory>
#include <string>

#include "core/ribstate.h"

class QApplication;

namespace mainwindow {

class MainWindow;

// The program directory: the executable's, or ../share/vandrell beside it once installed.
std::string ProgramDirectoryFor(const std::string& executableDir);
// The settings file: beside the program when that folder can be written, else in
// `configDir` (created when needed).
std::string IniFileFor(const std::string& programDir, const std::string& configDir);

// The first steps: version, help and settings paths, the message text.
void PrepareProgramState(core::SharedState& s, const std::string& programDir, const std::string& iniFile);
// Fixes languageFile from languageName and reads every text from it from now on.
void UseLanguage(core::SharedState& s);

// Language, decimal-mark check, main window loaded and shown with the splash over it,
// first-run offer. Returns no window when the user chose to end at the decimal-mark
// question. The state's paths must be set (PrepareProgramState).
std::unique_ptr<MainWindow> StartProgram(bool showSplash = true);

// The whole program: paths from the executable, StartProgram, the event loop.
int RunProgram(QApplication& app);

}  // namespace mainwindow
