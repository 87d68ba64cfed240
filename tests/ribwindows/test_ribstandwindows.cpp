// The feature windows through the main window: tabs and blocks excluding each other, the
// leading-edge button, board distances following the airfoil, and a project built through
// the windows read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "core/newrib.h"
#include "core/ribconstruction.h"
#include "files/projectfile.h"
#include "mainwindow/mainwindow.h"
#include "output/dxfwriter.h"
#include "ribwindows/blockwindow.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/squareleadingedgewindow.h"
#include "ribwindows/tabwindow.h"
#include "ribwindows/textwindow.h"
#include "support/dxfsummary.h"
#include "support/ribsetup.h"
#include "support/windowtest.h"

using mainwindow::Command;

namespace {

class RibStandTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    main = std::make_unique<mainwindow::MainWindow>(doc);
    main->Load();
    OpenAirfoil();
  }
  void TearDown() override {
    main.reset();
    WindowTest::TearDown();
  }
  // Runs a modal window's command, filling it in with `fill` first.
  template <class Window>
  void RunWindow(Command command, std::function<void(Window*)> fill) {
    bool seen = false;
    WhenModal([&](QWidget* modal) {
      auto* w = qobject_cast<Window*>(modal);
      ASSERT_NE(w, nullptr);
      seen = true;
      fill(w);
      if (w->isVisible()) w->reject();
    });
    main->Run(command);
    EXPECT_TRUE(seen);
  }
  bool Enabled(Command c) const { return main->IsCommandEnabled(c); }

  std::unique_ptr<mainwindow::MainWindow> main;
};

TEST_F(RibStandTest, TabsAndBlocksExcludeEachOtherThroughTheirCommands) {
  EXPECT_TRUE(Enabled(Command::BuildingTabs) && Enabled(Command::Blocks));
  const int draws = main->DrawCount();
  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) {
    Retype(w->Box(3), "2");
    w->OkButton()->click();
  });
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);
  EXPECT_GT(main->DrawCount(), draws);  // the announcement redrew the rib
  EXPECT_TRUE(Enabled(Command::BuildingTabs));
  EXPECT_FALSE(Enabled(Command::Blocks));
  main->Run(Command::Blocks);  // refused while tabs are on
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // Cancel keeps the tabs, and the blocks command stays waiting.
  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) { w->CancelButton()->click(); });
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);
  EXPECT_FALSE(Enabled(Command::Blocks));

  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) { w->RemoveButton()->click(); });
  EXPECT_TRUE(Enabled(Command::BuildingTabs) && Enabled(Command::Blocks));

  RunWindow<ribwindows::BlockWindow>(Command::Blocks, [](ribwindows::BlockWindow* w) { w->OkButton()->click(); });
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::Blocks);
  EXPECT_FALSE(Enabled(Command::BuildingTabs));
  EXPECT_TRUE(Enabled(Command::Blocks));

  // A new rib has no airfoil: neither waits for the other, both wait for an airfoil.
  doc.project.saved = true;
  doc.project.modified = false;
  main->Run(Command::NewRib);
  EXPECT_FALSE(Enabled(Command::BuildingTabs) || Enabled(Command::Blocks));
  OpenAirfoil();
  EXPECT_TRUE(Enabled(Command::BuildingTabs) && Enabled(Command::Blocks));
}

// The caption names the airfoil open, not the one before it.
TEST_F(RibStandTest, ANewAirfoilGetsItsOwnCaption) {
  EXPECT_EQ(doc.rib.caption.text, "wing " + testsupport::Key("FrmInsText", "6") + " : 200");
  OpenAirfoil("TIP", "tip.dat");
  EXPECT_EQ(doc.rib.caption.text, "tip " + testsupport::Key("FrmInsText", "6") + " : 200");
  doc.rib.caption = {"Rib 12", {}, {}, 9, true};
  OpenAirfoil();
  EXPECT_EQ(doc.rib.caption.text, "Rib 12");  // the user's own stays
}

TEST_F(RibStandTest, TheLeadingEdgeButtonOpensTheSquareWindowOnceItIsInUse) {
  RunWindow<ribwindows::InputWindow>(Command::LeadingEdgeButton, [](ribwindows::InputWindow* w) { w->reject(); });
  main->Run(Command::SquareLeadingEdge);
  auto* square = main->findChild<ribwindows::SquareLeadingEdgeWindow*>();
  ASSERT_NE(square, nullptr);
  EXPECT_TRUE(square->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // the main window stays usable
  square->Box(0)->setText("6");
  square->Box(1)->setText("4");
  const int draws = main->DrawCount();
  square->ApplyButton()->click();
  EXPECT_EQ(main->DrawCount(), draws + 1);
  square->OkButton()->click();
  EXPECT_FALSE(square->isVisible());

  // Typed and cancelled: the window shown again shows the document, not the typing.
  main->Run(Command::LeadingEdgeButton);
  ASSERT_TRUE(square->isVisible());
  square->Box(0)->setText("9");
  square->CancelButton()->click();
  main->Run(Command::LeadingEdgeButton);
  EXPECT_EQ(square->Box(0)->text(), "6");
  main->Run(Command::LeadingEdgeButton);  // a second press brings the same window up
  EXPECT_EQ(main->findChildren<ribwindows::SquareLeadingEdgeWindow*>().size(), 1);

  // Another airfoil opened beside the open window: its boxes show the new rib's square.
  square->Box(0)->setText("9");
  OpenAirfoil("TIP", "tip.dat");
  EXPECT_EQ(square->Box(0)->text().toStdString(), doc.rib.squareLeadingEdge.size.text);
  square->close();
}

// With the board parallel to the chord the tabs stand on the airfoil's lowest point at
// any chord: at 300 mm, 300 x 0.025 - 1.5 = 6 mm; once inclined they stay where put.
TEST_F(RibStandTest, BoardDistancesFollowTheAirfoilWhileTheBoardIsParallel) {
  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) { w->OkButton()->click(); });
  EXPECT_FLOAT_EQ(doc.rib.tabs.lowerDistance.mm, 3.5f);
  RunWindow<ribwindows::InputWindow>(Command::Chord, [](ribwindows::InputWindow* w) {
    w->ValueBox()->setText("300");
    w->OkButton()->click();
  });
  EXPECT_EQ(doc.rib.tabs.lowerDistance, (core::Length{6, "6.00"}));
  EXPECT_EQ(doc.rib.tabs.upperDistance, (core::Length{-16.5f, "16.50"}));

  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) {
    Retype(w->Box(3), "1");
    w->OkButton()->click();
  });
  RunWindow<ribwindows::InputWindow>(Command::Sheeting, [](ribwindows::InputWindow* w) {
    w->ValueBox()->setText("3");
    w->OkButton()->click();
  });
  EXPECT_FLOAT_EQ(doc.rib.tabs.lowerDistance.mm, 6);

  // A new airfoil clears the board's place: the tabs stand on its lowest point again, here
  // at the chord its title gives (250 x 0.025 - 3).
  OpenAirfoil("TIP: 250", "tip.dat");
  ASSERT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);
  EXPECT_EQ(doc.rib.tabs.lowerDistance, (core::Length{3.25f, "3.25"}));
}

// Everything these windows shape, saved and read back, draws the same rib.
TEST_F(RibStandTest, AProjectBuiltThroughTheWindowsReadsBackAndDrawsTheSame) {
  auto roundTrip = [this](const char* what, std::vector<std::string>& summary) {
    const std::string text = files::ProjectFileText(doc);
    core::RibDocument back = doc;
    core::ResetRib(back);  // as a new rib the project is read over
    ASSERT_TRUE(files::ReadProjectText(text, back).ok) << what;
    EXPECT_TRUE(back.rib.tabs == doc.rib.tabs && back.rib.blocks == doc.rib.blocks) << what;
    EXPECT_EQ(std::tuple(back.rib.baseMode, back.rib.boardAngle, back.rib.leadingEdgeStyle),
              std::tuple(doc.rib.baseMode, doc.rib.boardAngle, doc.rib.leadingEdgeStyle)) << what;
    EXPECT_TRUE(back.rib.squareLeadingEdge == doc.rib.squareLeadingEdge) << what;
    EXPECT_EQ(std::tuple(back.rib.caption.text, back.rib.caption.x, back.rib.caption.y),
              std::tuple(doc.rib.caption.text, doc.rib.caption.x, doc.rib.caption.y)) << what;
    testsupport::ExpectSameRib(core::BuildRib(doc), core::BuildRib(back), what, 1e-9);
    const output::DxfBuild dxf = output::BuildDxf(back);
    EXPECT_TRUE(dxf.finite) << what;
    const auto entities = dxftest::Entities(dxf.text);  // also checks CR LF on every line
    for (const dxftest::Entity& e : entities)
      for (const auto& [x, y] : e.vertices)
        ASSERT_TRUE(std::isfinite(std::stod(x)) && std::isfinite(std::stod(y))) << what;
    summary = dxftest::Summary(entities, false);
  };

  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) {
    w->SideOption(1)->click();
    Retype(w->Box(4), "14.5");
    Retype(w->Box(1), "25%");
    Retype(w->Box(2), "12");
    Retype(w->Box(3), "-2.5");
    w->OkButton()->click();
  });
  main->Run(Command::SquareLeadingEdge);
  auto* square = main->findChild<ribwindows::SquareLeadingEdgeWindow*>();
  ASSERT_NE(square, nullptr);
  square->Box(0)->setText("5");
  square->Box(1)->setText("3");
  square->Box(2)->setText("-0.5");
  square->OkButton()->click();
  RunWindow<ribwindows::TextWindow>(Command::InsertText, [](ribwindows::TextWindow* w) {
    w->Box(1)->setText("40");
    w->Box(2)->setText("-8");
    w->OkButton()->click();
  });
  ASSERT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);
  std::vector<std::string> onTabs;
  roundTrip("tabs", onTabs);
  EXPECT_EQ(std::count(onTabs.begin(), onTabs.end(), "POLYLINE TALON open 2"), 5) << ::testing::PrintToString(onTabs);

  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) { w->RemoveButton()->click(); });
  RunWindow<ribwindows::BlockWindow>(Command::Blocks, [](ribwindows::BlockWindow* w) {
    const char* texts[6] = {"8", "20", "15", "3", "25", "3"};
    for (int i = 0; i < 6; ++i) Retype(w->Box(i), texts[i]);
    w->TailOption(1)->click();
    w->OkButton()->click();
  });
  ASSERT_EQ(doc.rib.baseMode, core::BaseMode::Blocks);
  std::vector<std::string> onBlocks;
  roundTrip("blocks", onBlocks);
  EXPECT_EQ(std::count(onBlocks.begin(), onBlocks.end(), "POLYLINE COFFR open 7"), 1);
  EXPECT_EQ(std::count(onBlocks.begin(), onBlocks.end(), "POLYLINE TALON open 2"), 0);
}

}  // namespace
