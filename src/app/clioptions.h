#pragma once
// The options of vandrell-cli's commands: each command lists its own in a table, and one
// reader takes them from the command line and says what is wrong in one form.
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace cli {

struct OptionEntry {
  const char* name;               // "--chord", "-o"
  bool flag = false;              // takes no value
  bool required = false;          // "NAME is required" when absent
  const char* oldName = nullptr;  // a name older scripts use, read as `name`
};

// The options given (by their table names) and the other arguments, in order.
struct OptionValues {
  std::vector<std::pair<std::string, std::string>> given;
  std::vector<std::string> files;

  bool Has(const std::string& name) const;
  // The value given, which may be empty; `fallback` when the option was not given.
  std::string Value(const std::string& name, const std::string& fallback = std::string()) const;
};

inline constexpr std::size_t kManyFiles = static_cast<std::size_t>(-1);

// How many other arguments (files) a command takes, and what it says when the count is
// wrong (nothing but its synopsis where the text is empty).
struct FileCount {
  std::size_t least = 1;
  std::size_t most = 1;
  std::string tooFew;
  std::string tooMany;
};

struct CommandOptions {
  const char* command;  // its name, for the synopsis
  std::vector<OptionEntry> options;
  FileCount files;
};

// The rib options of the commands that draw a rib (`dxf`, `render`, `print`, `cut`):
// lengths typed as in the rib windows, read by LoadRibInput.
std::vector<OptionEntry> WithRibOptions(std::vector<OptionEntry> own);

// Reads `args` by the command's table. A wrong count of files, then an unknown option, one
// given twice or without its value, then a required one missing: the synopsis and the
// problem on standard error, and nullopt (the command exits with kUsageError).
std::optional<OptionValues> ReadCommandOptions(const std::vector<std::string>& args, const CommandOptions& command);

// The options every command takes, wherever they stand on the line; the rest is left in
// `args` as it was. Empty with a problem when one is given twice or lacks its value.
std::optional<OptionValues> TakeGlobalOptions(std::vector<std::string>& args, std::span<const OptionEntry> table,
                                              std::string& problem);

// The synopsis of `command` and, when there is one, the problem: kUsageError.
int UsageProblem(const std::string& command, const std::string& problem);

}  // namespace cli
