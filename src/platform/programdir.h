#pragma once
// The folder of the program's own files (language files, help): the executable's folder,
// or ../share/vandrell beside it once installed.
#include <string>

namespace platform {

// `argv0` serves where the system cannot name the running executable.
std::string ProgramDirectory(const char* argv0);

// The folder of the running executable.
std::string ExecutableDirectory(const char* argv0);

// True for an installed program's folder of shared files, PREFIX/share/vandrell: it belongs
// to the package manager, and the program writes nothing there even when it could.
bool IsInstalledProgramDirectory(const std::string& programDir);

// The program directory for an executable in `executableDir`: of it and ../share/vandrell
// beside it, the one that holds the language files; the executable's folder when neither
// does. No trailing separator.
std::string ProgramDirectoryFor(const std::string& executableDir);

}  // namespace platform
