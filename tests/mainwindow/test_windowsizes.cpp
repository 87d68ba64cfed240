// Every window of the program fits a 1024 x 768 screen shown at 1.5 times, in each shipped
// language: 682 x 512 device-independent pixels, less the window frame.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "commands/airfoilcommands.h"
#include "core/ribseries.h"
#include "files/language.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/cutexportwindow.h"
#include "mainwindow/languagewindow.h"
#include "mainwindow/mainwindow.h"
#include "platform/qt/qttranslations.h"
#include "ribwindows/blockwindow.h"
#include "ribwindows/holewindow.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/sparwindow.h"
#include "ribwindows/squareleadingedgewindow.h"
#include "ribwindows/tabwindow.h"
#include "ribwindows/textwindow.h"
#include "serieswindows/coordinateswindow.h"
#include "serieswindows/cutkitwindow.h"
#include "serieswindows/seriestablewindow.h"
#include "serieswindows/serieswindow.h"
#include "settingswindows/airfoilpackoffer.h"
#include "settingswindows/colourswindow.h"
#include "settingswindows/defaultswindow.h"
#include "settingswindows/printwindow.h"
#include "sharedwindows/openairfoilwindow.h"
#include "support/windowtest.h"
#include "toolwindows/dihedralwindow.h"
#include "toolwindows/ribsheetwindow.h"
#include "toolwindows/slantedribwindows.h"
#include "toolwindows/thicknesscamberwindow.h"

namespace {

// 1024 x 768 at 1.5 is 682 x 512; a frame of 2 pixels across and 25 down (a title bar of
// 20 and borders, at the screen's own pixels) takes the rest.
constexpr int kFitWidth = 682 - 2;
constexpr int kFitHeight = 512 - 17;

class WindowSizes : public testsupport::WindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    files::ChooseLanguage(doc, GetParam());
    platform::UseQtTranslations(platform::Text("LANGUAGE", "Code"));
    commands::OpenRecentAirfoil(doc, testsupport::AirfoilPath("clarky.dat"));
  }
  void TearDown() override {
    platform::UseQtTranslations("en");
    WindowTest::TearDown();
  }

  // The larger of what the window asks for and what its layout needs at least, once shown
  // (a window that sizes itself to the screen it is on asks no more than its hint).
  static QSize Needed(QWidget& w) {
    w.show();
    QApplication::processEvents();
    return w.sizeHint().expandedTo(w.minimumSizeHint()).expandedTo(w.minimumSize());
  }
  void ExpectFits(const std::string& name, QWidget& w) {
    const QSize needed = Needed(w);
    EXPECT_LE(needed.width(), kFitWidth) << name << " in " << GetParam();
    EXPECT_LE(needed.height(), kFitHeight) << name << " in " << GetParam();
    w.close();
  }
};

files::SeriesJob TwelveRibSeries(std::vector<std::string>& paths) {
  files::SeriesJob job;
  job.folder = "/tmp";
  job.rootName = "clarky";
  job.tipName = "sd7037";
  job.rootChordMm = 240;
  job.tipChordMm = 150;
  job.ribs = core::EvenSeriesRibs(240, 150, core::kTipSlot - 1);
  for (core::SeriesRib& rib : job.ribs) {
    rib.positionMm = 1234.5 * rib.fraction;  // the widest column a spaced series shows
    paths.push_back("/tmp/" + files::RibFileName(job, rib.number));
  }
  return job;
}

TEST_P(WindowSizes, EveryWindowFitsTheSmallScreen) {
  using namespace ribwindows;
  {
    mainwindow::MainWindow main(doc);
    main.Load();
    main.LoadCaptions();
    // The main window may be made as small as the screen; it opens at its own size.
    main.show();
    EXPECT_LE(main.minimumSizeHint().width(), kFitWidth) << GetParam();
    EXPECT_LE(main.minimumSizeHint().height(), kFitHeight) << GetParam();
  }
  for (InputKind kind : {InputKind::Chord, InputKind::Sheeting, InputKind::LeadingEdge, InputKind::TrailingEdge,
                         InputKind::ReferenceLines}) {
    InputWindow w(doc, kind);
    ExpectFits("input " + std::to_string(static_cast<int>(kind)), w);
  }
  const std::vector<std::pair<std::string, std::function<std::unique_ptr<QWidget>()>>> windows = {
      {"spars", [&] { return std::make_unique<SparWindow>(doc); }},
      {"holes", [&] { return std::make_unique<HoleWindow>(doc); }},
      {"tabs", [&] { return std::make_unique<TabWindow>(doc); }},
      {"blocks", [&] { return std::make_unique<BlockWindow>(doc); }},
      {"square leading edge", [&] { return std::make_unique<SquareLeadingEdgeWindow>(doc); }},
      {"text", [&] { return std::make_unique<TextWindow>(doc); }},
      {"about", [&] { return std::make_unique<mainwindow::AboutBox>(doc.settings.versionText); }},
      {"cut export", [&] { return std::make_unique<mainwindow::CutExportWindow>(); }},
      {"language", [&] {
         return std::make_unique<mainwindow::LanguageWindow>(doc, mainwindow::LanguageWindow::Purpose::ChangeLanguage,
                                                             nullptr);
       }},
      {"defaults", [&] { return std::make_unique<settingswindows::DefaultsWindow>(doc); }},
      {"colours", [&] { return std::make_unique<settingswindows::ColoursWindow>(doc); }},
      {"print", [&] { return std::make_unique<settingswindows::PrintWindow>(doc, 297.0); }},
      {"test page", [&] { return std::make_unique<settingswindows::TestPagePreview>(doc.settings.versionText, nullptr, &doc); }},
      {"airfoil pack", [&] { return std::make_unique<settingswindows::ConfigurationWindow>(doc, "/home/utilisateur/Documents/Vandrell airfoils"); }},
      {"open airfoil", [&] { return std::make_unique<sharedwindows::OpenAirfoilWindow>(doc.settings, "Open", true); }},
      {"dihedral", [&] { return std::make_unique<toolwindows::DihedralWindow>(doc.settings); }},
      {"rib sheet", [&] { return std::make_unique<toolwindows::RibSheetWindow>(doc); }},
      {"inclined rib", [&] { return std::make_unique<toolwindows::InclinedRibWindow>(doc); }},
      {"oblique rib", [&] { return std::make_unique<toolwindows::ObliqueRibWindow>(doc); }},
      {"thickness camber", [&] { return std::make_unique<toolwindows::ThicknessCamberWindow>(doc); }},
      {"coordinates", [&] { return std::make_unique<serieswindows::CoordinatesWindow>(doc.settings); }},
      {"even series", [&] {
         return std::make_unique<serieswindows::SeriesWindow>(doc, serieswindows::SeriesKind::Even, nullptr, nullptr);
       }},
      {"cut kit", [&] { return std::make_unique<serieswindows::CutKitWindow>(doc); }},
      {"series table", [&] {
         std::vector<std::string> paths;
         const files::SeriesJob job = TwelveRibSeries(paths);
         return std::make_unique<serieswindows::SeriesTableWindow>(job, paths, nullptr);
       }},
  };
  for (const auto& [name, make] : windows) {
    std::unique_ptr<QWidget> w = make();
    ExpectFits(name, *w);
  }
  // The spaced series with its most ribs shows a label per rib and one for the tip.
  serieswindows::SeriesWindow spaced(doc, serieswindows::SeriesKind::Spaced, nullptr, nullptr);
  spaced.RibCountBox()->setText(QString::number(core::kMaxSpacedRibs));
  ASSERT_TRUE(spaced.RibLabel(core::kTipSlot)->isVisibleTo(&spaced));
  ExpectFits("spaced series", spaced);
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, WindowSizes, ::testing::Values("English", "Francais"));

}  // namespace
