// The anchor of startup_probe: a bare Qt main window with a menu and a status bar, shown
// on the same display, so that the program's own start-up cost stands apart from Qt's.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File")->addAction("E&xit");
  window.statusBar()->showMessage("Ready");
  window.resize(1000, 700);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  return 0;
}
