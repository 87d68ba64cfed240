// The per-user store keeps the airfoil directories across a lost or fresh settings file.
#include <gtest/gtest.h>

#include "platform/qt/qtuserstore.h"
#include "support/testsupport.h"

namespace {

TEST(QtUserStore, ValuesOutliveTheStoreThatWroteThem) {
  testsupport::TempDir dir;
  const std::string file = dir.File("iVandrell.conf");
  {
    platform::QtUserStore store(file);
    EXPECT_EQ(store.Get("Install", "RepAirfoil"), "");
    store.Set("Install", "RepAirfoil", "/home/ren\xC3\xA9/profils");
    store.Set("Install", "Name", "Ann");
  }
  platform::QtUserStore again(file);
  EXPECT_EQ(again.Get("Install", "RepAirfoil"), "/home/ren\xC3\xA9/profils");
  EXPECT_EQ(again.Get("Install", "Name"), "Ann");
  EXPECT_EQ(again.Get("Install", "Organisation"), "");
  EXPECT_EQ(again.Get("Other", "Name"), "");
}

}  // namespace
