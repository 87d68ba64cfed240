#include "platform/qt/qtfontconfig.h"

#include <fontconfig/fontconfig.h>
#include <optional>
#include <system_error>

namespace platform {

namespace {

// Waited for at exit at the latest.
std::optional<FontConfigurationLoad> programLoad;

}  // namespace

FontConfigurationLoad::FontConfigurationLoad() {
  try {
    thread_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No thread to spare: Qt reads the configuration itself, as it always could.
  }
}

void StartLoadingFontConfiguration() {
  if (!programLoad) programLoad.emplace();
}

void AwaitFontConfiguration() {
  if (programLoad) programLoad->Wait();
}

}  // namespace platform
