#include "clioptions.h"

#include <algorithm>
#include <cstdio>

#include "cli.h"

namespace cli {

namespace {

const OptionEntry* FindOption(std::span<const OptionEntry> table, const std::string& arg) {
  for (const OptionEntry& option : table)
    if (arg == option.name || (option.oldName && arg == option.oldName)) return &option;
  return nullptr;
}

bool LooksLikeOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

// Takes the option at args[i] (and its value) into `values`; the index of the last argument
// used, and the problem when it is one.
std::size_t TakeOne(const std::vector<std::string>& args, std::size_t i, const OptionEntry& option, OptionValues& values,
                    std::string& problem) {
  const std::string& said = args[i];
  if (option.flag) {
    // A flag said twice is said once.
    if (!values.Has(option.name)) values.given.emplace_back(option.name, std::string());
    return i;
  }
  if (i + 1 >= args.size()) {
    if (problem.empty()) problem = said + " needs a value";
    return i;
  }
  if (values.Has(option.name)) {
    if (problem.empty()) problem = said + " is given twice";
  } else {
    values.given.emplace_back(option.name, args[i + 1]);
  }
  return i + 1;
}

}  // namespace

bool OptionValues::Has(const std::string& name) const {
  return std::any_of(given.begin(), given.end(), [&name](const auto& g) { return g.first == name; });
}

std::string OptionValues::Value(const std::string& name, const std::string& fallback) const {
  for (const auto& [option, value] : given)
    if (option == name) return value;
  return fallback;
}

std::vector<OptionEntry> WithRibOptions(std::vector<OptionEntry> own) {
  own.insert(own.end(), {{"--chord"}, {"--sheeting"}, {"--le"}, {"--te"}, {"--marks"}, {"--inverted", true},
                         {"--airfoil-dir"}});
  return own;
}

int UsageProblem(const std::string& command, const std::string& problem) {
  const int rc = UsageError(command);
  if (!problem.empty()) std::fprintf(stderr, "vandrell-cli: %s\n", problem.c_str());
  return rc;
}

std::optional<OptionValues> ReadCommandOptions(const std::vector<std::string>& args, const CommandOptions& command) {
  OptionValues values;
  std::string problem;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!LooksLikeOption(args[i])) {
      values.files.push_back(args[i]);
      continue;
    }
    const OptionEntry* option = FindOption(command.options, args[i]);
    if (option) i = TakeOne(args, i, *option, values, problem);
    else if (problem.empty()) problem = args[i] + " is not an option of " + command.command;
  }
  const FileCount& files = command.files;
  if (values.files.size() < files.least) problem = files.tooFew;
  else if (values.files.size() > files.most) problem = files.tooMany;
  else if (problem.empty())
    for (const OptionEntry& option : command.options)
      if (option.required && !values.Has(option.name)) {
        problem = std::string(option.name) + " is required";
        break;
      }
  const bool countWrong = values.files.size() < files.least || values.files.size() > files.most;
  if (!countWrong && problem.empty()) return values;
  UsageProblem(command.command, problem);
  return std::nullopt;
}

std::optional<OptionValues> TakeGlobalOptions(std::vector<std::string>& args, std::span<const OptionEntry> table,
                                              std::string& problem) {
  OptionValues values;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const OptionEntry* option = FindOption(table, args[i]);
    if (option) i = TakeOne(args, i, *option, values, problem);
    else rest.push_back(args[i]);
  }
  if (!problem.empty()) return std::nullopt;
  args = std::move(rest);
  return values;
}

}  // namespace cli
