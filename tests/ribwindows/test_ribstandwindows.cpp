// The feature windows through the main window: tabs and blocks excluding each other, the
// leading-edge button, and the board's place on a new airfoil.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "mainwindow/mainwindow.h"
#include "ribwindows/blockwindow.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/squareleadingedgewindow.h"
#include "ribwindows/tabwindow.h"
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
    WhenModalIs<Window>([&](Window* w) {
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

// Once inclined, the tabs stay where put through a sheeting change; a new airfoil clears the
// board's place and they stand on its lowest point again, at the chord its title gives
// (250 x 0.025 - 3).
TEST_F(RibStandTest, ANewAirfoilPutsTheBoardOnItsLowestPoint) {
  RunWindow<ribwindows::TabWindow>(Command::BuildingTabs, [](ribwindows::TabWindow* w) {
    Retype(w->Box(3), "1");
    w->OkButton()->click();
  });
  EXPECT_FLOAT_EQ(doc.rib.tabs.lowerDistance.mm, 3.5f);
  RunWindow<ribwindows::InputWindow>(Command::Sheeting, [](ribwindows::InputWindow* w) {
    w->ValueBox()->setText("3");
    w->OkButton()->click();
  });
  EXPECT_FLOAT_EQ(doc.rib.tabs.lowerDistance.mm, 3.5f);

  OpenAirfoil("TIP: 250", "tip.dat");
  ASSERT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);
  EXPECT_EQ(doc.rib.tabs.lowerDistance, (core::Length{3.25f, "3.25"}));
}

}  // namespace
