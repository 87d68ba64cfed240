// The keyboard reaches everything: each window opens on its first box and Tab goes round
// every box and button in reading order; the keep-work question has access keys; Shift+F10
// opens the rib menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <cctype>
#include <map>
#include <memory>

#include "commands/keepwork.h"
#include "files/language.h"
#include "mainwindow/mainwindow.h"
#include "serieswindows/serieswindow.h"
#include "support/everywindow.h"
#include "support/windowtest.h"

namespace {

using serieswindows::SeriesKind;
using testsupport::Key;

class KeyboardReach : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    OpenAirfoil();
  }
};

// The object names of the focus on opening and after each Tab until the focus is back
// where it started, blank-separated ("(no way back)" after 80 steps).
QString TabRound(QWidget& w) {
  w.show();
  w.activateWindow();
  if (!QTest::qWaitForWindowActive(&w)) return "(not active)";
  QWidget* start = QApplication::focusWidget();
  if (!start) return "(no focus)";
  QStringList names{start->objectName()};
  for (int i = 0; i < 80; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() == start) return names.join(" ");
    names << QApplication::focusWidget()->objectName();
  }
  return names.join(" ") + " (no way back)";
}

// Each window opens on the first box one types in (or the first choice above the boxes),
// and Tab goes round every box and button in reading order. The boxes only a browse button
// fills and disabled ones are passed over: the series' airfoil and folder boxes, the spar's
// inset and the oblique rib's square length (until chosen), the rib numbers not in use.
TEST_F(KeyboardReach, EveryWindowOpensOnItsFirstBoxAndTabGoesRoundEverything) {
  const QString applyRound = "cmdok cmdannuler CmdApply cmdaide";
  std::map<std::string, QString> rounds = {
      {"chord", "infotxt cmdok cmdannuler cmdaide"},
      {"spars", "Text1_0 Text1_1 Text1_2 OptDistance_0 Opte_0 Opti_0 OptLong_0 LblNb0 cmdajout Cmdmodif Cmdeffac " + applyRound},
      {"holes", "Text1_0 Text1_1 Text2 Chkcentr OptTrouRec_0 OptDistance_0 LblNb0 cmdajout Cmdmodif Cmdeffac " + applyRound},
      {"tabs", "OptTalon0 txt0 txt1 txt2 txt3 " + applyRound},
      {"blocks", "txt0 txt1 txt2 txt3 txt4 txt5 Optquebf0 " + applyRound},
      {"square leading edge", "infotxt0 infotxt1 infotxt2 " + applyRound},
      {"text", "infotxt0 infotxt1 infotxt2 ComboTaille " + applyRound},
      {"thickness camber", "txtEpR txtCourbure cmdok cmdsave cmdprintEC cmdannuler CmdApply cmdaide"},
      {"dihedral", "txt0 txt1 txt2 cmdok cmdaide"},
      {"rib sheet", "txtnerv0 txtnerv1 txtnerv2 txtnerv3 txtnerv4 txtnerv5 txtnerv6 PicNervures cmdcalcul cmdfermer cmdaide"},
      {"inclined rib", "Text1 cmdok cmdannuler cmdaide cmdouvrir"},
      {"oblique rib", "Text1_0 Text1_2 cmdok cmdannuler cmdaide cmdouvrir Option1_0"},
      {"even series", "txtcorde0 txtcorde1 txtnervI cmdrechercheevol cmdcalcul cmdtable cmdfermer cmdaide cmdouvrir0 cmdouvrir1"},
      {"spaced series",
       "txtcorde0 txtcorde1 txtnervI txtEpR cmdrechercheevol LblNoNervInterm1 TextEcartNevure CmdApply cmdcalcul "
       "cmdtable cmdfermer cmdaide cmdouvrir0 cmdouvrir1"},
      {"coordinates",
       "txt0 txt1 txt2 txtinX txtinY Liste_Valeurs cmdentre cmdajouter cmdeffaceligne cmdeffacetout cmdsave cmdouvrir "
       "cmdfermer cmdaide"},
      {"print", "Combo1 Text1_0 Text1_1 Text1_2 Text1_3 chkExtras cmdok cmdconfigImprim cmdannuler cmdaide"},
      {"cut export", "optr12 txtkerf chkmarks cmdok cmdannuler cmdaide"},
  };
  for (const auto& [name, make] : testsupport::EveryWindow(doc)) {
    const auto round = rounds.find(name);
    if (round == rounds.end()) continue;
    std::unique_ptr<QWidget> w = make();
    EXPECT_EQ(TabRound(*w).toStdString(), round->second.toStdString()) << name;
    rounds.erase(round);
  }
  for (const auto& [name, round] : rounds) ADD_FAILURE() << name << " is no window of the list";
  // The boxes a browse button fills look read-only too (those of the rounds above are
  // passed over by Tab).
  serieswindows::SeriesWindow w(doc, SeriesKind::Even, nullptr, nullptr);
  for (QLineEdit* box : {w.AirfoilBox(0), w.AirfoilBox(1), w.FolderBox()}) {
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->palette().color(QPalette::Base), w.palette().color(QPalette::Window));
  }
}

// The question before unsaved work goes gives each button an access key of its own, in
// every shipped language.
TEST_F(KeyboardReach, SaveDiscardAndCancelHaveTheirOwnAccessKeys) {
  for (const char* language : {"English", "Francais"}) {
    files::ChooseLanguage(doc, language);
    doc.project.modified = true;
    messages.answers = {platform::BoxAnswer::Cancel};
    EXPECT_FALSE(commands::KeepWork(doc, "?"));
    const std::vector<std::string> labels = messages.shown.back().labels;
    ASSERT_EQ(labels.size(), 3u) << language;
    std::string keys;
    for (const std::string& label : labels) {
      const std::size_t amp = label.find('&');
      ASSERT_TRUE(amp != std::string::npos && amp + 1 < label.size()) << language << ": " << label;
      const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(label[amp + 1])));
      EXPECT_EQ(keys.find(key), std::string::npos) << language << ": " << label;
      keys += key;
    }
  }
}

// In the main window the rib view has the focus from the start; Shift+F10 there opens the
// rib menu as the Menu key does (F10 alone does not). The always greyed Washout angle entry
// says why in its tip.
TEST_F(KeyboardReach, ShiftF10OpensTheRibMenuAndTheGreyedWashoutEntrySaysWhy) {
  mainwindow::MainWindow main(doc);
  main.Load();
  main.LoadCaptions();
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  ASSERT_EQ(QApplication::focusWidget(), main.View());
  QTest::keyClick(main.View(), Qt::Key_F10);
  EXPECT_FALSE(main.RibMenu()->isVisible());
  QTest::keyClick(main.View(), Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(main.RibMenu()->isVisible());
  main.RibMenu()->close();

  QAction* washout = main.Action(mainwindow::Command::Washout);
  EXPECT_FALSE(washout->isEnabled());
  EXPECT_EQ(washout->toolTip().toStdString(), Key("MenuLayout", "4T"));
  EXPECT_TRUE(main.findChild<QMenu*>("mnu_param")->toolTipsVisible());
}

}  // namespace
