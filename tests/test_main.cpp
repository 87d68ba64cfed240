#include <gtest/gtest.h>

#include <clocale>

#ifdef VANDRELL_WITH_QT
#include <QApplication>

namespace {
// The offscreen platform says on every window that it cannot do what only a real screen
// does; those lines would bury a failure in the log.
QtMessageHandler g_defaultHandler = nullptr;
void DropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
  g_defaultHandler(type, context, message);
}
}  // namespace
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifdef VANDRELL_WITH_QT
  g_defaultHandler = qInstallMessageHandler(DropPlatformNoise);
  QApplication app(argc, argv);
#endif
  std::setlocale(LC_NUMERIC, "C");
  return RUN_ALL_TESTS();
}
