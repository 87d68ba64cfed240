#include "cli.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "files/language.h"
#include "files/settings.h"
#include "platform/paths.h"
#include "platform/programdir.h"

namespace cli {

std::string TakeOption(std::vector<std::string>& args, const std::string& name) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end() || it + 1 == args.end()) return std::string();
  std::string value = *(it + 1);
  args.erase(it, it + 2);
  return value;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
  auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

}  // namespace cli

namespace {

struct Entry {
  const char* name;
  cli::Command run;
  const char* usage;
};

const Entry kCommands[] = {
    {"info", cli::Info, "info FILE [--stations]"},
    {"dxf", cli::Dxf, "dxf INPUT -o OUT.dxf [rib options]"},
    {"render", cli::Render, "render INPUT -o OUT.png|OUT.svg|OUT.pdf [--zoom Z] [rib options]"},
    {"print", cli::Print,
     "print INPUT -o OUT.pdf [--paper INDEX] [--overlap L] [--start L] [--end L] [--chordline L] [--no-extras] "
     "[rib options]"},
    {"resave", cli::Resave, "resave IN.vdl OUT.vdl [--airfoil-dir DIR]"},
    {"thickness-camber", cli::ThicknessCamber,
     "thickness-camber AIRFOIL --thickness PCT --camber PCT [--caption-17 TEXT] [--caption-18 TEXT] -o OUT.dat"},
    {"incline", cli::Incline, "incline AIRFOIL --angle DEG -o OUT.dat"},
    {"oblique", cli::Oblique, "oblique AIRFOIL --mode 0|1 --angle DEG --length TEXT [--caption-6 TEXT] -o OUT.dat"},
};

int Usage() {
  std::fprintf(stderr, "usage: vandrell-cli [--unit mm|in] [--ini FILE] COMMAND ...\ncommands:\n");
  for (const Entry& e : kCommands) std::fprintf(stderr, "  %s\n", e.usage);
  std::fprintf(stderr, "rib options: %s\nINPUT: an airfoil file (.dat, .cor) or a project file (.vdl)\n",
               cli::kRibOptionsUsage);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  cli::Options options;
  options.unit = cli::TakeOption(args, "--unit");
  options.iniFile = cli::TakeOption(args, "--ini");
  if (args.empty()) return Usage();
  const std::string command = args.front();
  args.erase(args.begin());
  options.args = args;
  if (!options.unit.empty() && options.unit != "mm" && options.unit != "in") return Usage();
  if (!options.iniFile.empty() && !files::FileExists(options.iniFile)) {
    std::fprintf(stderr, "vandrell-cli: no settings file %s\n", options.iniFile.c_str());
    return 1;
  }
  core::RibDocument document;
  core::RibDocument& s = document;
  s.settings.programDir = platform::ProgramDirectory(argv[0]);
  s.settings.iniFile = !options.iniFile.empty()
                  ? options.iniFile
                  : platform::LocateSettingsFile(s.settings.programDir, platform::UserConfigDirectory()).ReadFrom();
  files::LoadSettingsForBatch(s);
  if (!options.unit.empty()) {
    s.settings.unitText = options.unit == "in" ? " in" : " mm";
    files::SetYdprintFromUnit(s);
  }
  files::UseBatchLanguage(s);
  for (const Entry& e : kCommands)
    if (command == e.name) return e.run(options, s);
  return Usage();
}
