#pragma once
// Qt for the batch commands that paint (render, print, the kit's PDF), in vandrell-paint.
// Only they start it; they never open a window.
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <clocale>
#include <memory>

#include "cli.h"
#include "platform/qt/qtfontconfig.h"

namespace cli {

// `kit` writing kit.pdf as well.
int KitWithPdf(const Options& options, core::RibDocument& document);

// Qt warns on every start without XDG_RUNTIME_DIR (cron, ssh, containers) and then uses a
// folder of its own, which serves painting as well: that one warning is not passed on.
inline QtMessageHandler& EarlierMessageHandler() {
  static QtMessageHandler earlier = nullptr;
  return earlier;
}
inline void QuietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (QtMessageHandler earlier = EarlierMessageHandler()) earlier(type, context, message);
}

// Qt started for painting, the font configuration read meanwhile on a second thread; the
// drawing target waits for it at the first text.
class Painting {
 public:
  Painting() {
    platform::StartLoadingFontConfiguration();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && !EarlierMessageHandler())
      EarlierMessageHandler() = qInstallMessageHandler(QuietAboutRuntimeFolder);
    static int argc = 1;
    static char name[] = "vandrell-cli";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
    // Qt sets the locale from the environment; numbers stay with ".".
    std::setlocale(LC_NUMERIC, "C");
  }
  // Not while the configuration is still being read.
  ~Painting() { platform::AwaitFontConfiguration(); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;

 private:
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace cli
