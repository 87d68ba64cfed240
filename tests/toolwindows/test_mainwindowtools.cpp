// The tools that take the rib's place, run from the main window's menu with their dialogs
// answered as a user answers them.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "mainwindow/mainwindow.h"
#include "platform/pageoutput.h"
#include "platform/qt/qtdrawtarget.h"
#include "ribwindows/inputwindow.h"
#include "sharedwindows/openairfoilwindow.h"
#include "support/mainwindowtest.h"

namespace {

class MainWindowTools : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    ShowWindow();
  }

  // Runs `act` on the next modal window named `name` once it is up.
  static void When(const QString& name, std::function<void(QWidget*)> act, int tries = 500) {
    QTimer::singleShot(10, [=] {
      QWidget* w = QApplication::activeModalWidget();
      if (w && w->objectName() == name && w->isVisible()) act(w);
      else if (tries > 0) When(name, act, tries - 1);
    });
  }
  // Picks `file` of `folder` in the next open window; `next` readies what follows before it closes.
  static void Choose(const std::string& file, std::function<void()> next = {},
                     const std::string& folder = std::string(VANDRELL_SOURCE_DIR) + "/airfoils") {
    When("frmopen", [file, next, folder](QWidget* w) {
      auto* open = static_cast<sharedwindows::OpenAirfoilWindow*>(w);
      open->SetDirectory(folder);
      open->SelectFile(file);
      if (next) next();
      open->Open();
    });
  }
  // Pixels drawn mostly in `colour` (lines are smoothed, so few take it exactly).
  static bool Like(const QColor& pixel, const QColor& colour) {
    return std::abs(pixel.red() - colour.red()) < 90 && std::abs(pixel.green() - colour.green()) < 90 &&
           std::abs(pixel.blue() - colour.blue()) < 90;
  }
  int PixelsOf(const QColor& colour, int fromRow = 0, int toRow = 1 << 20) const {
    const QImage& image = window->View()->Surface();
    int n = 0;
    for (int y = std::max(0, fromRow); y < std::min(image.height(), toRow); ++y)
      for (int x = 0; x < image.width(); ++x) n += Like(image.pixelColor(x, y), colour);
    return n;
  }
};

TEST_F(MainWindowTools, CompareTwoAirfoilsThenRedrawInOtherColours) {
  commands::OpenRecentAirfoil(doc, testsupport::AirfoilPath("e387.dat"));
  // The opened airfoil counts as a change: Save, Discard or Cancel instead of a plain Yes.
  messages.answers = {platform::BoxAnswer::Discard};
  When("frmInput", [](QWidget* w) {
    auto* input = static_cast<ribwindows::InputWindow*>(w);
    input->ValueBox()->setText("150");
    Choose("clarky.dat", [] { Choose("naca2412.dat"); });
    input->OkButton()->click();
  });
  window->Run(mainwindow::Command::CompareAirfoils);

  ASSERT_TRUE(doc.view.compareShown);
  EXPECT_EQ(messages.shown.at(0).text, testsupport::Key("FrmMainMessage", "20"));
  EXPECT_FALSE(doc.airfoil.loaded);
  EXPECT_EQ(doc.rib.chord.mm, 150);
  EXPECT_EQ(window->windowTitle().toStdString(), "Vandrell  " + testsupport::Key("OutilCompare", "5") + " clarky " +
                                                   testsupport::Key("OutilCompare", "6") + " naca2412[*]");
  EXPECT_NE(window->Panel(2)->text().indexOf("clarky"), -1);
  // The rib's features wait while the comparison shows; the chord scales it.
  using mainwindow::Command;
  for (Command c : {Command::SparsButton, Command::ViewUpsideDown})  // the menu rules list them all
    EXPECT_FALSE(window->IsCommandEnabled(c)) << mainwindow::ControlName(c);
  EXPECT_TRUE(window->IsCommandEnabled(Command::ChordButton));
  // The outlines in the second airfoil's colour, then in red once the colours change.
  const QColor red = platform::PaletteQColor(12);
  EXPECT_GT(PixelsOf(platform::PaletteQColor(doc.style.ColourOf(core::Element::CompareSecond))), 100);
  const int redChordLine = PixelsOf(red);
  doc.style.ColourOf(core::Element::CompareSecond) = 12;
  doc.style.LineStyleOf(core::Element::ChordAxis) = 0;
  doc.style.ColourOf(core::Element::ChordAxis) = 0;
  doc.changes.Announce(core::Change::Style);
  EXPECT_GT(PixelsOf(red), redChordLine + 200);

  // The comparison prints through the main print command, named in its question.
  ASSERT_TRUE(window->IsCommandEnabled(mainwindow::Command::Print));
  platform::RecordingPageOutput printer;
  platform::ScopedPrinter usePrinter(&printer);
  messages.answers = {platform::BoxAnswer::Yes};
  window->Run(mainwindow::Command::Print);
  ASSERT_EQ(printer.sheets.size(), 1u);
  EXPECT_EQ(messages.shown.back().text, testsupport::Key("TextButton", "14") + " #1 :  clarky /  #2 :  naca2412");
  int redLines = 0;
  for (const platform::RecordedLine& l : printer.sheets[0].lines) redLines += l.colour == 12;
  EXPECT_GT(redLines, 100);

  // An airfoil opened ends the comparison and gives the rib its commands back.
  commands::OpenRecentAirfoil(doc, testsupport::AirfoilPath("e387.dat"));
  EXPECT_FALSE(doc.view.compareShown);
  EXPECT_TRUE(window->IsCommandEnabled(Command::SparsButton));
  EXPECT_TRUE(window->IsCommandEnabled(Command::ViewUpsideDown));
}

// In French, with two names as long as the thickness and camber tool gives its files, the
// comparison's status text is whole in a window 1280 pixels wide.
TEST_F(MainWindowTools, TheComparisonStatusFitsA1280PixelWindow) {
  doc.settings.languageName = "Francais";
  doc.settings.languageFile = dir.File("Francais.lng");
  files::InstallLanguageLookup(doc);
  window->LoadCaptions();
  window->resize(1280, 800);
  for (const auto& [from, to] : {std::pair{"clarky.dat", "clarky_E14.00C2.00.dat"}, {"sd7037.dat", "sd7037_E9.00C1.50.dat"}})
    std::filesystem::copy_file(testsupport::AirfoilPath(from), dir.File(std::string("airfoils/") + to));
  When("frmInput", [this](QWidget* w) {
    const std::string folder = dir.File("airfoils");
    Choose("clarky_E14.00C2.00.dat", [folder] { Choose("sd7037_E9.00C1.50.dat", {}, folder); }, folder);
    static_cast<ribwindows::InputWindow*>(w)->OkButton()->click();
  });
  window->Run(mainwindow::Command::CompareAirfoils);
  ASSERT_TRUE(doc.view.compareShown);
  // Sized again once shown: a place remembered by another test may have been put back.
  window->resize(1280, 800);
  const QLabel* panel = window->Panel(2);
  // The status bar takes the new width once its layout has run.
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel->contentsRect().width() > 900; }));
  EXPECT_NE(panel->text().indexOf("sd7037_E9.00C1.50"), -1);
  EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
}

TEST_F(MainWindowTools, ACancelledComparisonLeavesTheRib) {
  commands::OpenRecentAirfoil(doc, testsupport::AirfoilPath("clarky.dat"));
  const core::RibSetup before = doc.rib;
  messages.answers = {platform::BoxAnswer::Yes};
  When("frmInput", [](QWidget* w) {
    auto* input = static_cast<ribwindows::InputWindow*>(w);
    input->ValueBox()->setText("350");
    When("frmopen", [](QWidget* open) { static_cast<sharedwindows::OpenAirfoilWindow*>(open)->Cancel(); });
    input->OkButton()->click();
  });
  window->Run(mainwindow::Command::CompareAirfoils);
  EXPECT_FALSE(doc.view.compareShown);
  EXPECT_TRUE(doc.airfoil.loaded);
  EXPECT_TRUE(doc.rib == before);
}

TEST_F(MainWindowTools, TheFormerFollowsTheInvertedView) {
  Choose("clarky.dat");
  window->Run(mainwindow::Command::Former);
  ASSERT_TRUE(doc.view.formerShown);
  EXPECT_EQ(window->windowTitle().toStdString(), "Vandrell  clarky[*]");
  // The former draws the inserted text and turns over; it has no spars.
  EXPECT_TRUE(window->IsCommandEnabled(mainwindow::Command::InsertText));
  EXPECT_FALSE(window->IsCommandEnabled(mainwindow::Command::SparsButton));
  const QColor outline = platform::PaletteQColor(doc.style.ColourOf(core::Element::Airfoil));
  // Clarky rises far above the chord line and dips a little below it; inverted, the reverse.
  auto reach = [&](bool up) {
    const QImage& surface = window->View()->Surface();
    const int chordRow = static_cast<int>(core::PlaceView(doc).originY * surface.logicalDpiY() / 25.4);
    int furthest = 0;
    for (int y = 0; y < surface.height(); ++y)
      if ((up ? y < chordRow : y > chordRow) && PixelsOf(outline, y, y + 1) > 0)
        furthest = std::max(furthest, std::abs(y - chordRow));
    return furthest;
  };
  const int rise = reach(true), dip = reach(false);
  EXPECT_GT(rise, 2 * dip);
  window->Action(mainwindow::Command::ViewUpsideDown)->trigger();
  ASSERT_TRUE(doc.rib.upsideDown);
  EXPECT_NEAR(reach(false), rise, 2);
  EXPECT_NEAR(reach(true), dip, 2);
}

}  // namespace
