// The Utilities entries of the main window: the series ask before clearing the rib, the
// coordinates editor leaves the rib alone.
#include <gtest/gtest.h>

#include <QTest>

#include "mainwindow/mainwindow.h"
#include "support/mainwindowtest.h"

using mainwindow::Command;
using platform::BoxAnswer;
using testsupport::Key;

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

// An unmodified rib gets the tools' own Yes or No; a modified one (an airfoil just opened)
// Save, Discard or Cancel, the quitting question's buttons.
TEST_F(SeriesMenuTest, SeriesEntriesAskFirstAndClearTheRibOnYes) {
  OpenAirfoil();
  ASSERT_TRUE(window->IsCommandEnabled(Command::RibSeries));
  messages.answers = {BoxAnswer::Cancel};
  window->Run(Command::RibSeries);  // returns at once: no window opens
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "20"));
  EXPECT_EQ(messages.shown.back().buttons, platform::BoxButtons::SaveDiscardCancel);
  EXPECT_TRUE(doc.airfoil.loaded);
  doc.project.modified = false;
  messages.answers = {BoxAnswer::No};
  window->Run(Command::RibSeries);
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "11"));
  EXPECT_TRUE(doc.airfoil.loaded);

  messages.answers = {BoxAnswer::Yes};
  EXPECT_EQ(OpenedBy(Command::RibSeriesWithIntermediates), "frmtraCevol2");
  EXPECT_FALSE(doc.airfoil.loaded);

  // Without an airfoil there is nothing to lose: no question.
  const std::size_t asked = messages.shown.size();
  EXPECT_EQ(OpenedBy(Command::RibSeries), "frmtraCevol");
  EXPECT_EQ(messages.shown.size(), asked);
}

TEST_F(SeriesMenuTest, CoordinatesEditorKeepsTheRib) {
  OpenAirfoil();
  EXPECT_EQ(OpenedBy(Command::CoordinatesEditor), "frmCoord");
  EXPECT_TRUE(doc.airfoil.loaded);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
