#pragma once
// The main window over the test document, loaded as the program's start-up loads it.
#include <QTest>
#include <memory>

#include "mainwindow/mainwindow.h"
#include "support/windowtest.h"

namespace testsupport {

class MainWindowFixture : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = std::make_unique<mainwindow::MainWindow>(doc);
    window->Load();
    window->LoadCaptions();
  }
  void TearDown() override {
    window.reset();
    WindowTest::TearDown();
  }
  // For tests that need the window on the screen (focus, sizes, menus).
  void ShowWindow() {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  std::unique_ptr<mainwindow::MainWindow> window;
};

}  // namespace testsupport
