#pragma once
// The system's font configuration (fontconfig), read on a second thread. Reading it is most
// of what the first measured text costs (some 7 ms, dozens of XML files); a program that
// starts this before Qt has it read meanwhile, and Qt then takes the configuration as it
// finds it: the same one, so the same fonts. Should Qt come first all the same, both read
// it and one copy is kept: slower, never different.
#include <thread>

namespace platform {

class FontConfigurationLoad {
 public:
  FontConfigurationLoad();
  ~FontConfigurationLoad() { Wait(); }
  FontConfigurationLoad(const FontConfigurationLoad&) = delete;
  FontConfigurationLoad& operator=(const FontConfigurationLoad&) = delete;

  // Before the first text is measured, and before Qt's application object goes.
  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

// The window program's one load: started in main before Qt, awaited where the main window
// measures its first text. Awaiting a load never started does nothing.
void StartLoadingFontConfiguration();
void AwaitFontConfiguration();

}  // namespace platform
