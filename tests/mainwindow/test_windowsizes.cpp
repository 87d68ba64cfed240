// Every window of the program fits a 1024 x 768 screen shown at 1.5 times, in each shipped
// language: 682 x 512 device-independent pixels, less the window frame.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "commands/airfoilcommands.h"
#include "files/language.h"
#include "mainwindow/mainwindow.h"
#include "platform/qt/qttranslations.h"
#include "serieswindows/serieswindow.h"
#include "support/everywindow.h"
#include "support/windowtest.h"

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
    // At the size it opens at, every text shows whole: a wrapped one has the height its lines
    // need at its width, another its whole width.
    for (const QLabel* label : w.findChildren<QLabel*>()) {
      if (!label->isVisibleTo(&w) || label->text().isEmpty()) continue;
      const std::string where = name + " " + label->objectName().toStdString() + " \"" +
                                label->text().left(30).toStdString() + "\" in " + GetParam();
      if (label->wordWrap()) {
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << where;
      } else if (label->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored) {
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << where;
        EXPECT_GE(label->height(), label->minimumSizeHint().height()) << where;
      }
    }
    w.close();
  }
};

TEST_P(WindowSizes, EveryWindowFitsTheSmallScreen) {
  {
    mainwindow::MainWindow main(doc);
    main.Load();
    main.LoadCaptions();
    // The main window may be made as small as the screen; it opens at its own size.
    main.show();
    EXPECT_LE(main.minimumSizeHint().width(), kFitWidth) << GetParam();
    EXPECT_LE(main.minimumSizeHint().height(), kFitHeight) << GetParam();
  }
  for (const auto& [name, make] : testsupport::EveryWindow(doc)) {
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
