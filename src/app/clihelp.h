#pragma once
// The help texts of vandrell-cli, compiled in from docs/cli/*.txt (cmake/clihelp.cmake).
#include <string>
#include <vector>

namespace cli {

struct HelpText {
  const char* name;  // the command, or "vandrell-cli" for the overview
  const char* text;  // ends with a newline; its first line is the synopsis
};

const std::vector<HelpText>& HelpTexts();

// The help of `name`, or nullptr when it has none.
const char* HelpFor(const std::string& name);

// The first line of a help text.
std::string Synopsis(const char* text);

}  // namespace cli
