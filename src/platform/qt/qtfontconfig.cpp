#include "platform/qt/qtfontconfig.h"

#include <fontconfig/fontconfig.h>
#include <optional>
#include <system_error>
#include <thread>

namespace platform {

namespace {

// Joined at exit at the latest.
class FontConfigurationLoad {
 public:
  FontConfigurationLoad() {
    try {
      thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
      // No thread to spare: Qt reads the configuration itself, as it always could.
    }
  }
  ~FontConfigurationLoad() { Wait(); }
  FontConfigurationLoad(const FontConfigurationLoad&) = delete;
  FontConfigurationLoad& operator=(const FontConfigurationLoad&) = delete;

  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

std::optional<FontConfigurationLoad> programLoad;

}  // namespace

void StartLoadingFontConfiguration() {
  if (!programLoad) programLoad.emplace();
}

void AwaitFontConfiguration() {
  if (programLoad) programLoad->Wait();
}

}  // namespace platform
