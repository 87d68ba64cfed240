#pragma once
// vandrell-cli: batch commands over the program's own routines.
#include <string>
#include <vector>

#include "core/ribdocument.h"

namespace cli {

struct Options {
  std::string unit;      // --unit mm|in, empty: the settings' unit
  std::string iniFile;   // --ini FILE, empty: the program's settings file
  std::vector<std::string> args;  // what follows the command, global options removed
};

// Exit codes: 0 done, 1 usage error, 2 refused or failed.
using Command = int (*)(const Options& options, core::RibDocument& s);

int Info(const Options& options, core::RibDocument& s);
int Dxf(const Options& options, core::RibDocument& s);
int Render(const Options& options, core::RibDocument& s);
// Exit codes of print: 0 done, 1 failed, 2 refused ("refused: KEY"), 64 usage.
int Print(const Options& options, core::RibDocument& s);

// The rib options of `dxf` and `render`, typed as in the rib dialogs, in the unit in force.
inline constexpr const char* kRibOptionsUsage =
    "[--chord L] [--sheeting L] [--le L] [--te L] [--marks N] [--inverted] [--airfoil-dir DIR]";
// Reads INPUT, the one argument left in `args` besides the rib options, with the settings'
// defaults, and applies the options. Returns 0, 1 for a usage error (nothing printed) or
// 2 when the input is refused (the reason printed).
int LoadRibInput(std::vector<std::string>& args, core::RibDocument& s);
// Reads and prepares an airfoil file; a refusal prints "refused: KIND" and the user's
// message and gives exit code 2.
int LoadAirfoil(const std::string& path, core::RibDocument& s);
int Resave(const Options& options, core::RibDocument& s);
// The airfoil tools: exit 0 written, 1 error, 2 refused, 64 usage.
int ThicknessCamber(const Options& options, core::RibDocument& s);
int Incline(const Options& options, core::RibDocument& s);
int Oblique(const Options& options, core::RibDocument& s);

// Returns the value following `name` in args and removes both, or "" when absent.
std::string TakeOption(std::vector<std::string>& args, const std::string& name);
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace cli
