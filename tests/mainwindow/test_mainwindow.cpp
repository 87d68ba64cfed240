// The main window driven as a user drives it: zoom and scroll, status bar, menu enabling,
// the new-rib and exit questions, the recent files, projects, files written and services.
#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
#include <QToolButton>

#include "files/language.h"
#include "mainwindow/mainview.h"
#include "platform/notices.h"
#include "mainwindow/mainwindow.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/sparwindow.h"
#include "support/mainwindowtest.h"
#include "support/projectlines.h"

using platform::BoxAnswer;
using testsupport::Key;

namespace {

class MainWindowTest : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    ShowWindow();
  }
  bool Enabled(mainwindow::Command command) { return window->IsCommandEnabled(command); }
  std::string Status() { return window->Panel(2)->text().toStdString(); }
};

// Without an icon theme the tool bar takes Qt's own images by name: the same pixels as the
// style's icons at the bar's size and on a screen of twice the density.
TEST_F(MainWindowTest, ToolBarIconsAreTheStylesOwn) {
  const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {{"Toolbar1_2", QStyle::SP_DialogOpenButton},
                                                                   {"Toolbar1_3", QStyle::SP_DialogSaveButton},
                                                                   {"Toolbar1_5", QStyle::SP_FileDialogDetailedView},
                                                                   {"Toolbar1_7", QStyle::SP_ComputerIcon}};
  for (const auto& [name, standard] : buttons) {
    const QAction* action = window->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    const QIcon style = window->style()->standardIcon(standard);
    const QIcon ours = action->icon();
    // Sizes that take each of the style's images (16, 32 and 128 pixels), scaled up and down.
    for (int side : {16, 20, 40, 70})
      for (qreal scale : {1.0, 2.0})
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
          EXPECT_EQ(ours.pixmap(QSize(side, side), scale, mode).toImage(),
                    style.pixmap(QSize(side, side), scale, mode).toImage())
              << name << " " << side << " at " << scale << " in mode " << mode;
    const auto painted = [](const QIcon& icon) {
      QImage image(60, 60, QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(2.0);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      icon.paint(&painter, QRect(0, 0, 30, 30));
      return image;
    };
    EXPECT_EQ(painted(ours), painted(style)) << name;
  }
}

TEST_F(MainWindowTest, ScrollBarValuesBecomeNegatedOffsetsAndRedraw) {
  OpenAirfoil("LONG RIB: 600");
  window->ZoomList()->setCurrentIndex(0);  // 300 %: the rib is larger than the view
  ASSERT_GT(window->HorizontalScrollBar()->maximum(), 5);
  ASSERT_GT(window->VerticalScrollBar()->maximum(), 0);
  const int draws = window->DrawCount();
  window->HorizontalScrollBar()->setValue(5);
  EXPECT_EQ(doc.view.hScroll, -5);
  window->VerticalScrollBar()->setValue(1);  // one step down: the rib moves up
  EXPECT_EQ(doc.view.vScroll, 1);
  EXPECT_EQ(window->DrawCount(), draws + 2);
  // Another zoom starts from the top left again.
  window->ZoomList()->setCurrentIndex(6);
  EXPECT_FLOAT_EQ(doc.view.zoom, 0.25f);
  EXPECT_EQ(window->HorizontalScrollBar()->value(), 0);
  EXPECT_EQ(window->VerticalScrollBar()->value(), 0);
  EXPECT_EQ(doc.view.hScroll, 0);
}

TEST_F(MainWindowTest, StatusBarShowsVersionUnitAndTheAirfoilWithoutAMissingTitle) {
  EXPECT_EQ(window->Panel(1)->text().toStdString(), " V. " + core::VersionText());
  EXPECT_EQ(window->Panel(3)->text().toStdString(), Key("MainTolbar", "27") + " : mm");
  EXPECT_TRUE(Status().empty());
  const std::string airfoil = Key("MainTolbar", "11"), chord = Key("MainTolbar", "13");
  OpenAirfoil("CLARK Y: 250");
  EXPECT_EQ(Status(), airfoil + " : wing  " + chord + " : 250 mm <> Information : CLARK Y: 250");
  EXPECT_EQ(window->windowTitle().toStdString(), "Vandrell " + airfoil + " : wing[*]");
  // Without a title line the first point is the title: no information part.
  testsupport::WriteFile(dir.File("plain.dat"), "1 0.001\n0.5 0.06\n0 0\n0.5 -0.02\n1 0\n");
  commands::OpenRecentAirfoil(doc, dir.File("plain.dat"));
  EXPECT_EQ(Status(), airfoil + " : plain  " + chord + " : 250 mm");
}

// What shapes the rib waits while there is none, at start and after Clear all data: menu
// entries, command buttons and tool-bar buttons alike. A command run all the same (by a
// shortcut) opens nothing and marks nothing modified.
TEST_F(MainWindowTest, RibCommandsWaitWhileThereIsNoRib) {
  using enum mainwindow::Command;
  using mainwindow::ControlName;
  const mainwindow::Command needRib[] = {Chord,        ChordButton,      Sheeting,      LeadingEdgePiece,
                                         LeadingEdgeButton, Spars,       SparsButton,   Holes,
                                         HolesButton,  TrailingEdge,     TrailingEdgeButton, ReferenceLines,
                                         BuildingTabs, Blocks,           ThicknessCamber, InsertText,
                                         SaveProjectAs, Save,            ExportDxf,     ExportForCutting,
                                         Print,        PrintPreview};
  const mainwindow::Command withoutRib[] = {OpenAirfoil, AirfoilButton, OpenProject, Exit, Language, Calculator, RibSeries};
  const mainwindow::Command buttons[] = {ChordButton, LeadingEdgeButton, SparsButton, HolesButton, TrailingEdgeButton};
  auto expectRib = [&](bool there, const char* when) {
    for (mainwindow::Command c : needRib) EXPECT_EQ(Enabled(c), there) << ControlName(c) << when;
    for (mainwindow::Command c : withoutRib) EXPECT_TRUE(Enabled(c)) << ControlName(c) << when;
    for (mainwindow::Command c : buttons)
      EXPECT_EQ(window->CommandButton(c)->isEnabled(), there) << ControlName(c) << when;
    for (int b : {3, 5, 7}) EXPECT_EQ(window->ToolbarButton(b)->isEnabled(), there) << "tool bar " << b << when;
  };
  expectRib(false, " at start");
  MainWindowTest::OpenAirfoil();
  expectRib(true, " with an airfoil");
  bool saved = false, square = false;
  window->SetCommand(SaveProjectAs, [&] { saved = true; });
  window->ToolbarButton(3)->trigger();  // the tool bar's save button runs the menu's command
  EXPECT_TRUE(saved);
  window->SetCommand(SquareLeadingEdge, [&] { square = true; });
  doc.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;
  window->Run(LeadingEdgeButton);  // the leading-edge button follows the style
  EXPECT_TRUE(square);

  messages.answers = {BoxAnswer::Discard};  // the opened airfoil counts as a change
  window->Run(NewRib);
  EXPECT_FALSE(doc.airfoil.loaded);
  expectRib(false, " after Clear all data");
  EXPECT_EQ(window->windowTitle(), "Vandrell[*]");
  window->Run(SparsButton);
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible() && qobject_cast<ribwindows::SparWindow*>(w)) << "a spar window opened";
  EXPECT_FALSE(doc.project.modified);
}

// Whatever a command writes is said in the status bar, file and folder, with a button to the
// folder: the DXF export here; the print, the cutting export and the tools tell the same way.
TEST_F(MainWindowTest, AFileWrittenIsToldInTheStatusBarWithItsFolder) {
  auto* said = window->findChild<QLabel*>("lblwritten");
  auto* openFolder = window->findChild<QPushButton*>("cmdopenfolder");
  ASSERT_TRUE(said && openFolder);
  EXPECT_FALSE(said->isVisible());
  OpenAirfoil();
  std::filesystem::create_directory(dir.File("out"));
  fileDialogs.answers = {dir.File("out/wing.dxf")};
  window->Run(mainwindow::Command::ExportDxf);
  ASSERT_TRUE(std::filesystem::exists(dir.File("out/wing.dxf")));
  EXPECT_TRUE(said->isVisible());
  EXPECT_EQ(said->toolTip().toStdString(), "wing.dxf written to " + dir.File("out"));
  // Shortened in its middle where the status bar is too narrow: the file and folder names stay.
  const int whole = said->fontMetrics().horizontalAdvance(said->toolTip());
  window->resize(800, window->height());
  EXPECT_TRUE(QTest::qWaitFor([&] { return said->contentsRect().width() < whole; }));
  EXPECT_LE(said->fontMetrics().horizontalAdvance(said->text()), said->contentsRect().width());
  EXPECT_TRUE(said->text().startsWith("wing.dxf written to /") && said->text().endsWith("/out"))
      << said->text().toStdString();
  openFolder->click();
  EXPECT_EQ(desktop.foldersOpened, std::vector<std::string>{dir.File("out")});

  // In French the words are French, the last file's at once; a name that holds "%2" is shown
  // as it is.
  doc.settings.languageName = "Francais";
  doc.settings.languageFile = dir.File("Francais.lng");
  files::InstallLanguageLookup(doc);
  doc.changes.Announce(core::Change::Style);  // as the language window does
  EXPECT_EQ(said->toolTip().toStdString(), "wing.dxf enregistré dans " + dir.File("out"));
  platform::TellWritten(dir.File("out/r%2 %1.pdf"));
  EXPECT_EQ(said->toolTip().toStdString(), "r%2 %1.pdf enregistré dans " + dir.File("out"));
  EXPECT_EQ(openFolder->text(), "Ouvrir le dossier");
}

// A modified rib is replaced only after Save, Discard or Cancel, the quitting question's
// buttons; a saved one without a question. The title bar carries the platform's mark while
// the rib is modified. A label the menu shows unchecked is not drawn: after Clear all data
// the flags are off with their marks, and a rib turned upside down by anything but the menu
// shows the mark.
TEST_F(MainWindowTest, NewRibAsksForAModifiedRibAndKeepsItOnCancel) {
  OpenAirfoil();
  window->Action(mainwindow::Command::ShowTrailingEdgeHeight)->trigger();
  window->Action(mainwindow::Command::ShowThickness)->trigger();
  EXPECT_TRUE(doc.view.showThickness && doc.view.showTrailingEdgeHeight);
  EXPECT_TRUE(window->isWindowModified());
  messages.answers = {BoxAnswer::Cancel};
  window->Run(mainwindow::Command::NewRib);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("FrmMainMessage", "20"));
  EXPECT_EQ(messages.shown[0].buttons, platform::BoxButtons::SaveDiscardCancel);
  EXPECT_TRUE(doc.airfoil.loaded);

  doc.project.modified = false;
  doc.project.saved = true;  // a saved rib is cleared without a question
  window->Run(mainwindow::Command::NewRib);
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(doc.airfoil.loaded);
  EXPECT_FALSE(doc.view.showThickness || doc.view.showTrailingEdgeHeight);
  EXPECT_FALSE(window->Action(mainwindow::Command::ShowThickness)->isChecked());
  EXPECT_FALSE(window->Action(mainwindow::Command::ShowTrailingEdgeHeight)->isChecked());
  EXPECT_TRUE(window->Action(mainwindow::Command::ShowOutline)->isChecked());
  EXPECT_EQ(window->ZoomList()->currentIndex(), 3);

  doc.rib.upsideDown = true;  // as a project saved upside down opens
  doc.changes.Announce(core::Change::Setup);
  EXPECT_TRUE(window->Action(mainwindow::Command::ViewUpsideDown)->isChecked());
}

TEST_F(MainWindowTest, ExitAsksOnlyAboutUnsavedChangesAndCancelKeepsTheWindow) {
  OpenAirfoil();  // opening an airfoil marks the rib modified
  messages.answers = {BoxAnswer::Cancel, BoxAnswer::Discard};
  window->close();  // as the window manager's close box does
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "19"));
  window->close();
  EXPECT_FALSE(window->isVisible());

  // Nothing modified: Exit quits (without a word: the quitting rules' tests).
  window->show();
  doc.project.modified = false;
  window->Run(mainwindow::Command::Exit);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, RecentFilesShowMostRecentFirstAndReorderOnOpening) {
  auto menu = [this] {
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i)
      if (window->RecentEntry(i)->isVisible()) shown.push_back(window->RecentEntry(i)->data().toString().toStdString());
    return shown;
  };
  EXPECT_TRUE(menu().empty());
  testsupport::WriteFile(doc.settings.iniFile, "[LastFiles]\nRecentFile1=/ribs/b&c.dat\nRecentFile2=/ribs/a.dat\n");
  window->LoadRecentMenu();
  EXPECT_EQ(menu(), (std::vector<std::string>{"/ribs/b&c.dat", "/ribs/a.dat"}));
  EXPECT_EQ(window->RecentEntry(0)->text(), "&1 /ribs/b&&c.dat");  // its number is the access key, "&" none

  std::vector<std::string> p;
  for (const char* name : {"a", "b", "c", "d", "e"}) p.push_back(OpenAirfoil(name, name + std::string(".dat")));
  EXPECT_EQ(menu(), (std::vector<std::string>{p[4], p[3], p[2], p[1]}));  // a fifth drops the oldest
  messages.answers = {BoxAnswer::Discard};  // e is open and counts as a change
  window->RecentEntry(2)->trigger();  // c, third in the list, comes first
  EXPECT_EQ(doc.airfoil.name, "c");
  EXPECT_EQ(menu(), (std::vector<std::string>{p[2], p[4], p[3], p[1]}));
}

TEST_F(MainWindowTest, EdgePiecesLongerThanTheChordAreRefusedAtRedraw) {
  OpenAirfoil();
  doc.rib.leadingEdge.mm = 120;
  doc.rib.trailingEdge.mm = 90;
  const int draws = window->DrawCount();
  window->Redraw();
  EXPECT_EQ(window->DrawCount(), draws);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, Key("FrmMainMessage", "13"));
  EXPECT_EQ(messages.shown.back().title, Key("FrmMainMessage", "14"));
  // Resizing, scrolling and zooming redraw: the same values are not told again.
  const std::size_t told = messages.shown.size();
  window->Redraw();
  window->resize(window->width() - 20, window->height());
  EXPECT_EQ(messages.shown.size(), told);
  doc.rib.trailingEdge.mm = 95;  // changed, and still too long: told
  window->Redraw();
  EXPECT_EQ(messages.shown.size(), told + 1);
  EXPECT_TRUE(window->View()->IsBlank());  // what the view shows is what was drawn: nothing
}

// What leaves no sensible rib is stored all the same, said beside the box while typed and
// in the status bar while it stands, whole: in the airfoil panel's place, on two lines where
// the window is too narrow. At 50 % the test airfoil is 0.08 x 200 = 16 mm thick.
TEST_F(MainWindowTest, TheStatusBarTellsWhatLeavesNoRibUntilItIsMended) {
  ShowWindow();
  OpenAirfoil();
  const QLabel* panel = window->WarningPanel();
  const auto told = [panel] { return panel->text().replace('\n', ' '); };
  EXPECT_TRUE(panel->text().isEmpty());
  EXPECT_TRUE(window->Panel(2)->isVisible());
  ribwindows::InputWindow sheeting(doc, ribwindows::InputKind::Sheeting);
  sheeting.ValueBox()->setText("50");
  const QString fills = QString::fromStdString(Key("RibCheck", "1"));
  EXPECT_TRUE(sheeting.Warning()->text().startsWith(fills));
  sheeting.OkButton()->click();
  EXPECT_EQ(doc.rib.sheeting.text, "50");
  EXPECT_TRUE(told().startsWith(fills));
  EXPECT_FALSE(window->Panel(2)->isVisible());

  auto* spars = ribwindows::SparWindow::Open(doc, window.get());
  spars->UpperOption(2)->click();
  spars->PositionBox()->setText("50%");
  spars->WidthBox()->setText("5");
  spars->HeightBox()->setText("17");
  spars->ApplyButton()->click();
  EXPECT_TRUE(told().endsWith(" (+1)"));
  for (int width : {window->width(), 420}) {
    window->resize(width, window->height());
    QApplication::processEvents();
    EXPECT_TRUE(told().endsWith(" (+1)"));
    for (const QString& line : panel->text().split('\n')) {
      EXPECT_GE(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(line)) << width;
      EXPECT_FALSE(line.startsWith("mm")) << width;  // a number keeps its unit
    }
  }
  EXPECT_TRUE(panel->text().contains('\n'));
  doc.rib.sheeting = {1.5f, "1.5"};
  doc.changes.Announce(core::Change::Setup | core::Change::Sheeting);
  EXPECT_EQ(told().toStdString(), Key("Frmlongeron", "2") + " 1 \u2013 " + Key("RibCheck", "3") + " (16.00\u00a0mm).");
  spars->HeightBox()->setText("15");
  spars->OkButton()->click();
  EXPECT_TRUE(panel->text().isEmpty());
  EXPECT_TRUE(window->Panel(2)->isVisible());
}

TEST_F(MainWindowTest, StandardShortcutsWheelAndFitWorkTheView) {
  using mainwindow::Command;
  const std::pair<Command, QKeySequence::StandardKey> standard[] = {
      {Command::OpenAirfoil, QKeySequence::Open},  {Command::Save, QKeySequence::Save},
      {Command::HelpTopics, QKeySequence::HelpContents}, {Command::ZoomIn, QKeySequence::ZoomIn},
      {Command::ZoomOut, QKeySequence::ZoomOut}};
  for (const auto& [command, key] : standard)
    EXPECT_TRUE(window->Action(command)->shortcuts().contains(QKeySequence(key))) << mainwindow::ControlName(command);
  // Where the desktop's theme names none, the usual keys.
  EXPECT_FALSE(window->Action(Command::SaveProjectAs)->shortcuts().isEmpty());
  EXPECT_FALSE(window->Action(Command::Exit)->shortcuts().isEmpty());
  EXPECT_EQ(window->Action(Command::Fit)->shortcut(), QKeySequence("Ctrl+0"));

  // A rib opens fitted to the view, as Ctrl+0 fits it: a 900 mm rib at less than 100 %.
  ShowWindow();
  OpenAirfoil("LONG RIB: 900");
  const core::ViewState opened = doc.view;
  EXPECT_LT(opened.zoom, 1);
  window->ZoomList()->setCurrentIndex(3);  // 100 %
  const QPointF at(200, 150);
  auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent e(at, window->View()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->View(), &e);
  };
  wheel(-120, Qt::NoModifier);  // a notch towards the user scrolls down
  EXPECT_GT(doc.view.vScroll, 0);
  EXPECT_FLOAT_EQ(doc.view.zoom, 1);
  wheel(120, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(doc.view.zoom, 1.5f);
  EXPECT_EQ(window->ZoomList()->currentText(), "Zoom 150 %");
  window->Run(Command::ZoomOut);
  EXPECT_FLOAT_EQ(doc.view.zoom, 1);

  window->Run(Command::Fit);
  EXPECT_FLOAT_EQ(doc.view.zoom, opened.zoom);
  EXPECT_EQ(doc.view.hScroll, opened.hScroll);
  EXPECT_EQ(doc.view.vScroll, opened.vScroll);
  EXPECT_EQ(window->ZoomList()->currentText().toStdString(), mainwindow::ZoomEntryText(doc.view.zoom));
  EXPECT_EQ(window->ZoomList()->count(), 8);
  window->Run(Command::ZoomIn);  // back to the fixed steps
  EXPECT_GT(doc.view.zoom, 0.2f);
}

// Files reach the program the ways desktop users send them: on the command line and dropped
// on the window; a drop that would replace unsaved changes asks first.
TEST_F(MainWindowTest, FilesOpenFromTheCommandLineAndByDragAndDrop) {
  const std::string first = dir.File("given.dat"), second = dir.File("dropped.cor"), notes = dir.File("notes.txt");
  testsupport::WriteFile(first, testsupport::AirfoilText("GIVEN: 150"));
  testsupport::WriteFile(second, testsupport::AirfoilText("DROPPED"));
  testsupport::WriteFile(notes, "not an airfoil");
  window->OpenFiles({first});
  EXPECT_EQ(doc.airfoil.name, "given");
  EXPECT_FLOAT_EQ(doc.rib.chord.mm, 150);
  EXPECT_TRUE(messages.shown.empty());

  auto drop = [this](const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    const bool offered = enter.isAccepted();
    QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &dropped);
    return offered;
  };
  messages.answers = {BoxAnswer::Cancel};  // the opened airfoil counts as a change
  EXPECT_TRUE(drop(second));
  EXPECT_EQ(doc.airfoil.name, "given");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].buttons, platform::BoxButtons::SaveDiscardCancel);
  messages.answers = {BoxAnswer::Discard};
  EXPECT_TRUE(drop(second));
  EXPECT_EQ(doc.airfoil.name, "dropped");
  EXPECT_FALSE(drop(notes));  // not offered to the program
  EXPECT_EQ(doc.airfoil.name, "dropped");
}

// The window opens whole on the screen whatever size it had or the screen has, and comes
// back where the user left it.
TEST_F(MainWindowTest, TheWindowOpensWithinTheScreenAndRemembersItsPlace) {
  const QRect room = window->screen()->availableGeometry();
  EXPECT_TRUE(room.contains(window->frameGeometry()));

  // Start after start, the window's own area comes back exactly where it was left.
  const QRect left(room.left() + 30, room.top() + 40, room.width() / 2, room.height() / 2);
  window->setGeometry(left);
  window->show();
  window->close();
  for (int start = 0; start < 3; ++start) {
    mainwindow::MainWindow again(doc);
    again.Load();
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.geometry(), left) << "start " << start;
    again.close();
  }

  userStore.Set("Window", "MainGeometry", "not a geometry");  // damaged: the default, fitted
  mainwindow::MainWindow fresh(doc);
  fresh.Load();
  EXPECT_LE(fresh.width(), room.width());
  EXPECT_LE(fresh.height(), room.height());
}

// The rib menu opens wherever the platform asks for a context menu (the keys: the keyboard
// tests).
TEST_F(MainWindowTest, TheRibMenuOpensOnTheContextMenuEventAndServicesAreReached) {
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 40), window->View()->mapToGlobal(QPoint(40, 40)));
  QApplication::sendEvent(window->View(), &click);
  EXPECT_TRUE(window->RibMenu()->isVisible());
  window->RibMenu()->close();

  window->Run(mainwindow::Command::HelpTopics);
  EXPECT_EQ(help.topics, std::vector<int>{10});
  window->Run(mainwindow::Command::CheckVersion);
  EXPECT_EQ(desktop.pagesOpened.size(), 1u);
  window->Run(mainwindow::Command::PrinterSetup);
  EXPECT_EQ(desktop.printerSetups, 1);
  window->Run(mainwindow::Command::Calculator);
  EXPECT_EQ(desktop.calculatorStarts, 1);
}

TEST_F(MainWindowTest, ProjectSavedAndOpenedAgainBringsTheRibBack) {
  core::RibDocument& s = doc;
  OpenAirfoil("WING: 180", "airfoils/wing.dat");  // where the project looks for it
  s.rib.markCount = 6;
  fileDialogs.answers = {dir.File("rib.vdl")};
  EXPECT_TRUE(window->isWindowModified());
  window->Run(mainwindow::Command::SaveProjectAs);
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(fileDialogs.requests[0].fileName, "wing.vdl");  // the airfoil's name is proposed
  // The title names the project at once.
  const std::string title = "Vandrell " + Key("MainTolbar", "26") + " : rib.vdl " + Key("MainTolbar", "11") + " : wing[*]";
  EXPECT_EQ(window->windowTitle().toStdString(), title);
  // A saved project is first among the recent files, above the airfoil it was made from.
  auto recent = [this](int i) { return window->RecentEntry(i)->data().toString().toStdString(); };
  EXPECT_EQ(recent(0), dir.File("rib.vdl"));
  EXPECT_EQ(recent(1), dir.File("airfoils/wing.dat"));

  window->Run(mainwindow::Command::NewRib);  // saved: no question
  EXPECT_EQ(s.rib.markCount, 0);
  fileDialogs.answers = {dir.File("rib.vdl")};
  window->Run(mainwindow::Command::OpenProject);
  EXPECT_TRUE(messages.shown.empty());  // nothing was loaded: nothing to ask
  EXPECT_EQ(s.airfoil.name, "wing");
  EXPECT_EQ(s.rib.markCount, 6);
  EXPECT_FLOAT_EQ(s.rib.chord.mm, 180);
  EXPECT_TRUE(Enabled(mainwindow::Command::Chord));
  EXPECT_EQ(window->windowTitle().toStdString(), title);

  // With a rib open, the open command asks first; No keeps it.
  messages.answers = {BoxAnswer::No};
  window->Run(mainwindow::Command::OpenProject);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Key("fileopen", "1"));
  EXPECT_EQ(fileDialogs.requests.size(), 2u);  // the open dialog was not shown again
  EXPECT_EQ(s.rib.markCount, 6);
  // Its recent entry opens it as a project, not as an airfoil, and puts it first again.
  OpenAirfoil("OTHER", "other.dat");
  s.project.modified = false;
  ASSERT_EQ(recent(1), dir.File("rib.vdl"));
  window->RecentEntry(1)->trigger();
  EXPECT_EQ(s.rib.markCount, 6);
  EXPECT_EQ(s.project.path, dir.File("rib.vdl"));
  EXPECT_EQ(recent(0), dir.File("rib.vdl"));

  // A project whose airfoil is gone: told (why, and that the rib and the settings file stay,
  // are the open command's tests), and the window's rib, title and recent files stay.
  std::filesystem::remove(dir.File("airfoils/wing.dat"));
  s.rib.markCount = 7;
  const QString recentShown = window->findChild<QAction*>("mnuFileMRU0")->text();
  messages.answers = {BoxAnswer::Yes};
  fileDialogs.answers = {dir.File("rib.vdl")};
  window->Run(mainwindow::Command::OpenProject);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(s.rib.markCount, 7);
  EXPECT_TRUE(s.airfoil.loaded && Enabled(mainwindow::Command::Chord));
  EXPECT_EQ(window->windowTitle().toStdString(), title);
  EXPECT_EQ(window->findChild<QAction*>("mnuFileMRU0")->text(), recentShown);
  s.project.modified = false;  // no quit question
}

// A project opened over a rib in use takes the place of all of it: a special view, a display
// toggle, the zoom and the saved mark go with the old rib. File > Save (Ctrl+S) and the Save of
// the quit question then write the opened file in place, without a dialog.
TEST_F(MainWindowTest, AnOpenedProjectReplacesTheSetUpAndSavesInPlace) {
  using mainwindow::Command;
  std::filesystem::copy_file(testsupport::AirfoilPath("clarky.dat"), dir.File("airfoils/clarky.dat"));
  const std::string project = dir.File("full_mm.vdl");
  const std::string bytes = testsupport::ReadFile(testsupport::DataPath("projects/full_mm.vdl"));
  testsupport::WriteFile(project, bytes);

  OpenAirfoil();
  doc.project.saved = true;  // as a save would leave it
  doc.project.modified = false;
  window->Action(Command::ShowThickness)->trigger();
  window->ZoomList()->setCurrentIndex(0);
  doc.view.thicknessCamberShown = true;
  ASSERT_TRUE(doc.view.showThickness);
  ASSERT_FLOAT_EQ(doc.view.zoom, 3);

  messages.answers = {BoxAnswer::Yes};  // open over the rib in use
  fileDialogs.answers = {project};
  window->Run(Command::OpenProject);
  EXPECT_EQ(doc.airfoil.name, "clarky");
  EXPECT_FALSE(doc.view.thicknessCamberShown || doc.view.showThickness || doc.project.saved);
  EXPECT_FALSE(window->Action(Command::ShowThickness)->isChecked());
  EXPECT_LT(doc.view.zoom, 3);  // fitted to the view afresh
  EXPECT_EQ(window->windowTitle().toStdString(),
            "Vandrell " + Key("MainTolbar", "26") + " : full_mm.vdl " + Key("MainTolbar", "11") + " : clarky[*]");

  // Line 67 of the file holds the number of reference lines.
  doc.rib.markCount = 9;
  doc.project.modified = true;
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(testsupport::ReadFile(project), testsupport::WithLine(bytes, 66, "9"));
  EXPECT_FALSE(doc.project.modified);

  doc.rib.markCount = 4;
  doc.project.modified = true;
  messages.answers = {BoxAnswer::Save};
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(testsupport::ReadFile(project), testsupport::WithLine(bytes, 66, "4"));
  EXPECT_EQ(fileDialogs.requests.size(), 1u);  // the open only
}

}  // namespace
