#pragma once
// Qt for the batch commands that paint (render, print, the kit's PDF), in vandrell-paint.
// Only they start it; they never open a window.
#include <QGuiApplication>
#include <clocale>
#include <memory>

#include "cli.h"

namespace cli {

// `kit` writing kit.pdf as well.
int KitWithPdf(const Options& options, core::RibDocument& s);

inline std::unique_ptr<QGuiApplication> StartPainting() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "vandrell-cli";
  static char* argv[] = {name, nullptr};
  auto app = std::make_unique<QGuiApplication>(argc, argv);
  // Qt sets the locale from the environment; numbers stay with ".".
  std::setlocale(LC_NUMERIC, "C");
  return app;
}

}  // namespace cli
