// The coordinates editor: the scale box and the point lines, insert, edit and delete,
// open and save with their refusals, and the questions that keep unsaved lines.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "serieswindows/coordinaterules.h"
#include "serieswindows/coordinateswindow.h"
#include "support/windowtest.h"

using serieswindows::CoordinatesWindow;
using testsupport::Key;

namespace {

class CoordinatesWindowTest : public testsupport::WindowTest {
 protected:
  static void Enter(CoordinatesWindow& w, const char* x, const char* y) {
    Retype(w.XBox(), x);
    Retype(w.YBox(), y);
    w.EnterPoint();
  }
};

TEST(CoordinateRules, ScaleBoxGroupsThousandsAndPointLinesLineUp) {
  for (const auto& [typed, shown] :
       {std::pair{"1000", "1 000"}, {"1 2345", "12 345"}, {"1234567", "1 234 567"}, {"", ""}, {"007", "7"}, {"0", "0"}})
    EXPECT_EQ(serieswindows::ScaleBoxText(typed), shown) << typed;
  EXPECT_EQ(serieswindows::ScaleFromBox("1 000"), 1000);
  // 1 / 1 and 0.0126: four blanks; 0.5 and -0.02: three, so the columns line up.
  EXPECT_EQ(serieswindows::EnteredPointLine("1", "0.0126", 1), "1.000000    0.012600");
  EXPECT_EQ(serieswindows::EnteredPointLine("0.5", "-0.02", 1), "0.500000   -0.020000");
  EXPECT_EQ(serieswindows::EnteredPointLine("200", "-3", 200), "1.000000   -0.015000");
}

TEST_F(CoordinatesWindowTest, PointsAreDividedByTheScaleAndAnEmptyScaleBecomesOne) {
  CoordinatesWindow w(doc.settings);
  EXPECT_EQ(w.windowTitle().toStdString(), Key("Frmcoord", "1"));
  EXPECT_EQ(w.ScaleBox()->text(), "1");
  Retype(w.ScaleBox(), "1000");
  EXPECT_EQ(w.ScaleBox()->text(), "1 000");
  Enter(w, "1000", "-12.6");
  ASSERT_EQ(w.List()->count(), 1);
  EXPECT_EQ(w.List()->item(0)->text(), "1.000000   -0.012600");
  // The keys refuse a minus in x and letters anywhere.
  Retype(w.XBox(), "-5a");
  EXPECT_EQ(w.XBox()->text(), "5");

  // Nothing happens while x or y is empty.
  w.YBox()->clear();
  w.EnterPoint();
  EXPECT_EQ(w.List()->count(), 1);

  w.ScaleBox()->clear();
  Enter(w, "0.5", "0.04");
  EXPECT_EQ(w.ScaleBox()->text(), "1");
  EXPECT_EQ(w.List()->item(1)->text(), "0.500000    0.040000");
  Retype(w.ScaleBox(), "0");
  Enter(w, "0", "0");
  EXPECT_EQ(w.ScaleBox()->text(), "1");
  EXPECT_EQ(w.List()->item(2)->text(), "0.000000    0.000000");
}

TEST_F(CoordinatesWindowTest, InsertEditAndDeleteWorkOnTheSelectedLines) {
  CoordinatesWindow w(doc.settings);
  Enter(w, "1", "0");
  Enter(w, "0.5", "0.05");
  Enter(w, "0", "0");
  std::vector<std::string> prompts;
  std::optional<std::string> answer = "0.750000    0.030000";
  w.SetLineAsker([&](const std::string& title, const std::string& prompt, const std::string&) {
    EXPECT_EQ(title, Key("Frmcoord", "1"));
    prompts.push_back(prompt);
    return answer;
  });
  w.List()->item(1)->setSelected(true);
  w.List()->item(2)->setSelected(true);
  w.InsertLine();
  EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1.000000    0.000000", "0.750000    0.030000", "0.500000    0.050000",
                                                 "0.750000    0.030000", "0.000000    0.000000"}));
  EXPECT_NE(prompts[0].find(Key("Frmcoord", "8")), std::string::npos);

  answer = "0.250000    0.040000";
  w.EditLine(3);
  EXPECT_EQ(prompts[1], Key("Frmcoord", "15") + " 0.750000    0.030000 ?");
  EXPECT_EQ(w.Lines()[3], "0.250000    0.040000");
  answer = std::nullopt;  // a cancel leaves the line
  w.EditLine(3);
  EXPECT_EQ(w.Lines()[3], "0.250000    0.040000");

  w.List()->clearSelection();
  w.List()->item(1)->setSelected(true);
  w.List()->item(4)->setSelected(true);
  w.DeleteLines();
  EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1.000000    0.000000", "0.500000    0.050000", "0.250000    0.040000"}));

  messages.answers = {platform::BoxAnswer::No, platform::BoxAnswer::Yes};
  w.ClearAll();
  EXPECT_EQ(w.List()->count(), 3);
  w.ClearAll();
  EXPECT_EQ(messages.shown.back().text, Key("Frmcoord", "16"));
  EXPECT_EQ(w.List()->count(), 0);
  EXPECT_TRUE(w.ScaleBox()->text().isEmpty());
}

TEST_F(CoordinatesWindowTest, SaveNeedsANameAndATitleThenWritesCrLfLines) {
  CoordinatesWindow w(doc.settings);
  Enter(w, "1", "0");
  Enter(w, "0", "-0.01");
  EXPECT_FALSE(w.SaveFile());
  EXPECT_EQ(messages.shown.back().text, Key("Frmcoord", "10"));
  w.NameBox()->setText("typed");
  EXPECT_FALSE(w.SaveFile());
  EXPECT_EQ(messages.shown.back().text, Key("Frmcoord", "11"));
  EXPECT_TRUE(fileDialogs.requests.empty());  // no dialog, nothing written

  w.TitleBox()->setText("MY AIRFOIL");
  fileDialogs.answers = {dir.File("saved.dat")};
  ASSERT_TRUE(w.SaveFile());
  EXPECT_EQ(fileDialogs.requests.back().fileName, "typed.dat");
  EXPECT_EQ(fileDialogs.requests.back().defaultExt, "dat");
  EXPECT_TRUE(fileDialogs.requests.back().overwritePrompt);
  EXPECT_EQ(testsupport::ReadFile(dir.File("saved.dat")), "MY AIRFOIL\r\n1.000000    0.000000\r\n0.000000   -0.010000\r\n");
  EXPECT_EQ(w.NameBox()->text(), "saved");
  EXPECT_FALSE(w.Unsaved());

  // A folder that is gone: reported, and the lines still count as unsaved.
  Enter(w, "1", "0");
  fileDialogs.answers = {dir.File("gone/x.dat")};
  EXPECT_FALSE(w.SaveFile());
  EXPECT_NE(messages.shown.back().text.find(dir.File("gone/x.dat")), std::string::npos);
  EXPECT_TRUE(w.Unsaved());
}

TEST_F(CoordinatesWindowTest, OpeningShowsTheTitleAndTheLinesUnchanged) {
  testsupport::WriteFile(dir.File("table.cor"), "NACA TABLE\r\n1.0 0.0\r\n  0.5   0.06\r\n0 0\r\n");
  CoordinatesWindow w(doc.settings);
  fileDialogs.answers = {dir.File("table.cor")};
  w.OpenFile();
  EXPECT_EQ(fileDialogs.requests.back().title, Key("Frmcoord", "21T"));
  EXPECT_EQ(w.TitleBox()->text(), "NACA TABLE");
  EXPECT_EQ(w.NameBox()->text(), "table");
  EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1.0 0.0", "  0.5   0.06", "0 0"}));
  EXPECT_FALSE(w.Unsaved());  // nothing typed yet: leaving asks nothing

  // With a typed line the next open asks first; No keeps everything.
  Enter(w, "0.1", "0.02");
  messages.answers = {platform::BoxAnswer::No};
  w.OpenFile();
  EXPECT_EQ(messages.shown.back().text, Key("Frmcoord", "13"));
  EXPECT_EQ(w.List()->count(), 4);
  EXPECT_EQ(fileDialogs.requests.size(), 1u);
}

TEST_F(CoordinatesWindowTest, UnsavedLinesKeepTheWindowOpenUnlessTheUserAgrees) {
  CoordinatesWindow w(doc.settings);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  Enter(w, "1", "0");
  messages.answers = {platform::BoxAnswer::No};
  w.close();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(messages.shown.back().text, Key("Frmcoord", "17"));
  QTest::keyClick(&w, Qt::Key_Escape);  // Escape asks the same
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(messages.shown.size(), 2u);
  messages.answers = {platform::BoxAnswer::Yes};
  w.close();
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
