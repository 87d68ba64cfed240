#pragma once
// vandrell-cli: batch commands over the program's own routines.
#include <string>
#include <vector>

#include "core/ribstate.h"

namespace cli {

struct Options {
  std::string unit;      // --unit mm|in, empty: the settings' unit
  std::string iniFile;   // --ini FILE, empty: the program's settings file
  std::vector<std::string> args;  // what follows the command, global options removed
};

// Exit codes: 0 done, 1 usage error, 2 refused or failed.
using Command = int (*)(const Options& options, core::SharedState& s);

int Info(const Options& options, core::SharedState& s);
int Resave(const Options& options, core::SharedState& s);

// Returns the value following `name` in args and removes both, or "" when absent.
std::string TakeOption(std::vector<std::string>& args, const std::string& name);
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace cli
