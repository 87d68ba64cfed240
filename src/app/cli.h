#pragma once
// vandrell-cli: batch commands over the program's own routines.
#include <string>
#include <vector>

#include "core/ribdocument.h"
#include "platform/errorreport.h"

namespace cli {

struct Options {
  std::string unit;      // --unit mm|in, empty: the settings' unit
  std::string iniFile;   // --ini FILE, empty: the program's settings file
  std::vector<std::string> args;  // what follows the command, global options removed
};

// Exit codes: done; an error (the general error report on standard error); the input
// refused ("refused: KEY" on standard output, the user's message on standard error); a
// usage error. Nothing is written unless the command is done.
inline constexpr int kExitDone = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitUsage = 64;

using Command = int (*)(const Options& options, core::RibDocument& s);

int Info(const Options& options, core::RibDocument& s);
int Dxf(const Options& options, core::RibDocument& s);
int Render(const Options& options, core::RibDocument& s);

// The rib options of `dxf` and `render`, typed as in the rib dialogs, in the unit in force.
inline constexpr const char* kRibOptionsUsage =
    "[--chord L] [--sheeting L] [--le L] [--te L] [--marks N] [--inverted] [--airfoil-dir DIR]";
// Reads INPUT, the one argument left in `args` besides the rib options, with the settings'
// defaults, and applies the options. Returns kExitDone, kExitUsage (nothing printed) or
// kExitRefused (the reason printed).
int LoadRibInput(std::vector<std::string>& args, core::RibDocument& s);
// Reads and prepares an airfoil file; a refusal prints "refused: KIND" and the user's
// message and gives exit code 2.
int LoadAirfoil(const std::string& path, core::RibDocument& s);
int Resave(const Options& options, core::RibDocument& s);

// Prints the refusal and returns kExitRefused.
int Refuse(const std::string& key, const std::string& message);
// A failed write: a refusal when the error is one (a folder as the output), else the
// general error report; returns the exit code.
int WriteFailed(const platform::ErrorInfo& error);

// Returns the value following `name` in args and removes both, or "" when absent.
std::string TakeOption(std::vector<std::string>& args, const std::string& name);
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace cli
