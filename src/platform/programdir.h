#pragma once
// The folder of the program's own files (language files, help): the executable's folder,
// or ../share/vandrell beside it once installed.
#include <string>

namespace platform {

// `argv0` serves where the system cannot name the running executable.
std::string ProgramDirectory(const char* argv0);

}  // namespace platform
