// The Utilities entries of the main window: the series ask before clearing the rib, the
// coordinates editor leaves the rib alone, the series table asks before the next rib.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "commands/ribseries.h"
#include "mainwindow/mainwindow.h"
#include "serieswindows/seriestablewindow.h"
#include "serieswindows/serieswindow.h"
#include "support/mainwindowtest.h"
#include "support/seriesrequest.h"

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

// The table of a series opens its ribs in the main window one after another; a rib changed
// since (an opened airfoil counts as a change) is replaced by the next only after the
// Save / Discard / Cancel question.
TEST_F(SeriesMenuTest, TheTablesNextRibAsksBeforeReplacingAChangedOne) {
  const commands::SeriesResult series =
      commands::GenerateSeries(testsupport::SeriesRequestOf("clarky", "naca0012", "1", "200", "100", dir.File("series")));
  ASSERT_EQ(series.outcome, commands::SeriesOutcome::Written);
  const std::vector<std::string>& ribs = series.written.paths;
  ASSERT_EQ(ribs.size(), 3u);
  fileDialogs.answers = {series.written.summaryPath};
  WhenModal([](QWidget* w) { static_cast<serieswindows::SeriesWindow*>(w)->TableButton()->click(); }, 50);
  window->Run(Command::RibSeries);
  const auto tables = window->findChildren<serieswindows::SeriesTableWindow*>();
  ASSERT_EQ(tables.size(), 1);
  serieswindows::SeriesTableWindow* table = tables[0];

  table->OpenSelected();
  EXPECT_EQ(doc.airfoil.path, ribs[0]);
  messages.answers = {BoxAnswer::Cancel};
  table->NextButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, testsupport::Key("FrmMainMessage", "20"));
  EXPECT_EQ(messages.shown[0].buttons, platform::BoxButtons::SaveDiscardCancel);
  EXPECT_EQ(doc.airfoil.path, ribs[0]);
  EXPECT_EQ(table->Table()->currentRow(), 0) << "the selection stays with the rib shown";
  messages.answers = {BoxAnswer::Discard};
  table->NextButton()->click();
  EXPECT_EQ(doc.airfoil.path, ribs[1]);
  EXPECT_EQ(table->Table()->currentRow(), 1);
  doc.project.modified = false;  // no quit question
}

}  // namespace
