// File > Print from the main window: the page set-up first where needed, then the rib sent
// to the (recorded) printer. The comparison's print is with the comparison's tests.
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

// No overlap with a long rib: the print opens the page set-up; cancelled, nothing prints.
// Given an overlap, the rib goes to the printer after the question.
TEST_F(PrintingTest, PrintOpensThePageSetupWhenNeededThenPrintsTheRib) {
  OpenAirfoil("WING", "wing.dat");
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

  doc.print.overlap = core::Length{20, "20"};
  messages.answers = {BoxAnswer::Yes};
  window->Run(Command::Print);
  EXPECT_EQ(messages.shown.back().text, Key("TextButton", "14") + " wing");
  EXPECT_EQ(printer.sheets.size(), 3u);
  EXPECT_FALSE(printer.sheets[0].lines.empty());
}

}  // namespace
