// The document's change channel: every listener hears each announcement once, listeners may
// come and go while one is told, and a copied document starts with nobody listening.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/changes.h"
#include "core/ribdocument.h"

namespace {

TEST(ChangeChannel, EveryListenerHearsWhatChangedUntilItsSubscriptionGoes) {
  core::ChangeChannel channel;
  std::vector<int> heard;
  auto first = channel.Listen([&](core::Changes c) { heard.push_back(c.Has(core::Change::Chord) ? 1 : 10); });
  auto second = channel.Listen([&](core::Changes c) { heard.push_back(c.Has(core::Change::View) ? 2 : 20); });
  channel.Announce(core::Change::Setup | core::Change::Chord);
  EXPECT_EQ(heard, (std::vector<int>{1, 20}));

  first.Reset();
  channel.Announce(core::Change::View);
  EXPECT_EQ(heard, (std::vector<int>{1, 20, 2}));
  {
    auto moved = std::move(second);  // the connection goes with the subscription
    channel.Announce(core::Change::Style);
    EXPECT_EQ(heard.size(), 4u);
  }
  channel.Announce(core::Change::Style);
  EXPECT_EQ(heard.size(), 4u);
  channel.Announce(core::Changes{});  // nothing changed: nobody is told
  EXPECT_EQ(heard.size(), 4u);
}

// A window that closes another one while it is told (a new rib closes every open window)
// must not leave the channel calling a listener that is gone.
TEST(ChangeChannel, AListenerMayDisconnectAnotherOrConnectOneWhileItIsTold) {
  core::ChangeChannel channel;
  int laterCalls = 0, addedCalls = 0;
  std::optional<core::ChangeChannel::Subscription> later;
  core::ChangeChannel::Subscription added;
  auto closer = channel.Listen([&](core::Changes) {
    later.reset();
    added = channel.Listen([&](core::Changes) { ++addedCalls; });
  });
  later = channel.Listen([&](core::Changes) { ++laterCalls; });
  channel.Announce(core::Change::NewRib);
  EXPECT_EQ(laterCalls, 0);
  EXPECT_EQ(addedCalls, 0);  // connected during the announcement: told from the next one on
  closer.Reset();
  channel.Announce(core::Change::Setup);
  EXPECT_EQ(addedCalls, 1);
}

TEST(ChangeChannel, ACopiedDocumentHasNoListenersAndAnAssignedOneKeepsItsOwn) {
  core::RibDocument document;
  int calls = 0;
  auto listening = document.changes.Listen([&](core::Changes) { ++calls; });
  core::RibDocument copy = document;
  copy.changes.Announce(core::Change::Setup);
  EXPECT_EQ(calls, 0);
  copy.rib.chord = {300, "300"};
  document = copy;  // a project read into a scratch copy and taken over
  EXPECT_EQ(document.rib.chord.text, "300");
  document.changes.Announce(core::Change::Setup);
  EXPECT_EQ(calls, 1);
}

}  // namespace
