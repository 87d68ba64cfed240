// The question before the rib is dropped, shared by the new-rib command and the former.
#include <gtest/gtest.h>

#include "sharedwindows/ribstatus.h"
#include "support/windowtest.h"

using platform::BoxAnswer;
using sharedwindows::NewRibStep;
using testsupport::Key;

namespace {

using RibStatus = testsupport::WindowTest;

TEST_F(RibStatus, NewRibAsksOnlyForAnUnsavedLoadedRib) {
  core::RibDocument& s = doc;
  // Nothing to clear: no question, and nothing happens.
  EXPECT_EQ(sharedwindows::NewRibDecision(s), NewRibStep::Nothing);
  EXPECT_FALSE(sharedwindows::ConfirmNewRib(s));
  // The former's view goes at once, even before any airfoil.
  s.view.formerShown = true;
  EXPECT_EQ(sharedwindows::NewRibDecision(s), NewRibStep::ClearNow);
  s.view.formerShown = false;
  s.airfoil.loaded = true;
  s.project.saved = true;
  EXPECT_TRUE(sharedwindows::ConfirmNewRib(s));
  EXPECT_TRUE(messages.shown.empty());

  s.project.saved = false;
  messages.answers = {BoxAnswer::Yes, BoxAnswer::No};
  EXPECT_TRUE(sharedwindows::ConfirmNewRib(s));
  EXPECT_FALSE(sharedwindows::ConfirmNewRib(s));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmMainMessage", "5"));
  EXPECT_EQ(messages.shown[0].title, Key("FrmMainMessage", "6"));
}

}  // namespace
