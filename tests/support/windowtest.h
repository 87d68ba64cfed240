#pragma once
// A fresh program state for window tests: its own program folder and settings file,
// recorded message boxes, a recording desktop and scripted file dialogs. Language texts
// read as "[section/key]" so a test sees which text a window used.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "core/ribstate.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "support/testsupport.h"

namespace testsupport {

inline std::string Key(const std::string& section, const std::string& key) {
  return "[" + section + "/" + key + "]";
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::App() = core::SharedState();
    core::SharedState& s = core::App();
    s.programDir = dir.path().string();
    s.iniFile = dir.File("Vandrell.ini");
    s.versionText = core::VersionText();
    core::ResetSetup(s);
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return Key(std::string(section), std::string(key));
    });
  }
  void TearDown() override {
    platform::SetTextLookup(nullptr);
    core::App() = core::SharedState();
  }

  // Runs `act` on the modal window that opens next (once it is up).
  static void WhenModal(std::function<void(QWidget*)> act, int tries = 500) {
    QTimer::singleShot(tries == 500 ? 0 : 10, [act, tries] {
      QWidget* w = QApplication::activeModalWidget();
      if (w) act(w);
      else if (tries > 0) WhenModal(act, tries - 1);
    });
  }

  TempDir dir;
  platform::RecordingMessages messages;
  platform::ScopedMessages useMessages{&messages};
  platform::RecordingDesktop desktop;
  platform::ScopedDesktop useDesktop{&desktop};
  platform::ScriptedFileDialogs fileDialogs;
  struct UseDialogs {
    explicit UseDialogs(platform::FileDialogs* d) { platform::SetFileDialogs(d); }
    ~UseDialogs() { platform::SetFileDialogs(nullptr); }
  } useDialogs{&fileDialogs};
};

// A small valid airfoil (Selig order) with the given title line.
inline std::string AirfoilText(const std::string& title) {
  return title + "\n1 0.001\n0.75 0.04\n0.5 0.06\n0.25 0.055\n0.1 0.035\n0 0\n0.1 -0.02\n0.25 -0.025\n"
                 "0.5 -0.02\n0.75 -0.01\n1 -0.001\n";
}

}  // namespace testsupport
