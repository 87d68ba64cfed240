// File > Print and Page Setup from the main window: the rib sent to the (recorded) printer,
// or the page set-up first. The comparison's print is with the comparison's tests.
#include <gtest/gtest.h>

#include <QTest>

#include "mainwindow/mainwindow.h"
#include "platform/pageoutput.h"
#include "settingswindows/printwindow.h"
#include "support/mainwindowtest.h"

using mainwindow::Command;
using platform::BoxAnswer;
using testsupport::Key;

namespace {

class PrintingTest : public testsupport::MainWindowFixture {
 protected:
  platform::RecordingPageOutput printer;
  platform::ScopedPrinter usePrinter{&printer};
};

TEST_F(PrintingTest, PrintNeedsAnAirfoilThenAsksAndPrintsTheRib) {
  EXPECT_FALSE(window->IsCommandEnabled(Command::Print));
  EXPECT_FALSE(window->IsCommandEnabled(Command::PrintPreview));
  OpenAirfoil("WING", "wing.dat");
  ASSERT_TRUE(window->IsCommandEnabled(Command::Print));
  EXPECT_TRUE(window->IsCommandEnabled(Command::PrintPreview));
  messages.answers = {BoxAnswer::Yes};
  window->Run(Command::Print);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("TextButton", "14") + " wing");
  EXPECT_EQ(printer.sheets.size(), 1u);  // 200 mm fits A4
  EXPECT_FALSE(printer.sheets[0].lines.empty());
}

// No overlap with a long rib: the print opens the page set-up; cancelled, nothing prints.
TEST_F(PrintingTest, PrintWithoutOverlapOpensThePageSetup) {
  OpenAirfoil();
  doc.rib.chord = core::Length{600, "600"};
  doc.print.overlap = core::Length{0, "0"};
  bool setupShown = false;
  WhenModal([&](QWidget* w) {
    setupShown = qobject_cast<settingswindows::PrintWindow*>(w) != nullptr;
    static_cast<QDialog*>(w)->reject();
  });
  messages.answers = {BoxAnswer::Yes};
  window->Run(Command::Print);
  EXPECT_TRUE(setupShown);
  EXPECT_TRUE(printer.begun.empty());
}

}  // namespace
