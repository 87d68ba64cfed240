// What each command of the menus, tool bar and buttons runs, and when it may run.
#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QToolButton>
#include <memory>

#include "commands/airfoilcommands.h"
#include "commands/cutexport.h"
#include "commands/dxfexport.h"
#include "commands/keepwork.h"
#include "commands/newrib.h"
#include "commands/projectcommands.h"
#include "commands/ribedit.h"
#include "files/captions.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/cutexportwindow.h"
#include "mainwindow/languagewindow.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "sharedwindows/openairfoilwindow.h"
#include "sharedwindows/ribstatus.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "ribwindows/blockwindow.h"
#include "ribwindows/holewindow.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/sparwindow.h"
#include "ribwindows/squareleadingedgewindow.h"
#include "ribwindows/tabwindow.h"
#include "ribwindows/textwindow.h"
#include "serieswindows/coordinateswindow.h"
#include "serieswindows/cutkitwindow.h"
#include "serieswindows/serieswindow.h"
#include "settingswindows/airfoilpackoffer.h"
#include "settingswindows/colourswindow.h"
#include "settingswindows/defaultswindow.h"
#include "toolwindows/airfoilviews.h"
#include "toolwindows/dihedralwindow.h"
#include "toolwindows/ribsheetwindow.h"
#include "toolwindows/slantedribwindows.h"
#include "toolwindows/thicknesscamberwindow.h"

namespace mainwindow {

using platform::Text;

namespace {

using platform::Q;

}  // namespace

QAction* MainWindow::Action(Command command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QToolButton* MainWindow::CommandButton(Command command) const {
  auto it = buttons_.find(command);
  return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::SetCommand(Command command, std::function<void()> run) {
  commands_[command] = std::move(run);
  ApplyEnabled(command);
}

void MainWindow::Run(Command command) {
  if (!IsCommandEnabled(command)) return;
  auto it = commands_.find(command);
  if (it != commands_.end() && it->second) it->second();
}

void MainWindow::SetCommandEnabled(Command command, bool enabled) {
  ruleEnabled_[command] = enabled;
  ApplyEnabled(command);
}

bool MainWindow::IsCommandEnabled(Command command) const {
  auto rule = ruleEnabled_.find(command);
  if (rule != ruleEnabled_.end() && !rule->second) return false;
  if (command == Command::LeadingEdgeMenu) return true;  // the sub-menu itself
  auto it = commands_.find(command);
  return it != commands_.end() && it->second;
}

void MainWindow::ApplyEnabled(Command command) {
  const bool enabled = IsCommandEnabled(command);
  if (QAction* a = Action(command)) a->setEnabled(enabled);
  if (QToolButton* b = CommandButton(command)) b->setEnabled(enabled);
  // A tool-bar button follows the menu entry whose command it runs.
  for (const files::ToolbarTip& tip : files::kToolbarTips)
    if (CommandForControl(tip.command) == command)
      toolbarButtons_[static_cast<std::size_t>(tip.button)]->setEnabled(enabled);
}

void MainWindow::SetChecked(Command command, bool checked) {
  if (QAction* a = Action(command)) a->setChecked(checked);
}

void MainWindow::WireCommands() {
  WireFileAndViewCommands();
  WireRibCommands();
  WireHelpAndSettings();
  WireAirfoilTools();
  WireSeriesTools();
  for (Command command : AllCommands()) ApplyEnabled(command);
}

// The File menu, the zoom and the display switches.
void MainWindow::WireFileAndViewCommands() {
  core::RibDocument& document = document_;
  using enum Command;
  auto set = [this](Command command, std::function<void()> f) { commands_[command] = std::move(f); };
  set(OpenProject, [&document] {
    if (document.airfoil.loaded &&
        !commands::MayReplaceRib(document, Text(keys::OpenProjectAirfoilLoaded), Text(keys::OpenProjectTitle)))
      return;
    commands::OpenProject(document);
  });
  set(SaveProjectAs, [&document] { commands::SaveProject(document); });
  set(Save, [&document] { commands::SaveProjectAgain(document); });
  set(ZoomIn, [this] { StepZoom(-1, view_->rect().center()); });
  set(ZoomOut, [this] { StepZoom(1, view_->rect().center()); });
  set(Fit, [this] { FitInView(); });
  set(ExportDxf, [&document] { commands::ExportDxf(document); });
  set(ExportForCutting, [this, &document] {
    CutExportWindow window(this);
    if (window.exec() == QDialog::Accepted) commands::ExportForCutting(document, window.Settings());
  });
  set(OpenAirfoil, [this] { this->OpenAirfoil(); });
  set(AirfoilButton, [this] { this->OpenAirfoil(); });
  set(PrinterSetup, [] { platform::CurrentDesktop().PrinterSetup(); });
  set(PageSetup, [this] { ShowPageSetup(); });
  set(Print, [this] { PrintView(); });
  set(PrintPreview, [this] { PreviewPrint(); });
  set(Exit, [this] { close(); });
  for (Command toggle : DisplayToggles())
    set(toggle, [this, toggle] {
      Action(toggle)->setChecked(!Action(toggle)->isChecked());
      ToggleDisplay(toggle);
    });
  set(NewRib, [&document] {
    if (sharedwindows::ConfirmNewRib(document)) commands::NewRib(document);
  });
  set(Language, [this] {
    LanguageWindow lang(document_, LanguageWindow::Purpose::ChangeLanguage, this);
    lang.exec();
  });
}

// The rib's windows, from the menus and the tool bar.
void MainWindow::WireRibCommands() {
  core::RibDocument& document = document_;
  using enum Command;
  auto set = [this](Command command, std::function<void()> f) { commands_[command] = std::move(f); };
  set(Chord, [this] { ShowInput(ribwindows::InputKind::Chord); });
  set(ChordButton, [this] { ShowInput(ribwindows::InputKind::Chord); });
  set(Sheeting, [this] { ShowInput(ribwindows::InputKind::Sheeting); });
  set(LeadingEdgePiece, [this] { ShowInput(ribwindows::InputKind::LeadingEdge); });
  set(TrailingEdge, [this] { ShowInput(ribwindows::InputKind::TrailingEdge); });
  set(TrailingEdgeButton, [this] { ShowInput(ribwindows::InputKind::TrailingEdge); });
  set(ReferenceLines, [this] { ShowInput(ribwindows::InputKind::ReferenceLines); });
  set(LeadingEdgeButton, [this, &document] {
    Run(document.rib.leadingEdgeStyle != core::LeadingEdgeStyle::Square ? LeadingEdgePiece : SquareLeadingEdge);
  });
  set(Spars, [this] { ribwindows::SparWindow::Open(document_, this); });
  set(SparsButton, [this] { ribwindows::SparWindow::Open(document_, this); });
  set(Holes, [this] { ribwindows::HoleWindow::Open(document_, this); });
  set(HolesButton, [this] { ribwindows::HoleWindow::Open(document_, this); });
  set(BuildingTabs, [this] { ribwindows::TabWindow(document_, this).exec(); });
  set(Blocks, [this] { ribwindows::BlockWindow(document_, this).exec(); });
  set(SquareLeadingEdge, [this] { ribwindows::SquareLeadingEdgeWindow::ShowBeside(document_, this); });
  set(InsertText, [this] { ribwindows::TextWindow(document_, this).exec(); });
}

void MainWindow::WireHelpAndSettings() {
  core::RibDocument& document = document_;
  using enum Command;
  auto set = [this](Command command, std::function<void()> f) { commands_[command] = std::move(f); };
  set(Calculator, [] { StartCalculator(); });
  set(HelpTopics, [] { platform::ShowHelpTopic(platform::kTopicMain); });
  set(About, [this] {
    AboutBox about(document_.settings.versionText, this);
    about.exec();
  });
  set(CheckVersion, [] { platform::CurrentDesktop().OpenWebPage(kVersionPageUrl); });
  set(AirfoilFolders, [this, &document] { settingswindows::OfferAirfoilPack(document, this); });
  set(Defaults, [this, &document] { settingswindows::ChangeDefaults(document, *this); });
  set(Colours, [this, &document] { settingswindows::ColoursWindow(document, this).exec(); });
}

void MainWindow::WireSeriesTools() {
  core::RibDocument& document = document_;
  using enum Command;
  auto set = [this](Command command, std::function<void()> f) { commands_[command] = std::move(f); };
  // The series windows read their airfoils through the open window and open the files
  // they wrote as the current airfoil.
  auto pickAirfoil = [this, &document](const std::string& caption) -> std::optional<serieswindows::PickedAirfoil> {
    sharedwindows::OpenAirfoilWindow open(document.settings, caption, false,
                                          QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this);
    open.exec();
    if (!open.Accepted()) return std::nullopt;
    return serieswindows::PickedAirfoil{open.ChosenPath(), open.TakeData()};
  };
  // A rib changed since it was opened from the table is not replaced by the next without asking.
  auto openSeriesFile = [&document](const std::string& path) {
    return commands::MayReplaceRib(document) && commands::OpenFile(document, path);
  };
  set(RibSeries, [this, &document, pickAirfoil, openSeriesFile] {
    serieswindows::RunSeriesTool(document, serieswindows::SeriesKind::Even, pickAirfoil, openSeriesFile, this);
  });
  set(RibSeriesWithIntermediates, [this, &document, pickAirfoil, openSeriesFile] {
    serieswindows::RunSeriesTool(document, serieswindows::SeriesKind::Spaced, pickAirfoil, openSeriesFile, this);
  });
  set(CoordinatesEditor, [this, &document] { serieswindows::CoordinatesWindow(document.settings, this).exec(); });
  set(CutKit, [this, &document] { serieswindows::CutKitWindow::Run(document, {}, this); });
}

void MainWindow::WireAirfoilTools() {
  using enum Command;
  // Shared by the commands and the drawings, which the window keeps as long as it lives.
  auto views = std::make_shared<toolwindows::AirfoilViews>(document_);
  // A view that replaces the rib prints as the rib would, although no airfoil is loaded, and
  // takes the chord as its scale; the commands that shape the rib wait until it is back.
  auto printable = [this] {
    for (Command c : {Print, PrintPreview, PageSetup, Chord, ChordButton}) SetCommandEnabled(c, true);
    for (Command c : CommandsIdleInView(document_.view)) SetCommandEnabled(c, false);
  };
  commands_[CompareAirfoils] = [this, views, printable] {
    views->Compare(this);
    if (!document_.view.compareShown) return;
    SetComparedAirfoils(views->Comparison().firstName, views->Comparison().secondName);
    printable();
  };
  commands_[Former] = [this, views, printable] {
    views->Former(this);
    if (!document_.view.formerShown) return;
    printable();
    SetCommandEnabled(InsertText, true);  // the former draws the inserted text
  };
  commands_[ThicknessCamber] = [this] {
    toolwindows::ThicknessCamberWindow window(document_, this);
    window.SetPrint([this] { Run(Print); });
    window.exec();
  };
  commands_[InclinedRib] = [this] { toolwindows::InclinedRibWindow(document_, this).exec(); };
  commands_[ObliqueRib] = [this] { toolwindows::ObliqueRibWindow(document_, this).exec(); };
  commands_[Dihedral] = [this] { toolwindows::DihedralWindow(document_.settings, this).exec(); };
  commands_[RibSheet] = [this] { toolwindows::RibSheetWindow(document_, this).exec(); };
  const std::pair<SpecialView, toolwindows::ToolView> kinds[] = {
      {SpecialView::Comparison, toolwindows::ToolView::Comparison},
      {SpecialView::ThicknessCamber, toolwindows::ToolView::ThicknessCamber},
      {SpecialView::Former, toolwindows::ToolView::Former}};
  for (const auto& [special, tool] : kinds)
    SetSpecialView(special, [this, views, tool](platform::DrawTarget& target, const core::ViewPlacement& at) {
      views->Draw(tool, target, at);
      Panel(2)->setText(Q(views->PanelText(tool)));
    });
}

void MainWindow::ToggleDisplay(Command command) {
  const bool on = Action(command)->isChecked();
  if (command == Command::ViewUpsideDown) {
    commands::ApplyEdit(document_, commands::SetUpsideDown{on});
    return;
  }
  switch (command) {
    case Command::ShowOutline: document_.view.outlineShown = on; break;
    case Command::ShowThickness: document_.view.showThickness = on; break;
    case Command::ShowLeadingEdgeHeight: document_.view.showLeadingEdgeHeight = on; break;
    case Command::ShowTrailingEdgeHeight: document_.view.showTrailingEdgeHeight = on; break;
    default: break;
  }
  document_.changes.Announce(core::Change::View);
}

void MainWindow::ShowInput(ribwindows::InputKind kind) {
  ribwindows::InputWindow input(document_, kind, this);
  input.exec();
}

}  // namespace mainwindow
