// The main window's making and its change listener. Its other jobs have files of their own:
// mainmenus, maincommands, mainviewport, mainprinting, mainfiles and mainstartclose.
#include "mainwindow/mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>

#include "commands/keepwork.h"
#include "commands/windowtitle.h"
#include "files/captions.h"
#include "mainwindow/mainview.h"
#include "mainwindow/writtennotice.h"
#include "platform/qt/qtfontconfig.h"
#include "platform/qt/qtstrings.h"
#include "platform/texts.h"

namespace mainwindow {

namespace {

using platform::Q;

}  // namespace

MainWindow::MainWindow(core::RibDocument& document, QWidget* parent) : QMainWindow(parent), document_(document) {
  setObjectName("frmmain");
  // "[*]": where the platform shows that the rib holds unsaved changes.
  setWindowTitle(Q(commands::WindowTitle(document_)) + "[*]");
  BuildMenus();
  BuildToolBar();
  // The status bar measures the first text.
  platform::AwaitFontConfiguration();
  BuildView();
  // Beside the airfoil and its warning, before the unit.
  writtenNotice_ = new WrittenNotice(this);
  statusBar()->insertWidget(3, writtenNotice_, 1);
  WireCommands();
  subscription_ = document_.changes.Listen([this](core::Changes what) { DocumentChanged(what); });
  BuildEditMenu();
  setAcceptDrops(true);
  resize(1000, 700);
}

MainWindow::~MainWindow() = default;

void MainWindow::DocumentChanged(core::Changes what) {
  ShowDisplayFlags();
  if (what.Has(core::Change::Project))
    setWindowTitle(Q(commands::WindowTitle(document_)) + "[*]");
  setWindowModified(commands::HasUnsavedChanges(document_));
  if (what.Has(core::Change::Settings)) LoadRecentMenu();
  if (what.Has(core::Change::Style)) {
    LoadCaptions();
    writtenNotice_->Retell();  // a new language
  }
  if (what.Has(core::Change::NewRib)) {
    ReturnToNewRib();  // redraws through the zoom list
    // An opened project is a new rib that has its airfoil already.
    if (!what.Has(core::Change::Airfoil)) return;
  }
  if (what.Has(core::Change::Airfoil)) {
    FitInView(/*announce=*/false);  // a new rib shows whole; the redraw below shows it
    for (Command command : AirfoilCommands()) SetCommandEnabled(command, true);
  }
  if (what.Has(core::Change::Airfoil) || what.Has(core::Change::Setup)) {
    // Tabs and blocks exclude each other: the command of the one not in use waits.
    const bool loaded = document_.airfoil.loaded;
    SetCommandEnabled(Command::BuildingTabs, loaded && document_.rib.baseMode != core::BaseMode::Blocks);
    SetCommandEnabled(Command::Blocks, loaded && document_.rib.baseMode != core::BaseMode::Tabs);
  }
  if (what.Has(core::Change::Airfoil) || what.Has(core::Change::Setup) || what.Has(core::Change::View) ||
      what.Has(core::Change::Style))
    Redraw();
}

void MainWindow::ShowDisplayFlags() {
  SetChecked(Command::ViewUpsideDown, document_.rib.upsideDown);
  SetChecked(Command::ShowOutline, document_.view.outlineShown);
  SetChecked(Command::ShowThickness, document_.view.showThickness);
  SetChecked(Command::ShowLeadingEdgeHeight, document_.view.showLeadingEdgeHeight);
  SetChecked(Command::ShowTrailingEdgeHeight, document_.view.showTrailingEdgeHeight);
}

void MainWindow::ReturnToNewRib() {
  CloseOtherWindows();
  {
    QSignalBlocker h(hScroll_);
    QSignalBlocker v(vScroll_);
    hScroll_->setValue(0);
    vScroll_->setValue(0);
  }
  for (Command command : AirfoilCommands()) SetCommandEnabled(command, false);
  for (Command command : NewRibEnables()) SetCommandEnabled(command, true);
  Panel(2)->clear();
  view_->Clear();
  if (zoomList_->currentIndex() == kZoomDefaultIndex)
    ZoomChosen();
  else
    zoomList_->setCurrentIndex(kZoomDefaultIndex);
}

}  // namespace mainwindow
