// The open-airfoil window driven as a user drives it: the file list by the keys, the
// preview, each refusal told beside it, the name box, Open and Cancel, and the road into
// the main window.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "files/ini.h"
#include "commands/airfoilcommands.h"
#include "mainwindow/mainwindow.h"
#include "sharedwindows/openairfoilwindow.h"
#include "support/windowtest.h"

using testsupport::Key;

namespace {

class OpenAirfoilWindowTest : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    folder = dir.path() / "airfoils";
    doc.settings.lastOpenDir = folder.string();
    for (auto [name, text] : std::initializer_list<std::pair<const char*, std::string>>{
             {"good.dat", testsupport::AirfoilText("GOOD 12")}, {"four.dat", "T\n1 0\n0.5 0.05\n0 0\n1 0\n"},
             {"blank.dat", "   \n1 0\n0 0\n1 0\n"}, {"first.dat", "T\n0.99999 0\n0 0\n1 0\n"},
             {"double.dat", "T\n1 0\n0.5 0.05\n0.5 0.05\n0 0\n1 0\n"},
             {"open.dat", "T\n1 0\n0.5 0.05\n0 0\n0.5 -0.02\n0.9998 0\n"}, {"tip.cor", testsupport::AirfoilText("TIP")},
             {"ROOT.DAT", testsupport::AirfoilText("ROOT")}})
      testsupport::WriteFile((folder / name).string(), text);
  }
  std::string Label(sharedwindows::OpenAirfoilWindow& w, const char* name) { return w.Label(name)->text().toStdString(); }
  // Runs `command` in a main window and acts on the open window it shows.
  void InMainWindow(mainwindow::MainWindow& main, mainwindow::Command command, std::function<void(sharedwindows::OpenAirfoilWindow*)> act) {
    WhenModalIs<sharedwindows::OpenAirfoilWindow>([act](sharedwindows::OpenAirfoilWindow* open) {
      act(open);
    });
    main.Run(command);
  }

  std::filesystem::path folder;
};

TEST_F(OpenAirfoilWindowTest, ArrowKeysPreviewEachFileAndOpenTakesTheHighlightedOne) {
  const std::vector<core::Point> previous = doc.airfoil.points;
  sharedwindows::OpenAirfoilWindow w(doc.settings, "Open", false);
  w.show();
  EXPECT_EQ(w.CurrentDirectory(), folder.string());
  EXPECT_TRUE(w.Browser()->selectedNameFilter().endsWith(" (*.dat)")) << w.Browser()->selectedNameFilter().toStdString();
  // The list fills as the folder is read: seven .dat files whatever the case, not the .cor one.
  auto* list = w.Browser()->findChild<QListView*>("listView");
  ASSERT_NE(list, nullptr);
  const auto listed = [list] { return list->model()->rowCount(list->rootIndex()); };
  ASSERT_TRUE(QTest::qWaitFor([&] { return listed() == 7; })) << listed();
  list->setFocus();
  list->keyboardSearch("four");
  EXPECT_EQ(Label(w, "nomfile1"), "four.dat");
  EXPECT_EQ(Label(w, "Label1"), Key("frmopen", "23"));
  EXPECT_FALSE(w.PreviewShowsAirfoil());
  // Each arrow key previews the file it lands on, whatever order the list has.
  for (int down = 0; down < 6; ++down) {
    QTest::keyClick(list, down < 3 ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(Label(w, "nomfile1"), list->currentIndex().data().toString().toStdString());
  }
  const QModelIndex first = list->model()->index(0, 0, list->rootIndex());
  list->setCurrentIndex(list->model()->match(first, Qt::DisplayRole, "good.dat", 1, Qt::MatchExactly).value(0));
  EXPECT_EQ(Label(w, "nomfile1"), "good.dat");
  EXPECT_EQ(Label(w, "Label1"), "GOOD 12");
  EXPECT_EQ(Label(w, "Label2"), "11 " + Key("frmopen", "24"));
  EXPECT_TRUE(w.PreviewShowsAirfoil());
  {
    // The preview spans 124 mm of its drawing, the chord line (8 to 116 mm along) across its
    // middle: black at mid-chord, nothing before the leading edge.
    auto* preview = w.findChild<QWidget*>("Apercu");
    ASSERT_NE(preview, nullptr);
    const QImage shown = preview->grab().toImage();
    const int row = shown.height() / 2, mid = shown.width() * 62 / 124, before = shown.width() * 4 / 124;
    // A one-pixel line, shared by the rows it straddles.
    auto ink = [&](int x) {
      int sum = 0;
      for (int y = row - 1; y <= row + 1; ++y) sum += 255 - qGray(shown.pixel(x, y));
      return sum;
    };
    EXPECT_GT(ink(mid), 200);
    EXPECT_LT(ink(before), 30);
  }
  EXPECT_TRUE(messages.shown.empty());  // no box took the keys away from the list
  EXPECT_EQ(doc.airfoil.points, previous);  // browsing leaves the current airfoil alone
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_TRUE(w.Accepted());
  EXPECT_EQ(w.ChosenPath(), (folder / "good.dat").string());
  EXPECT_EQ(files::GetINIFile("Repertoires", "LastOpenProfil", doc.settings.iniFile), folder.string());
}

TEST_F(OpenAirfoilWindowTest, ABadFileIsToldInThePreviewTheSameOnOpenAndTheWindowStays) {
  // Every fault of the reader and its words are the reader's tests; here the window's road
  // for nothing chosen, a refusal of its own and a reader's refusal of two lines.
  struct Case { std::string file, problem; };
  const Case cases[] = {
      {"", Key("frmopen", "22")},
      {"four.dat", Key("frmopen", "23")},
      {"open.dat", Key("frmopen", "19") + "\n" + Key("frmopen", "18")},
  };
  bool checked = false;
  WhenModal([&](QWidget* modal) {
    auto* w = static_cast<sharedwindows::OpenAirfoilWindow*>(modal);
    for (const Case& c : cases) {
      if (!c.file.empty()) {
        w->SelectFile("good.dat");  // a good airfoil previewed before must not stay
        w->SelectFile(c.file);
        EXPECT_EQ(Label(*w, "nomfile1"), c.file);
        EXPECT_EQ(Label(*w, "Label1"), c.problem) << c.file;
        EXPECT_EQ(Label(*w, "Label2"), "") << c.file;
        EXPECT_FALSE(w->PreviewShowsAirfoil()) << c.file;
      }
      w->Open();
      EXPECT_EQ(Label(*w, "Label1"), c.problem) << c.file;
      EXPECT_FALSE(w->Accepted()) << c.file;
      EXPECT_TRUE(w->isVisible()) << c.file;
    }
    EXPECT_TRUE(messages.shown.empty());
    checked = true;
    w->Cancel();
  });
  sharedwindows::OpenAirfoilWindow window(doc.settings, "Open airfoil", false);
  window.exec();
  EXPECT_TRUE(checked);
  EXPECT_FALSE(window.Accepted());
}

TEST_F(OpenAirfoilWindowTest, APathTypedInTheNameBoxOpensFromAnyFolder) {
  std::filesystem::create_directory(dir.path() / "elsewhere");
  testsupport::WriteFile(dir.File("elsewhere/tip.dat"), testsupport::AirfoilText("TIP 9"));
  sharedwindows::OpenAirfoilWindow w(doc.settings, "Open", false);
  w.show();
  auto* nameBox = w.Browser()->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(nameBox, nullptr);
  // The preview follows once the name typed is a file's.
  nameBox->setFocus();
  nameBox->setText(QString::fromStdString(dir.File("elsewhere/tip.da")));
  EXPECT_FALSE(w.PreviewShowsAirfoil());
  QTest::keyClick(nameBox, Qt::Key_T);
  EXPECT_TRUE(w.PreviewShowsAirfoil());
  EXPECT_EQ(Label(w, "Label1"), "TIP 9");
  w.Open();
  EXPECT_TRUE(w.Accepted());
  EXPECT_EQ(w.ChosenPath(), dir.File("elsewhere/tip.dat"));
  EXPECT_EQ(w.TakeData().title, "TIP 9");
  EXPECT_EQ(doc.settings.lastOpenDir, dir.File("elsewhere"));
}

TEST_F(OpenAirfoilWindowTest, TheRoadThroughTheWindowDrawsTheRib) {
  mainwindow::MainWindow main(doc);
  main.Load();
  doc.settings.lastOpenDir = folder.string();
  main.show();
  InMainWindow(main, mainwindow::Command::AirfoilButton, [](sharedwindows::OpenAirfoilWindow* open) {
    EXPECT_EQ(open->windowTitle().toStdString(), Key("frmopen", "1"));
    open->OpenFileAtOnce("good.dat");
  });
  EXPECT_EQ(doc.airfoil.name, "good");  // what it reads as: the reader's and the open command's tests
  EXPECT_GT(main.DrawCount(), 0);
  EXPECT_TRUE(main.IsCommandEnabled(mainwindow::Command::Chord));
}

TEST_F(OpenAirfoilWindowTest, CancelLeavesTheOpenRibAsItWas) {
  mainwindow::MainWindow main(doc);
  main.Load();
  commands::OpenRecentAirfoil(doc, (folder / "good.dat").string());
  doc.settings.lastOpenDir = folder.string();
  const core::RibDocument before = doc;
  messages.answers = {platform::BoxAnswer::Discard};  // the opened airfoil counts as a change
  InMainWindow(main, mainwindow::Command::OpenAirfoil, [](sharedwindows::OpenAirfoilWindow* open) {
    open->SelectFile("tip.cor");  // not shown in the list, read all the same
    open->SelectFile("first.dat");
    QTest::keyClick(open->Browser(), Qt::Key_Escape);
  });
  EXPECT_EQ(doc.rib, before.rib);
  EXPECT_EQ(doc.prepared, before.prepared);
  EXPECT_TRUE(std::tie(doc.airfoil.title, doc.airfoil.points, doc.airfoil.path) ==
              std::tie(before.airfoil.title, before.airfoil.points, before.airfoil.path));
}

}  // namespace
