// What no command caught ends in the general error report, and the program goes on.
#include <gtest/gtest.h>

#include <ios>
#include <new>
#include <stdexcept>

#include "mainwindow/guardedapplication.h"
#include "platform/messages.h"
#include "support/projectlines.h"

namespace {

TEST(GuardedApplication, AnEscapedExceptionIsReportedWithItsNumberAndTheEventCountsAsUnhandled) {
  testsupport::SelfNamingTexts texts;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped(&messages);
  EXPECT_TRUE(mainwindow::DeliverGuarded([] { return true; }));
  EXPECT_FALSE(mainwindow::DeliverGuarded([]() -> bool { throw std::runtime_error("a broken spar table"); }));
  EXPECT_FALSE(mainwindow::DeliverGuarded([]() -> bool { throw std::bad_alloc(); }));
  EXPECT_FALSE(mainwindow::DeliverGuarded([]() -> bool { throw std::ios_base::failure("Is a directory"); }));
  EXPECT_FALSE(mainwindow::DeliverGuarded([]() -> bool { throw 42; }));
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[0].title, "Erreur/1 Main/Event");
  EXPECT_EQ(messages.shown[0].text, "Erreur/1 # 51 Erreur/2 Vandrell\na broken spar table");
  EXPECT_NE(messages.shown[1].text.find("# 7 "), std::string::npos);
  EXPECT_NE(messages.shown[2].text.find("# 57 "), std::string::npos);
  EXPECT_NE(messages.shown[3].text.find("# 51 "), std::string::npos);
}

// A report whose own box throws again (a redraw that fails under it) shows no second box.
class ThrowingOnceMessages : public platform::Messages {
 public:
  platform::BoxAnswer Show(const platform::BoxRequest& request) override {
    shown.push_back(request);
    if (shown.size() == 1) mainwindow::DeliverGuarded([]() -> bool { throw std::runtime_error("again"); });
    return platform::BoxAnswer::Ok;
  }
  std::vector<platform::BoxRequest> shown;
};

TEST(GuardedApplication, AFailureWhileTheReportIsOnScreenAddsNoBox) {
  ThrowingOnceMessages messages;
  platform::ScopedMessages scoped(&messages);
  EXPECT_FALSE(mainwindow::DeliverGuarded([]() -> bool { throw std::runtime_error("first"); }));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("first"), std::string::npos);
  // Once the box is gone, the next failure is told again.
  EXPECT_FALSE(mainwindow::DeliverGuarded([]() -> bool { throw std::runtime_error("second"); }));
  EXPECT_EQ(messages.shown.size(), 2u);
}

}  // namespace
