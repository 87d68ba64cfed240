#pragma once
// Qt for the batch commands that paint (render, print, the kit's PDF), in vandrell-paint.
// Only they start it; they never open a window.
#include <QGuiApplication>
#include <clocale>
#include <memory>

#include "cli.h"
#include "platform/qt/qtfontconfig.h"

namespace cli {

// `kit` writing kit.pdf as well.
int KitWithPdf(const Options& options, core::RibDocument& s);

// Qt started for painting, the font configuration read meanwhile on a second thread.
class Painting {
 public:
  Painting() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vandrell-cli";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
    // Qt sets the locale from the environment; numbers stay with ".".
    std::setlocale(LC_NUMERIC, "C");
  }
  ~Painting() { fonts_.Wait(); }

  // Before the first text is measured.
  void FontsReady() { fonts_.Wait(); }

 private:
  platform::FontConfigurationLoad fonts_;
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace cli
