// Edit > Undo and Redo as a user meets them: steps made through the real windows, the rib
// given back exactly, the menu naming the step, the modified flag following the saved step,
// a fresh history for a new airfoil, open windows following an undo, and a history that
// does not depend on who else listens.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "commands/ribedit.h"
#include "core/ribconstruction.h"
#include "core/ribtrace.h"
#include "core/viewgeometry.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/undohistory.h"
#include "mainwindow/undorules.h"
#include "platform/recordingtarget.h"
#include "ribwindows/inputsettings.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/slotlabels.h"
#include "ribwindows/sparwindow.h"
#include "ribwindows/tabrules.h"
#include "ribwindows/tabwindow.h"
#include "support/mainwindowtest.h"
#include "support/windowtest.h"
#include "toolwindows/thicknesscamberwindow.h"

using mainwindow::Command;
using testsupport::Key;

namespace {

// ---- Step names ----

TEST(UndoStepNames, TheChangeTheUserMadeNamesTheStepNotWhatFollowedIt) {
  const core::RibSetup before;
  const std::pair<const char*, std::function<void(core::RibSetup&)>> steps[] = {
      {"10", [](core::RibSetup& r) {  // the chord; the caption and the board distances follow it
         r.chord = {250, "250"}, r.caption.text = "WING 250", r.tabs.lowerDistance = {12, "12"};
       }},
      {"17", [](core::RibSetup& r) { r.tabs.lengthText = "25%", r.baseMode = core::BaseMode::Tabs, r.caption.text = "moved"; }},
      {"18", [](core::RibSetup& r) { r.baseMode = core::BaseMode::Blocks; }},
      {"15", [](core::RibSetup& r) { r.spars[0].positionText = "60"; }},
      {"14", [](core::RibSetup& r) { r.leadingEdgeStyle = core::LeadingEdgeStyle::Square, r.leadingEdge = {6, "6"}; }},
      {"20", [](core::RibSetup& r) { r.caption.x = {40, "40"}; }},
      {"21", [](core::RibSetup& r) { r.upsideDown = true; }}};
  for (const auto& [key, change] : steps) {
    core::RibSetup after = before;
    change(after);
    EXPECT_STREQ(mainwindow::StepNameKey(before, after), key);
  }
  core::RibSetup blocks = before;
  blocks.baseMode = core::BaseMode::Blocks;
  EXPECT_STREQ(mainwindow::StepNameKey(blocks, before), "18");  // removing them too
}

// ---- The history in the main window ----

class UndoTest : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    OpenAirfoil();
    ShowWindow();
  }
  void TearDown() override {
    doc.project.modified = false;  // no quit question
    MainWindowFixture::TearDown();
  }

  void TypeChord(const char* text) {
    bool seen = false;
    WhenModalIs<ribwindows::InputWindow>([&](ribwindows::InputWindow* input) {
      seen = true;
      input->ValueBox()->setText(text);
      input->OkButton()->click();
    });
    window->Run(Command::Chord);
    EXPECT_TRUE(seen);
  }
  ribwindows::SparWindow* SparWindow() {
    window->Run(Command::Spars);
    return window->findChild<ribwindows::SparWindow*>();
  }
  static void AddSpar(ribwindows::SparWindow* spars, const char* position) {
    spars->PositionBox()->setText(position);
    spars->WidthBox()->setText("5");
    spars->HeightBox()->setText("3");
    spars->AddButton()->click();
  }
  // Every primitive the rib draws at the main view's placement.
  platform::RecordingTarget Drawn() const {
    platform::RecordingTarget target;
    core::DrawRib(doc, core::PlaceView(doc), {}, target);
    return target;
  }
  void Undo() { window->History().UndoAction()->trigger(); }
  void Redo() { window->History().RedoAction()->trigger(); }
  std::string UndoText() const { return window->History().UndoAction()->text().toStdString(); }
  std::string RedoText() const { return window->History().RedoAction()->text().toStdString(); }
  int Steps() const { return window->History().Stack().count(); }
};

void ExpectSameDrawing(const platform::RecordingTarget& a, const platform::RecordingTarget& b, const char* what) {
  EXPECT_TRUE(a.lines == b.lines) << what;
  EXPECT_TRUE(a.circles == b.circles) << what;
  EXPECT_TRUE(a.texts == b.texts) << what;
}

TEST_F(UndoTest, UndoingChordAndSparGivesEachRibBackExactly) {
  EXPECT_FALSE(window->History().UndoAction()->isEnabled());
  EXPECT_EQ(UndoText(), Key("MenuEdit", "2"));  // no step to name, no blank after the verb
  const core::RibSetup first = doc.rib;
  const platform::RecordingTarget firstDrawn = Drawn();

  TypeChord("250");
  const core::RibSetup second = doc.rib;
  ASSERT_FLOAT_EQ(second.chord.mm, 250);
  EXPECT_EQ(UndoText(), Key("MenuEdit", "2") + " " + Key("MenuEdit", "10"));

  ribwindows::SparWindow* spars = SparWindow();
  ASSERT_NE(spars, nullptr);
  AddSpar(spars, "30%");
  const core::RibSetup third = doc.rib;
  ASSERT_EQ(third.spars[0].positionText, "30%");
  EXPECT_EQ(UndoText(), Key("MenuEdit", "2") + " " + Key("MenuEdit", "15"));
  const platform::RecordingTarget thirdDrawn = Drawn();

  QTest::mouseClick(spars->Labels()->Label(0), Qt::LeftButton);
  spars->DeleteButton()->click();
  const core::RibSetup fourth = doc.rib;
  ASSERT_TRUE(fourth.spars[0].positionText.empty() || fourth.spars[0].positionText == "0");
  ASSERT_EQ(Steps(), 3);

  Undo();
  EXPECT_TRUE(doc.rib == third);
  ExpectSameDrawing(Drawn(), thirdDrawn, "after one undo");
  EXPECT_EQ(RedoText(), Key("MenuEdit", "3") + " " + Key("MenuEdit", "15"));
  Undo();
  EXPECT_TRUE(doc.rib == second);
  Undo();
  EXPECT_TRUE(doc.rib == first);
  ExpectSameDrawing(Drawn(), firstDrawn, "back at the start");
  EXPECT_FALSE(window->History().UndoAction()->isEnabled());
  Undo();  // nothing more to undo: nothing happens
  EXPECT_TRUE(doc.rib == first);

  for (int i = 0; i < 3; ++i) Redo();
  EXPECT_TRUE(doc.rib == fourth);
  EXPECT_FALSE(window->History().RedoAction()->isEnabled());

  // Zoom and display toggles are not steps, nor is a changed thickness and camber shown over
  // the rib and then cancelled: the menu still offers the spar's deletion.
  window->Run(Command::ZoomIn);
  window->Action(Command::ShowThickness)->trigger();
  WhenModalIs<toolwindows::ThicknessCamberWindow>([](toolwindows::ThicknessCamberWindow* tool) {
    tool->ThicknessBox()->setText("15");
    tool->ApplyButton()->click();
    tool->CancelButton()->click();
  });
  window->Run(Command::ThicknessCamber);
  EXPECT_FALSE(doc.view.thicknessCamberShown);
  EXPECT_EQ(Steps(), 3);
  EXPECT_EQ(UndoText(), Key("MenuEdit", "2") + " " + Key("MenuEdit", "15"));

  // A new step after an undo drops what could have been redone.
  Undo();
  Undo();
  TypeChord("300");
  EXPECT_FALSE(window->History().RedoAction()->isEnabled());
  EXPECT_EQ(Steps(), 2);  // the first chord, then this one
  spars->close();
}

TEST_F(UndoTest, TheModifiedFlagFollowsTheSavedStepAndANewAirfoilStartsAfresh) {
  OpenAirfoil("WING2", "wing2.dat");
  // A new airfoil was never saved: undoing every step leaves it modified.
  TypeChord("220");
  EXPECT_TRUE(doc.project.modified);
  Undo();
  EXPECT_TRUE(doc.project.modified);

  fileDialogs.answers = {dir.File("rib.vdl")};
  window->Run(Command::SaveProjectAs);
  ASSERT_FALSE(doc.project.modified);
  TypeChord("240");
  TypeChord("260");
  EXPECT_TRUE(doc.project.modified);
  Undo();
  EXPECT_TRUE(doc.project.modified);
  Undo();
  EXPECT_FALSE(doc.project.modified);  // back at what is on disk
  EXPECT_FLOAT_EQ(doc.rib.chord.mm, 200);
  Redo();
  EXPECT_TRUE(doc.project.modified);
  // Saving the middle step makes it the clean one.
  window->Run(Command::Save);
  ASSERT_FALSE(doc.project.modified);
  Redo();
  EXPECT_TRUE(doc.project.modified);
  Undo();
  EXPECT_FALSE(doc.project.modified);

  // Another airfoil: nothing of the old rib can be undone into it.
  OpenAirfoil("OTHER", "other.dat");
  EXPECT_EQ(Steps(), 0);
  EXPECT_FALSE(window->History().UndoAction()->isEnabled());
  EXPECT_FALSE(window->History().RedoAction()->isEnabled());
  window->Run(Command::NewRib);
  EXPECT_EQ(Steps(), 0);
}

TEST_F(UndoTest, AnApplyIsOneStepAndOkAfterItOrCancelAddsNone) {
  auto runTabs = [this](std::function<void(ribwindows::TabWindow*)> fill) {
    WhenModalIs<ribwindows::TabWindow>([fill](ribwindows::TabWindow* w) {
      fill(w);
      if (w->isVisible()) w->reject();
    });
    window->Run(Command::BuildingTabs);
  };
  runTabs([](ribwindows::TabWindow* w) {
    w->Box(1)->setText("20");
    w->Box(3)->setText("2");
    w->ApplyButton()->click();
    w->OkButton()->click();
  });
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::Tabs);
  EXPECT_EQ(Steps(), 1);
  EXPECT_EQ(UndoText(), Key("MenuEdit", "2") + " " + Key("MenuEdit", "17"));
  runTabs([](ribwindows::TabWindow* w) { w->CancelButton()->click(); });
  EXPECT_EQ(Steps(), 1);

  Undo();
  EXPECT_EQ(doc.rib.baseMode, core::BaseMode::None);
  EXPECT_TRUE(window->IsCommandEnabled(Command::Blocks));  // the window follows the undo
}

TEST_F(UndoTest, AnOpenSparWindowFollowsAnUndo) {
  ribwindows::SparWindow* spars = SparWindow();
  ASSERT_NE(spars, nullptr);
  AddSpar(spars, "40");
  ASSERT_EQ(doc.rib.spars[0].positionText, "40");

  // Ctrl+Z typed in the spar window undoes there too, as in the main window.
  spars->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(spars));
  QTest::keyClick(spars->AddButton(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(doc.rib.spars[0].positionText, "40");
  // Had the window kept its own copy, the undone spar would come back with the next one.
  AddSpar(spars, "90");
  EXPECT_EQ(doc.rib.spars[0].positionText, "90");
  EXPECT_NE(doc.rib.spars[1].positionText, "40");
  spars->close();
}

TEST_F(UndoTest, StepNamesFollowTheLanguage) {
  TypeChord("230");
  EXPECT_EQ(UndoText(), "&Undo chord");
  doc.settings.languageName = "Francais";
  doc.settings.languageFile = dir.File("Francais.lng");
  files::InstallLanguageLookup(doc);
  doc.changes.Announce(core::Change::Style);
  EXPECT_EQ(UndoText(), "&Annuler corde");
}

// The history as the only listener: what follows from a change (the caption, the board
// below a parallel chord: 300 x 0.025 - 1.5 = 6) is in the step, and undo gives back the
// distance the user typed rather than working one out for the old chord.
class HistoryAlone : public testsupport::WindowTest {};

TEST_F(HistoryAlone, AStepHoldsWhatFollowedTheChangeAndUndoWorksNothingOut) {
  OpenAirfoil();
  mainwindow::UndoHistory history(doc, nullptr);
  commands::TabBoxes boxes = ribwindows::TabBoxesFromDocument(doc);
  boxes.lowerDistance = "10";
  commands::ApplyEdit(doc, commands::SetTabs{boxes});
  const core::RibSetup typed = doc.rib;
  ASSERT_EQ(typed.tabs.lowerDistance, (core::Length{10, "10"}));

  commands::ApplyEdit(doc, commands::SetLength{commands::RibLength::Chord, {300, "300"}});
  EXPECT_EQ(doc.rib.tabs.lowerDistance, (core::Length{6, "6.00"}));
  EXPECT_EQ(doc.rib.caption.text, "wing " + Key("FrmInsText", "6") + " : 300");
  const core::RibSetup longer = doc.rib;
  ASSERT_EQ(history.Stack().count(), 2);

  core::Changes undone;
  core::ChangeChannel::Subscription listening = doc.changes.Listen([&](core::Changes c) { undone = c; });
  history.Undo();
  EXPECT_TRUE(doc.rib == typed);
  // Windows that show lengths from the chord hear that it went back; the sheeting stayed.
  EXPECT_TRUE(undone.Has(core::Change::Restored) && undone.Has(core::Change::Chord));
  EXPECT_FALSE(undone.Has(core::Change::Sheeting));
  history.Redo();
  EXPECT_TRUE(doc.rib == longer);
  EXPECT_EQ(history.Stack().count(), 2);
}

}  // namespace
