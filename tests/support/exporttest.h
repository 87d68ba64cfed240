#pragma once
// A clarky rib ready for an export command: texts that name their own keys, scripted file
// dialogs, recorded messages and a per-user store in memory.
#include <gtest/gtest.h>

#include "core/ribdocument.h"
#include "platform/filedialogs.h"
#include "platform/messages.h"
#include "platform/userstore.h"
#include "support/dxfsummary.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace testsupport {

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetFileDialogs(&dialogs);
    s = dxftest::Rib(AirfoilPath("clarky.dat"));
    s.settings.iniFile = dir.File("Vandrell.ini");
    s.settings.seriesAirfoilDir = dir.path().string();
  }
  void TearDown() override { platform::SetFileDialogs(nullptr); }

  SelfNamingTexts texts;
  TempDir dir;
  platform::ScriptedFileDialogs dialogs;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};
  platform::MemoryUserStore store;
  platform::ScopedUserStore useStore{&store};
  core::RibDocument s;
};

}  // namespace testsupport
