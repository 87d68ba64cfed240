// vandrell-paint: vandrell-cli's commands that paint (render, print, kit), which need Qt.
// vandrell-cli runs it in its own place with the same arguments; it takes every other
// command as well, with the same results.
#include "cli.h"
#include "paint_start.h"

int main(int argc, char** argv) {
  return cli::RunCommandLine(argc, argv, {cli::Render, cli::Print, cli::KitWithPdf}, nullptr);
}
