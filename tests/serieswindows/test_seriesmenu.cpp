// The Utilities entries of the main window: the series ask before clearing the rib, the
// coordinates editor leaves the rib alone.
#include <gtest/gtest.h>

#include <QTest>

#include "mainwindow/mainwindow.h"
#include "support/mainwindowtest.h"

using mainwindow::Command;
using platform::BoxAnswer;

namespace {

class SeriesMenuTest : public testsupport::MainWindowFixture {
 protected:
  // Runs `command`, which opens a modal window, and returns that window's object name.
  std::string OpenedBy(Command command) {
    opened_.clear();
    WhenModal([this](QWidget* w) {
      opened_ = w->objectName().toStdString();
      w->close();
    }, 50);
    window->Run(command);
    return opened_;
  }
  std::string opened_;
};

// Each entry opens its own series window once the rib may go. The questions themselves (the
// tools' own Yes or No, or the quitting question's buttons for a modified rib) are the
// series tool's and the menu rules' tests.
TEST_F(SeriesMenuTest, SeriesEntriesAskFirstAndClearTheRibOnYesTheCoordinatesEditorKeepsIt) {
  OpenAirfoil();
  EXPECT_EQ(OpenedBy(Command::CoordinatesEditor), "frmCoord");
  EXPECT_TRUE(doc.airfoil.loaded);
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(window->IsCommandEnabled(Command::RibSeries));
  doc.project.modified = false;
  messages.answers = {BoxAnswer::Yes};
  EXPECT_EQ(OpenedBy(Command::RibSeriesWithIntermediates), "frmtraCevol2");
  EXPECT_FALSE(doc.airfoil.loaded);

  // Without an airfoil there is nothing to lose: no question.
  const std::size_t asked = messages.shown.size();
  EXPECT_EQ(OpenedBy(Command::RibSeries), "frmtraCevol");
  EXPECT_EQ(messages.shown.size(), asked);
}

}  // namespace
