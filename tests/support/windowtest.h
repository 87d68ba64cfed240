#pragma once
// A fresh document for window tests: own program folder, languages, settings file and
// recorded platform services. Every test ends by checking that no text it needed was missing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/ribdocument.h"
#include "files/ini.h"
#include "files/language.h"
#include "commands/airfoilcommands.h"
#include "platform/help.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "support/testsupport.h"

namespace testsupport {

// The text of the language in force; a text the language lacks counts as missing.
inline std::string Key(const std::string& section, const std::string& key) { return platform::Text(section, key); }

// A small valid airfoil (Selig order) with the given title line.
inline std::string AirfoilText(const std::string& title) {
  return title + "\n1 0.001\n0.75 0.04\n0.5 0.06\n0.25 0.055\n0.1 0.035\n0 0\n0.1 -0.02\n0.25 -0.025\n"
                 "0.5 -0.02\n0.75 -0.01\n1 -0.001\n";
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::RibDocument& s = doc;
    s.settings.programDir = dir.path().string();
    s.settings.iniFile = dir.File("Vandrell.ini");
    s.settings.versionText = core::VersionText();
    core::ResetSetup(s);
    for (const char* language : {"English", "Francais"})
      std::filesystem::copy_file(std::string(VANDRELL_SOURCE_DIR) + "/lang/" + language + ".lng",
                                 dir.File(std::string(language) + ".lng"));
    // Airfoil folders of their own, as an installation gives them.
    std::filesystem::create_directory(dir.path() / "airfoils");
    std::filesystem::create_directory(dir.path() / "series");
    userStore.Set(platform::kUserStoreInstall, platform::kUserAirfoilDir, dir.File("airfoils"));
    userStore.Set(platform::kUserStoreInstall, platform::kUserSeriesDir, dir.File("series"));
    s.settings.languageName = "English";
    s.settings.languageFile = dir.File("English.lng");
    files::InstallLanguageLookup(s);
    misses = std::make_unique<files::ScopedTextMisses>();
  }
  void TearDown() override {
    EXPECT_TRUE(misses->misses().empty()) << "missing texts: " << misses->Describe();
    misses.reset();
    platform::SetTextLookup(nullptr);
  }

  // Empties a box, then types `text` into it key by key, through its key filter.
  static void Retype(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }
  // Selects a box's text and types `keys` over it, as a user replaces a value.
  static void TypeOver(QLineEdit* box, const QString& keys) {
    box->selectAll();
    QTest::keyClicks(box, keys);
  }
  // A value of the settings file as it stands on disk.
  std::string Ini(const char* section, const char* key) const { return files::GetINIFile(section, key, doc.settings.iniFile); }
  // The text of the last message box, "" before any.
  std::string LastMessage() const { return messages.shown.empty() ? std::string() : messages.shown.back().text; }

  // Runs `act` on the modal window that opens next (once it is up).
  static void WhenModal(std::function<void(QWidget*)> act, int tries = 500) {
    QTimer::singleShot(tries == 500 ? 0 : 10, [act, tries] {
      QWidget* w = QApplication::activeModalWidget();
      if (w) act(w);
      else if (tries > 0) WhenModal(act, tries - 1);
    });
  }
  // Runs `act` on the modal window that opens next, which must be a `Window`.
  template <class Window>
  static void WhenModalIs(std::function<void(Window*)> act) {
    WhenModal([act](QWidget* modal) {
      auto* window = qobject_cast<Window*>(modal);
      ASSERT_NE(window, nullptr);
      act(window);
    });
  }

  TempDir dir;
  core::RibDocument doc;  // what the program's start-up would hand every window
  std::unique_ptr<files::ScopedTextMisses> misses;
  platform::MemoryUserStore userStore;
  platform::ScopedUserStore useUserStore{&userStore};
  platform::RecordingHelp help;
  platform::ScopedHelp useHelp{&help};
  platform::RecordingMessages messages;
  platform::ScopedMessages useMessages{&messages};
  platform::RecordingDesktop desktop;
  platform::ScopedDesktop useDesktop{&desktop};
  platform::ScriptedFileDialogs fileDialogs;
  struct UseDialogs {
    explicit UseDialogs(platform::FileDialogs* d) { platform::SetFileDialogs(d); }
    ~UseDialogs() { platform::SetFileDialogs(nullptr); }
  } useDialogs{&fileDialogs};

  // Opens a small airfoil file titled `title` through the recent-files road.
  std::string OpenAirfoil(const std::string& title = "WING", const std::string& name = "wing.dat") {
    const std::string path = dir.File(name);
    WriteFile(path, AirfoilText(title));
    commands::OpenRecentAirfoil(doc, path);
    return path;
  }
};

}  // namespace testsupport
