// vandrell-cli: the batch program. It links no Qt, so a command starts as fast as the
// system starts a plain program; the commands that paint run in vandrell-paint instead.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <unistd.h>

#include "cli.h"
#include "cli_kit.h"
#include "platform/programdir.h"

namespace {

#ifdef VANDRELL_PAINT_PROGRAM
// vandrell-paint from this executable's own folder (wherever a link to it was called from)
// takes this process over: the same arguments, environment, standard streams and so the
// same messages and exit status.
int HandOverToPainter(int argc, char** argv) {
  const std::string painter = platform::ExecutableDirectory(argv[0]) + "/" VANDRELL_PAINT_PROGRAM;
  std::vector<char*> args(argv, argv + argc);
  args[0] = const_cast<char*>(painter.c_str());
  args.push_back(nullptr);
  execv(painter.c_str(), args.data());
  std::fprintf(stderr, "vandrell-cli: %s could not be started: %s\n", painter.c_str(), std::strerror(errno));
  return cli::kError;
}
#else
int NoRender(const cli::Options&, core::RibDocument&) {
  std::fprintf(stderr, "vandrell-cli: render needs the build with Qt\n");
  return cli::kError;
}
int NoPrint(const cli::Options&, core::RibDocument&) {
  std::fprintf(stderr, "vandrell-cli: print needs the build with Qt\n");
  return cli::kError;
}
int KitWithoutPdf(const cli::Options& options, core::RibDocument& s) { return cli::Kit(options, s, {}); }
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef VANDRELL_PAINT_PROGRAM
  return cli::RunCommandLine(argc, argv, {}, HandOverToPainter);
#else
  return cli::RunCommandLine(argc, argv, {NoRender, NoPrint, KitWithoutPdf}, nullptr);
#endif
}
