// `kit` with its PDF: Qt starts only when the files are written, after every check.
#include <QGuiApplication>
#include <memory>

#include "cli_kit.h"
#include "paint_start.h"
#include "platform/qt/qtpageoutput.h"

namespace cli {

int KitWithPdf(const Options& options, core::RibDocument& s) {
  std::unique_ptr<QGuiApplication> app;
  return Kit(options, s, [&app](const std::string& path) -> std::unique_ptr<platform::PageOutput> {
    if (!app) app = StartPainting();
    return std::make_unique<platform::QtPageOutput>(path);
  });
}

}  // namespace cli
