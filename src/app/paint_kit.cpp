// `kit` with its PDF: Qt starts only when the files are written, after every check.
#include <memory>

#include "cli_kit.h"
#include "paint_start.h"
#include "platform/qt/qtpageoutput.h"

namespace cli {

int KitWithPdf(const Options& options, core::RibDocument& document) {
  std::unique_ptr<Painting> painting;
  return Kit(options, document, [&painting](const std::string& path) -> std::unique_ptr<platform::PageOutput> {
    if (!painting) painting = std::make_unique<Painting>();
    return std::make_unique<platform::QtPageOutput>(path);
  });
}

}  // namespace cli
