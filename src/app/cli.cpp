#include "cli.h"
#include "clihelp.h"
#include "clioptions.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

#include "core/lengths.h"
#include "core/typednumber.h"
#include "files/language.h"
#include "files/settings.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"
#include "platform/paths.h"
#include "platform/programdir.h"

namespace cli {

namespace {

bool OnlyCharactersOf(const std::string& text, const std::string& allowed) {
  return text.find_first_not_of(allowed) == std::string::npos;
}

// A leading "-" is a sign; in inches a "-" further on joins whole inches to a fraction.
bool SignAllowed(const std::string& text, bool negativeAllowed) {
  const std::size_t first = text.find_first_not_of(' ');
  return negativeAllowed || first == std::string::npos || text[first] != '-';
}

}  // namespace

bool LengthOptionText(const std::string& text, const std::string& unitText, bool negativeAllowed) {
  const std::string allowed = core::LengthKeys(unitText, negativeAllowed);
  return text.find_first_not_of(' ') != std::string::npos && OnlyCharactersOf(text, allowed) &&
         SignAllowed(text, negativeAllowed) && !core::ReadLength(text, unitText).malformed;
}

bool NumberOptionText(const std::string& text, bool negativeAllowed) {
  const std::string allowed = core::NumberKeys() + (negativeAllowed ? "-" : "");
  return text.find_first_not_of(' ') != std::string::npos && OnlyCharactersOf(text, allowed) &&
         SignAllowed(text, negativeAllowed) && !core::ReadNumber(text).malformed;
}

int Refuse(const std::string& key, const std::string& message) {
  std::printf("refused: %s\n", key.c_str());
  std::fprintf(stderr, "%s\n", message.c_str());
  return kRefused;
}

int ReportOpen(const commands::OpenOutcome& outcome) {
  switch (outcome.status) {
    case commands::OpenStatus::Opened: return kDone;
    case commands::OpenStatus::Refused: return Refuse(outcome.refusal, outcome.text);
    case commands::OpenStatus::Cancelled:
    case commands::OpenStatus::Failed: break;
  }
  std::fprintf(stderr, "%s\n", outcome.text.c_str());
  return kError;
}

int WriteFailed(const platform::ErrorInfo& error) {
  if (!error.refusal.empty()) return Refuse(error.refusal, error.description);
  std::fprintf(stderr, "%s\n", platform::GeneralErrorText(error).c_str());
  return kError;
}

}  // namespace cli

namespace {

struct Entry {
  const char* name;
  cli::Command run;
  cli::Command cli::PaintingCommands::*painted = nullptr;  // instead of `run`
  const char* oldName = nullptr;                            // still taken, not listed
};

// The commands; each has its help text in docs/cli/NAME.txt.
const Entry kCommands[] = {
    {"info", cli::Info},
    {"dxf", cli::Dxf},
    {"render", nullptr, &cli::PaintingCommands::render},
    {"print", nullptr, &cli::PaintingCommands::print},
    {"cut", cli::Cut},
    {"kit", nullptr, &cli::PaintingCommands::kit},
    {"resave", cli::Resave},
    {"thickness-camber", cli::ThicknessCamber},
    {"incline", cli::Incline},
    {"oblique", cli::Oblique},
    {"series", cli::Series},
    {"spaced-series", cli::SpacedSeries, nullptr, "series2"},
};

const Entry* FindCommand(const std::string& name) {
  for (const Entry& e : kCommands)
    if (name == e.name || (e.oldName && name == e.oldName)) return &e;
  return nullptr;
}

void PrintOverview(std::FILE* to) {
  if (const char* overview = cli::HelpFor("vandrell-cli")) std::fputs(overview, to);
  std::fprintf(to, "\nCommands (vandrell-cli COMMAND --help tells more):\n");
  for (const Entry& e : kCommands) {
    const char* help = cli::HelpFor(e.name);
    std::fprintf(to, "  %s\n", help ? cli::Synopsis(help).c_str() : e.name);
  }
}

int OverviewUsageError() {
  const char* overview = cli::HelpFor("vandrell-cli");
  std::fprintf(stderr, "usage: %s\ncommands:", overview ? cli::Synopsis(overview).c_str() : "vandrell-cli COMMAND");
  for (const Entry& e : kCommands) std::fprintf(stderr, " %s", e.name);
  std::fprintf(stderr, "\n(vandrell-cli --help tells more)\n");
  return cli::kUsageError;
}

}  // namespace

namespace cli {

const char* HelpFor(const std::string& name) {
  for (const HelpText& help : HelpTexts())
    if (name == help.name) return help.text;
  return nullptr;
}

std::string Synopsis(const char* text) {
  const std::string all(text);
  return all.substr(0, all.find('\n'));
}

int UsageError(const std::string& command) {
  const char* help = HelpFor(command);
  std::fprintf(stderr, "usage: %s\n(vandrell-cli %s --help tells more)\n",
               help ? Synopsis(help).c_str() : ("vandrell-cli " + command).c_str(), command.c_str());
  return kUsageError;
}

}  // namespace cli

namespace {

// Taken wherever they stand, before or after the command.
const cli::OptionEntry kGlobalOptions[] = {{"--unit"}, {"--ini"}, {"--help", true}, {"-h", true}, {"--version", true}};

int Run(int argc, char** argv, const cli::PaintingCommands& painting, cli::HandOver handOver) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string problem;
  const std::optional<cli::OptionValues> global = cli::TakeGlobalOptions(args, kGlobalOptions, problem);
  if (!global) {
    const int rc = OverviewUsageError();
    std::fprintf(stderr, "vandrell-cli: %s\n", problem.c_str());
    return rc;
  }
  cli::Options options;
  options.unit = global->Value("--unit");
  options.iniFile = global->Value("--ini");
  const bool help = global->Has("--help") || global->Has("-h");
  const bool version = global->Has("--version");
  if (version && !help && args.empty()) {
    std::printf("vandrell-cli %s\n", core::VersionText().c_str());
    return cli::kDone;
  }
  if (args.empty()) {
    if (!help) return OverviewUsageError();
    PrintOverview(stdout);
    return cli::kDone;
  }
  const Entry* entry = FindCommand(args.front());
  if (!entry) {
    std::fprintf(stderr, "vandrell-cli: no command \"%s\"\n", args.front().c_str());
    return OverviewUsageError();
  }
  const std::string command = entry->name;
  args.erase(args.begin());
  if (help) {
    const char* text = cli::HelpFor(command);
    std::fputs(text ? text : "", stdout);
    return text ? cli::kDone : cli::kError;
  }
  const cli::Command run = entry->painted ? painting.*(entry->painted) : entry->run;
  if (!run) return handOver ? handOver(argc, argv) : cli::kError;
  options.args = args;
  if (!options.unit.empty() && options.unit != "mm" && options.unit != "in") {
    std::fprintf(stderr, "vandrell-cli: --unit takes mm or in, not \"%s\"\n", options.unit.c_str());
    return cli::kUsageError;
  }
  if (!options.iniFile.empty() && platform::KindOfPath(options.iniFile) == platform::FileKind::Missing) {
    std::fprintf(stderr, "vandrell-cli: no settings file %s\n", options.iniFile.c_str());
    return cli::kUsageError;
  }
  core::RibDocument document;
  document.settings.programDir = platform::ProgramDirectory(argv[0]);
  document.settings.iniFile =
      !options.iniFile.empty()
          ? options.iniFile
          : platform::LocateSettingsFile(document.settings.programDir, platform::UserConfigDirectory()).ReadFrom();
  files::LoadSettingsForBatch(document);
  if (!options.unit.empty()) {
    document.settings.unitText = options.unit == "in" ? " in" : " mm";
    files::SetChordLinePositionForUnit(document);
  }
  files::UseBatchLanguage(document);
  // Read above as a file of no settings; said once the language gives the words.
  if (!options.iniFile.empty()) {
    const platform::FileOutcome ini = platform::CheckReadable(options.iniFile);
    if (ini.refused()) return cli::Refuse(platform::RefusalName(ini.problem), platform::RefusalText(ini, options.iniFile));
  }
  return run(options, document);
}

}  // namespace

namespace cli {

int RunCommandLine(int argc, char** argv, const PaintingCommands& painting, HandOver handOver) {
  // Whatever escapes a command ends in the general error report, not in an abort.
  try {
    return Run(argc, argv, painting, handOver);
  } catch (...) {
    std::fprintf(stderr, "%s\n", platform::GeneralErrorText(platform::CurrentExceptionError()).c_str());
    return kError;
  }
}

}  // namespace cli
