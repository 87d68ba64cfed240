#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>

#include "support/testsupport.h"

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
  // A home of the run's own: what the machine's user keeps (Qt's file dialog history, the
  // program's settings, Documents) neither steers a test nor is written by one, and test
  // programs running side by side leave each other alone.
  const testsupport::TempDir home;
  const std::string config = (home.path() / ".config").string(), data = (home.path() / ".local/share").string(),
                    cache = (home.path() / ".cache").string(), runtime = (home.path() / "runtime").string();
  std::filesystem::create_directory(runtime);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  const testsupport::ScopedEnv homeVar("HOME", home.path().c_str()), configVar("XDG_CONFIG_HOME", config.c_str()),
      dataVar("XDG_DATA_HOME", data.c_str()), cacheVar("XDG_CACHE_HOME", cache.c_str()),
      runtimeVar("XDG_RUNTIME_DIR", runtime.c_str());
#ifdef VANDRELL_WITH_QT
  g_defaultHandler = qInstallMessageHandler(DropPlatformNoise);
  QApplication app(argc, argv);
#endif
  std::setlocale(LC_NUMERIC, "C");
  return RUN_ALL_TESTS();
}
