#include "mainwindow/mainwindow.h"

#include "mainwindow/undohistory.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWheelEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "commands/airfoilcommands.h"
#include "commands/cutexport.h"
#include "commands/dxfexport.h"
#include "commands/newrib.h"
#include "commands/projectcommands.h"
#include "core/caption.h"
#include "mainwindow/undohistory.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/inputsettings.h"
#include "ribwindows/holewindow.h"
#include "ribwindows/sparwindow.h"
#include "ribwindows/blockwindow.h"
#include "ribwindows/squareleadingedgewindow.h"
#include "ribwindows/tabrules.h"
#include "ribwindows/tabwindow.h"
#include "ribwindows/textwindow.h"
#include "files/captions.h"
#include "files/settings.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/cutexportwindow.h"
#include "mainwindow/openairfoilwindow.h"
#include "mainwindow/languagewindow.h"
#include "mainwindow/mainview.h"
#include "mainwindow/startup.h"
#include "mainwindow/viewdrawing.h"
#include "platform/desktop.h"
#include "platform/errorreport.h"
#include "platform/pageoutput.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtdrawtarget.h"
#include "platform/qt/qtpageoutput.h"
#include "platform/qt/qttranslations.h"
#include "platform/texts.h"
#include "platform/userstore.h"
#include "serieswindows/coordinateswindow.h"
#include "serieswindows/serieswindow.h"
#include "settingswindows/airfoilpackoffer.h"
#include "settingswindows/colourswindow.h"
#include "settingswindows/defaultswindow.h"
#include "settingswindows/printwindow.h"
#include "toolwindows/airfoilviews.h"
#include "toolwindows/dihedralwindow.h"
#include "toolwindows/ribsheetwindow.h"
#include "toolwindows/slantedribwindows.h"
#include "toolwindows/thicknesscamberwindow.h"

namespace mainwindow {

using platform::Text;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The short side of the printer's own paper, the height of a landscape sheet.
double PrinterPaperHeightMm() {
  const QSizeF size = platform::SharedPrinter().pageLayout().fullRect(QPageLayout::Millimeter).size();
  return std::min(size.width(), size.height());
}

// Where the per-user store keeps the window's size, place and maximised state.
constexpr const char* kWindowSection = "Window";
constexpr const char* kGeometryKey = "MainGeometry";

// The cream of the picture, &HEFFFFF: red 255, green 255, blue 239.
const QColor kPicBackground(255, 255, 239);

struct MenuItem {
  enum Kind { Entry, Separator, RecentFiles } kind;
  Command command = Command::Exit;
  const char* caption = "";  // design caption, shown until the language's captions replace it
};

struct MenuDef {
  const char* name;  // the menu's object name, by which the caption table finds it
  const char* caption;
  std::vector<MenuItem> items;
};

const std::vector<MenuDef>& Menus() {
  static const std::vector<MenuDef> menus = {
      {"mnu_file", "&File",
       {{MenuItem::Entry, Command::OpenProject, "&Open Rib components..."},
        {MenuItem::Entry, Command::OpenAirfoil, "Open Airfoil &file..."},
        {MenuItem::Entry, Command::Save, "Save Rib &components"},
        {MenuItem::Entry, Command::SaveProjectAs, "Save &as Rib components..."},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::ExportDxf, "&Export as DXF file"},
        {MenuItem::Entry, Command::ExportForCutting, "Export for cu&tting..."},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::PageSetup, "Page &Setup"},
        {MenuItem::Entry, Command::PrinterSetup, "Pr&inter Setup..."},
        {MenuItem::Entry, Command::PrintPreview, "Print Pre&view..."},
        {MenuItem::Entry, Command::Print, "&Print..."},
        {MenuItem::RecentFiles},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::Exit, "E&xit"}}},
      {"mnu_aff", "&View",
       {{MenuItem::Entry, Command::ViewUpsideDown, "&Invert Airfoil"},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::Defaults, "&Template defaults..."},
        {MenuItem::Entry, Command::Colours, "&Print colors..."},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::ShowLeadingEdgeHeight, "&Leading Edge thickness"},
        {MenuItem::Entry, Command::ShowTrailingEdgeHeight, "&Trailing Edge thickness"},
        {MenuItem::Entry, Command::ShowThickness, "&Chord thickness"},
        {MenuItem::Entry, Command::InsertText, "Ins&ert text"},
        {MenuItem::Entry, Command::ShowOutline, "&Show the sheeting lines"},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::ZoomIn, "&Zoom in"},
        {MenuItem::Entry, Command::ZoomOut, "Zoom o&ut"},
        {MenuItem::Entry, Command::Fit, "&Fit the rib in the view"},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::NewRib, "Clear all &Data"},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::Language, "Language"}}},
      {"mnuprofil", "&Rib",
       {{MenuItem::Entry, Command::Chord, "&Chord length..."},
        {MenuItem::Entry, Command::Sheeting, "&Sheeting thickness..."},
        {MenuItem::Entry, Command::LeadingEdgeMenu, "&Leading Edge width..."},
        {MenuItem::Entry, Command::Spars, "Sp&ars setup..."},
        {MenuItem::Entry, Command::Holes, "&Holes setup..."},
        {MenuItem::Entry, Command::TrailingEdge, "&Trailing Edge width..."},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::BuildingTabs, "&Rib levelling heel"}}},
      {"mnu_param", "&Layout Foam",
       {{MenuItem::Entry, Command::ReferenceLines, "&Station lines..."},
        {MenuItem::Entry, Command::Blocks, "&Template..."},
        {MenuItem::Entry, Command::Washout, "&Washout angle..."}}},
      {"mnu_outil", "&Utilities",
       {{MenuItem::Entry, Command::CompareAirfoils, "Compare 2 &Airfoils..."},
        {MenuItem::Entry, Command::RibSheet, "Compute &set of ribs..."},
        {MenuItem::Entry, Command::RibSeries, "&Generate full set of ribs..."},
        {MenuItem::Entry, Command::RibSeriesWithIntermediates, "Generate set of ribs with &intermediate ribs..."},
        {MenuItem::Entry, Command::ThicknessCamber, "&Modify Airfoil Thickness/Camber..."},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::ObliqueRib, "&Rib oblique"},
        {MenuItem::Entry, Command::InclinedRib, "Rib &inclined"},
        {MenuItem::Entry, Command::Dihedral, "Compute the &dihedral..."},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::CoordinatesEditor, "&Create new coordinates..."},
        {MenuItem::Entry, Command::Former, "&Former"},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::Calculator, "Calc"}}},
      {"mnu_help", "&Help",
       {{MenuItem::Entry, Command::HelpTopics, "&Help Topics..."},
        {MenuItem::Separator},
        {MenuItem::Entry, Command::About, "&About Vandrell..."},
        {MenuItem::Entry, Command::CheckVersion, "Check version"},
        {MenuItem::Entry, Command::AirfoilFolders, "&Make Airfoils subdirectories..."}}},
  };
  return menus;
}

// The leading-edge sub-menu.
const std::vector<MenuItem>& LeadingEdgeItems() {
  static const std::vector<MenuItem> items = {{MenuItem::Entry, Command::LeadingEdgePiece, "Stock..."},
                                              {MenuItem::Entry, Command::SquareLeadingEdge, "V-notch square..."}};
  return items;
}


}  // namespace

// ---------------------------------------------------------------------------------------
RibView::RibView(QWidget* parent) : QWidget(parent) {
  setObjectName("Pic");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(50, 50);
  // The Menu key and Shift+F10 reach the rib menu through the focus.
  setFocusPolicy(Qt::StrongFocus);
}

void RibView::Clear() {
  const qreal ratio = devicePixelRatioF();
  QSize size = this->size() * ratio;
  if (size.isEmpty()) size = QSize(1, 1);
  if (surface_.size() != size) {
    surface_ = QImage(size, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
  }
  surface_.fill(kPicBackground);
  blank_ = true;
  update();
}

void RibView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPicBackground);
  if (!surface_.isNull()) painter.drawImage(0, 0, surface_);
}

void RibView::contextMenuEvent(QContextMenuEvent* event) {
  emit rightClicked(event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center()) : event->globalPos());
}

// ---------------------------------------------------------------------------------------
MainWindow::MainWindow(core::RibDocument& document, QWidget* parent) : QMainWindow(parent), document_(document) {
  setObjectName("frmmain");
  setWindowTitle(platform::kProgramTitle);
  BuildMenus();
  BuildToolBar();
  BuildView();
  WireCommands();
  subscription_ = document_.changes.Listen([this](core::Changes what) { DocumentChanged(what); });
  BuildEditMenu();  // its history listens after the window, see UndoHistory
  setAcceptDrops(true);
  resize(1000, 700);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
  for (const MenuDef& def : Menus()) {
    QMenu* menu = menuBar()->addMenu(Q(def.caption));
    menu->setObjectName(def.name);
    if (std::string(def.name) == "mnuprofil") ribMenu_ = menu;
    for (const MenuItem& item : def.items) {
      if (item.kind == MenuItem::Separator) {
        menu->addSeparator();
        continue;
      }
      if (item.kind == MenuItem::RecentFiles) {
        recentSeparator_ = menu->addSeparator();
        recentSeparator_->setObjectName("mnuFileBar6");
        recentSeparator_->setVisible(false);
        for (int i = 0; i < 4; ++i) {
          QAction* entry = menu->addAction(QString());
          entry->setObjectName(QString("mnuFileMRU%1").arg(i));
          entry->setVisible(false);
          connect(entry, &QAction::triggered, this, [this, entry] {
            commands::OpenRecentAirfoil(document_, entry->data().toString().toStdString());
          });
          recentEntries_.push_back(entry);
        }
        continue;
      }
      const Command command = item.command;
      const QString name = Q(std::string(ControlName(command)));
      if (command == Command::LeadingEdgeMenu) {
        QMenu* sub = menu->addMenu(Q(item.caption));
        sub->setObjectName(name);
        actions_[command] = sub->menuAction();
        for (const MenuItem& subItem : LeadingEdgeItems()) {
          QAction* a = sub->addAction(Q(subItem.caption));
          a->setObjectName(Q(std::string(ControlName(subItem.command))));
          actions_[subItem.command] = a;
          connect(a, &QAction::triggered, this, [this, c = subItem.command] { Run(c); });
        }
        continue;
      }
      QAction* a = menu->addAction(Q(item.caption));
      a->setObjectName(name);
      actions_[command] = a;
      const auto& toggles = DisplayToggles();
      if (std::find(toggles.begin(), toggles.end(), command) != toggles.end()) {
        // The menu has flipped the check mark already.
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, command] { ToggleDisplay(command); });
      } else {
        connect(a, &QAction::triggered, this, [this, command] { Run(command); });
      }
    }
  }
  actions_[Command::ShowOutline]->setChecked(true);
  const std::pair<Command, QList<QKeySequence>> shortcuts[] = {
      {Command::OpenAirfoil, QKeySequence::keyBindings(QKeySequence::Open)},
      {Command::Save, QKeySequence::keyBindings(QKeySequence::Save)},
      {Command::SaveProjectAs, QKeySequence::keyBindings(QKeySequence::SaveAs)},
      {Command::Exit, QKeySequence::keyBindings(QKeySequence::Quit)},
      {Command::Print, QKeySequence::keyBindings(QKeySequence::Print)},
      {Command::HelpTopics, QKeySequence::keyBindings(QKeySequence::HelpContents)},
      {Command::ZoomIn, QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal)},
      {Command::ZoomOut, QKeySequence::keyBindings(QKeySequence::ZoomOut)},
      {Command::Fit, {QKeySequence(Qt::CTRL | Qt::Key_0)}}};
  for (const auto& [command, keys] : shortcuts) actions_[command]->setShortcuts(keys);
  // Not every desktop theme names keys for these two; the usual ones then.
  for (const auto& [command, key] : {std::pair{Command::SaveProjectAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                                     std::pair{Command::Exit, QKeySequence(Qt::CTRL | Qt::Key_Q)}})
    if (actions_[command]->shortcuts().isEmpty()) actions_[command]->setShortcut(key);
}

void MainWindow::BuildEditMenu() {
  history_ = new UndoHistory(document_, this);
  editMenu_ = new QMenu(this);
  editMenu_->setObjectName("mnuEdit");
  editMenu_->addAction(history_->UndoAction());
  editMenu_->addAction(history_->RedoAction());
  // Between File and the rest, where every program has it.
  const QList<QAction*> menus = menuBar()->actions();
  menuBar()->insertMenu(menus.size() > 1 ? menus[1] : nullptr, editMenu_);
}

void MainWindow::BuildToolBar() {
  QToolBar* bar = addToolBar("Toolbar1");
  bar->setObjectName("Toolbar1");
  bar->setMovable(false);
  bar->setIconSize(QSize(20, 20));
  QStyle* st = style();
  // Buttons 1 to 8: open project (2), save project (3), page set-up (5), print (7) between
  // separators. Index 0 is unused so indexes read as the tool bar's.
  const std::map<int, QIcon> icons = {
      {2, st->standardIcon(QStyle::SP_DialogOpenButton)},
      {3, st->standardIcon(QStyle::SP_DialogSaveButton)},
      {5, st->standardIcon(QStyle::SP_FileDialogDetailedView)},
      {7, QIcon::fromTheme("document-print", st->standardIcon(QStyle::SP_ComputerIcon))}};
  toolbarButtons_.assign(files::kToolbarTips.size() + 1, nullptr);
  for (const files::ToolbarTip& tip : files::kToolbarTips) {
    const std::optional<Command> command = CommandForControl(tip.command);
    QAction* a = command ? bar->addAction(icons.at(tip.button), QString()) : bar->addSeparator();
    a->setObjectName(QString("Toolbar1_%1").arg(tip.button));
    toolbarButtons_[static_cast<std::size_t>(tip.button)] = a;
    if (command) connect(a, &QAction::triggered, this, [this, c = *command] { Run(c); });
  }

  zoomList_ = new QComboBox(bar);
  zoomList_->setObjectName("Combo1");
  zoomList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  bar->addWidget(zoomList_);
  bar->addSeparator();
  for (const files::CommandButtonTexts& def : files::kCommandButtons) {
    const std::optional<Command> command = CommandForControl(def.control);
    auto* button = new QToolButton(bar);
    button->setObjectName(Q(std::string(def.control)));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(false);
    bar->addWidget(button);
    buttons_[*command] = button;
    connect(button, &QToolButton::clicked, this, [this, c = *command] { Run(c); });
  }
}

void MainWindow::BuildView() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  view_ = new RibView(central);
  hScroll_ = new QScrollBar(Qt::Horizontal, central);
  hScroll_->setObjectName("Hsbpic");
  vScroll_ = new QScrollBar(Qt::Vertical, central);
  vScroll_->setObjectName("Vsbpic");
  hScroll_->setRange(0, 0);
  vScroll_->setRange(0, 0);
  grid->addWidget(view_, 0, 0);
  grid->addWidget(vScroll_, 0, 1);
  grid->addWidget(hScroll_, 1, 0);
  setCentralWidget(central);

  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QString("StatusBarPanel%1").arg(i + 1));
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  statusBar()->addWidget(panels_[0]);
  statusBar()->addWidget(panels_[1], 1);
  statusBar()->addWidget(panels_[2]);

  connect(hScroll_, &QScrollBar::valueChanged, this, &MainWindow::HorizontalScrolled);
  connect(vScroll_, &QScrollBar::valueChanged, this, &MainWindow::VerticalScrolled);
  connect(zoomList_, &QComboBox::currentIndexChanged, this, [this] { ZoomChosen(); });
  connect(view_, &RibView::rightClicked, this, [this](const QPoint& at) { ribMenu_->popup(at); });
  view_->installEventFilter(this);
}

QLabel* MainWindow::Panel(int index) const { return panels_[index - 1]; }

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
  core::RibDocument& d = document_;
  using enum Command;
  auto set = [this](Command command, std::function<void()> f) { commands_[command] = std::move(f); };
  set(OpenProject, [&d] {
    if (d.airfoil.loaded && platform::AskYesNo(Text("fileopen", "1"), Text("fileopen", "2"),
                                               platform::BoxIcon::Question, false) == platform::BoxAnswer::No)
      return;
    commands::OpenProject(d);
  });
  set(SaveProjectAs, [&d] { commands::SaveProject(d); });
  set(Save, [&d] { commands::SaveProjectAgain(d); });
  set(ZoomIn, [this] { StepZoom(-1, view_->rect().center()); });
  set(ZoomOut, [this] { StepZoom(1, view_->rect().center()); });
  set(Fit, [this] { FitInView(); });
  set(ExportDxf, [&d] { commands::ExportDxf(d); });
  set(ExportForCutting, [this, &d] {
    CutExportWindow window(this);
    if (window.exec() == QDialog::Accepted) commands::ExportForCutting(d, window.Settings());
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
  set(NewRib, [&d] {
    if (ConfirmNewRib(d)) commands::NewRib(d);
  });
  set(Language, [this] {
    LanguageWindow lang(document_, LanguageWindow::Purpose::ChangeLanguage, this);
    lang.exec();
  });
  set(Chord, [this] { ShowInput(ribwindows::InputKind::Chord); });
  set(ChordButton, [this] { ShowInput(ribwindows::InputKind::Chord); });
  set(Sheeting, [this] { ShowInput(ribwindows::InputKind::Sheeting); });
  set(LeadingEdgePiece, [this] { ShowInput(ribwindows::InputKind::LeadingEdge); });
  set(TrailingEdge, [this] { ShowInput(ribwindows::InputKind::TrailingEdge); });
  set(TrailingEdgeButton, [this] { ShowInput(ribwindows::InputKind::TrailingEdge); });
  set(ReferenceLines, [this] { ShowInput(ribwindows::InputKind::ReferenceLines); });
  set(LeadingEdgeButton, [this, &d] {
    Run(d.rib.leadingEdgeStyle != core::LeadingEdgeStyle::Square ? LeadingEdgePiece : SquareLeadingEdge);
  });
  set(Spars, [this] { ribwindows::SparWindow::Open(document_, this); });
  set(SparsButton, [this] { ribwindows::SparWindow::Open(document_, this); });
  set(Holes, [this] { ribwindows::HoleWindow::Open(document_, this); });
  set(HolesButton, [this] { ribwindows::HoleWindow::Open(document_, this); });
  set(BuildingTabs, [this] { ribwindows::TabWindow(document_, this).exec(); });
  set(Blocks, [this] { ribwindows::BlockWindow(document_, this).exec(); });
  set(SquareLeadingEdge, [this] { ribwindows::SquareLeadingEdgeWindow::ShowBeside(document_, this); });
  set(InsertText, [this] { ribwindows::TextWindow(document_, this).exec(); });
  set(Calculator, [] { StartCalculator(); });
  set(HelpTopics, [] { platform::ShowHelpTopic(platform::kTopicMain); });
  set(About, [this] {
    AboutBox about(document_.settings.versionText, this);
    about.exec();
  });
  set(CheckVersion, [] { platform::CurrentDesktop().OpenWebPage(kVersionPageUrl); });
  set(AirfoilFolders, [this, &d] { settingswindows::OfferAirfoilPack(d, this); });
  set(Defaults, [this, &d] { settingswindows::ChangeDefaults(d, *this); });
  set(Colours, [this, &d] { settingswindows::ColoursWindow(d, this).exec(); });
  WireAirfoilTools();
  // The series windows read their airfoils through the open window and open the files
  // they wrote as the current airfoil.
  auto pickAirfoil = [this, &d](const std::string& caption) -> std::optional<serieswindows::PickedAirfoil> {
    OpenAirfoilWindow open(d.settings, caption, false, QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this);
    open.exec();
    if (!open.Accepted()) return std::nullopt;
    return serieswindows::PickedAirfoil{open.ChosenPath(), open.TakeData()};
  };
  auto openSeriesFile = [&d](const std::string& path) { commands::OpenFile(d, path); };
  set(RibSeries, [this, &d, pickAirfoil, openSeriesFile] {
    serieswindows::RunSeriesTool(d, serieswindows::SeriesKind::Even, pickAirfoil, openSeriesFile, this);
  });
  set(RibSeriesWithIntermediates, [this, &d, pickAirfoil, openSeriesFile] {
    serieswindows::RunSeriesTool(d, serieswindows::SeriesKind::Spaced, pickAirfoil, openSeriesFile, this);
  });
  set(CoordinatesEditor, [this, &d] { serieswindows::CoordinatesWindow(d.settings, this).exec(); });
  for (Command command : AllCommands()) ApplyEnabled(command);
}

void MainWindow::WireAirfoilTools() {
  using enum Command;
  // Shared by the commands and the drawings, which the window keeps as long as it lives.
  auto views = std::make_shared<toolwindows::AirfoilViews>(document_);
  // A view that replaces the rib prints as the rib would, although no airfoil is loaded; the
  // commands that shape the rib wait until it is back.
  auto printable = [this] {
    for (Command c : {Print, PrintPreview, PageSetup}) SetCommandEnabled(c, true);
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
    if (document_.view.formerShown) printable();
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
  core::RibDocument& d = document_;
  const bool on = Action(command)->isChecked();
  switch (command) {
    case Command::ViewUpsideDown: d.rib.upsideDown = on; break;
    case Command::ShowOutline: d.view.outlineShown = on; break;
    case Command::ShowThickness: d.view.showThickness = on; break;
    case Command::ShowLeadingEdgeHeight: d.view.showLeadingEdgeHeight = on; break;
    case Command::ShowTrailingEdgeHeight: d.view.showTrailingEdgeHeight = on; break;
    default: break;
  }
  d.changes.Announce(command == Command::ViewUpsideDown ? core::Change::Setup : core::Change::View);
}

void MainWindow::LoadCaptions() {
  platform::UseQtTranslations(Text("LANGUAGE", "Code"));
  auto text = [](const files::TextKey& k) { return Q(Text(k.section, k.key)); };
  for (const files::ToolbarTip& tip : files::kToolbarTips)
    if (QAction* a = toolbarButtons_[static_cast<std::size_t>(tip.button)]) a->setToolTip(text(tip.tip));
  zoomList_->setToolTip(text(files::kZoomListTip));
  Panel(3)->setText(Q(UnitPanelText(document_)));
  for (const files::CommandButtonTexts& def : files::kCommandButtons) {
    QToolButton* b = CommandButton(*CommandForControl(def.control));
    b->setText(text(def.caption));
    b->setToolTip(text(def.toolTip));
  }
  editMenu_->setTitle(Q(Text("MenuEdit", "1")));
  history_->LoadCaptions();
  for (const files::MenuCaption& entry : files::kMenuCaptions) {
    const QString name = Q(std::string(entry.control));
    const QString caption = Q(files::MenuCaptionText(entry));
    if (QMenu* menu = menuBar()->findChild<QMenu*>(name)) menu->setTitle(caption);
    else if (std::optional<Command> command = CommandForControl(entry.control))
      if (QAction* a = Action(*command)) a->setText(caption);
  }
}

void MainWindow::LoadRecentMenu() {
  const std::vector<std::string> entries = files::RecentFileList(document_);
  for (std::size_t i = 0; i < recentEntries_.size(); ++i) {
    if (i < entries.size()) {
      QString path = Q(entries[i]);
      recentEntries_[i]->setData(path);
      recentEntries_[i]->setText(QString("&%1 ").arg(i + 1) + QString(path).replace("&", "&&"));
      recentEntries_[i]->setVisible(true);
    }
  }
  recentSeparator_->setVisible(!entries.empty());
}

void MainWindow::PlaceOnScreen() {
  const std::string saved = platform::CurrentUserStore().Get(kWindowSection, kGeometryKey);
  if (!saved.empty()) restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)));
  KeepWithinScreen();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The frame's size is known once the window is shown, and once the window manager has
  // framed it a moment later.
  KeepWithinScreen();
  QTimer::singleShot(250, this, [this] { KeepWithinScreen(); });
}

void MainWindow::KeepWithinScreen() {
  if (isMaximized() || isFullScreen()) return;
  // Whatever was saved, on whichever screen: the window opens whole on the screen it is on.
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect room = s->availableGeometry();
  const QSize frameExtra = frameGeometry().size() - geometry().size();
  const QSize most = room.size() - frameExtra;
  if (width() > most.width() || height() > most.height())
    resize(std::min(width(), most.width()), std::min(height(), most.height()));
  QRect frame = frameGeometry();
  frame.moveLeft(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width() + 1)));
  frame.moveTop(std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height() + 1)));
  move(frame.topLeft());
}

void MainWindow::Load() {
  core::RibDocument& d = document_;
  PlaceOnScreen();
  d.project.modified = false;
  d.view.outlineShown = true;
  platform::CurrentDesktop().SetBusy(false);
  d.settings.unitText = " mm";
  files::StartSettings(d);
  Panel(3)->setText(Q(UnitPanelText(d)));
  {
    QSignalBlocker block(zoomList_);
    zoomList_->clear();
    for (const std::string& entry : ZoomEntries()) zoomList_->addItem(Q(entry));
  }
  zoomList_->setCurrentIndex(kZoomDefaultIndex);
  ZoomChosen();
  Panel(1)->setText(Q(VersionPanelText(d)));
  Panel(2)->clear();
  LoadRecentMenu();
  for (Command command : AirfoilCommands()) SetCommandEnabled(command, d.airfoil.loaded);
  history_->StartAfresh();  // the settings just read are no step to undo
}

// ---------------------------------------------------------------------------------------
void MainWindow::DocumentChanged(core::Changes what) {
  ShowDisplayFlags();
  if (what.Has(core::Change::Project) && !document_.project.windowTitle.empty())
    setWindowTitle(Q(document_.project.windowTitle));
  if (what.Has(core::Change::Settings)) LoadRecentMenu();
  if (what.Has(core::Change::Style)) LoadCaptions();
  if (what.Has(core::Change::NewRib)) {
    ReturnToNewRib();  // redraws through the zoom list
    return;
  }
  if (what.Has(core::Change::Airfoil)) {
    ResetScrollBars();
    for (Command command : AirfoilCommands()) SetCommandEnabled(command, true);
    // The caption must not go on naming the previous airfoil.
    core::RecomposeCaption(document_, files::CaptionWordsInLanguage());
  }
  // Board distances follow the airfoil before anything is drawn with them; a set-up put
  // back by undo or redo has them as they were.
  const bool followsChord = what.Has(core::Change::Chord) || what.Has(core::Change::Sheeting);
  if (followsChord && !what.Has(core::Change::Restored)) ribwindows::TabDistancesFollowAirfoil(document_);
  else if (what.Has(core::Change::Airfoil)) ribwindows::TabDistancesForNewAirfoil(document_);
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
  const core::RibDocument& d = document_;
  SetChecked(Command::ViewUpsideDown, d.rib.upsideDown);
  SetChecked(Command::ShowOutline, d.view.outlineShown);
  SetChecked(Command::ShowThickness, d.view.showThickness);
  SetChecked(Command::ShowLeadingEdgeHeight, d.view.showLeadingEdgeHeight);
  SetChecked(Command::ShowTrailingEdgeHeight, d.view.showTrailingEdgeHeight);
}

void MainWindow::SetSpecialView(SpecialView view, SpecialDrawing drawing) {
  specialViews_[view] = std::move(drawing);
}

void MainWindow::SetComparedAirfoils(std::string first, std::string second) {
  comparedAirfoils_ = {std::move(first), std::move(second)};
}

commands::PrintRequest MainWindow::PrintRequestForView() const {
  commands::PrintRequest request;
  request.extras = commands::SheetExtrasWanted();
  const core::ViewState& v = document_.view;
  const std::pair<bool, SpecialView> order[] = {{v.compareShown, SpecialView::Comparison},
                                                {v.thicknessCamberShown, SpecialView::ThicknessCamber},
                                                {v.formerShown, SpecialView::Former}};
  std::vector<SpecialDrawing> active;
  for (const auto& [shown, kind] : order) {
    auto it = specialViews_.find(kind);
    if (shown && it != specialViews_.end() && it->second) active.push_back(it->second);
  }
  if (!active.empty()) {
    request.draw = [active](platform::DrawTarget& target, const core::ViewPlacement& at) {
      for (const SpecialDrawing& draw : active) draw(target, at);
    };
    request.lengthMm = document_.rib.chord.mm;
  }
  if (v.compareShown) request.airfoilNames = comparedAirfoils_;
  return request;
}

bool MainWindow::ShowPageSetup() {
  settingswindows::PrintWindow window(document_, PrinterPaperHeightMm(), this);
  return window.exec() == QDialog::Accepted;
}

void MainWindow::PrintView() {
  commands::Print(document_, PrintRequestForView(), platform::CurrentPrinter(), [this] { return ShowPageSetup(); });
}

void MainWindow::PreviewPrint() {
  const commands::PrintRequest request = PrintRequestForView();
  // The preview shows the sheets the print would send: set-up values that cannot print are
  // mended first, as the print itself asks.
  while (commands::PlanFor(document_, request).problem != core::TilingProblem::None)
    if (!ShowPageSetup()) return;
  QPrinter& printer = platform::SharedPrinter();
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName("PrintPreview");
  bool failed = false;
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &request, &failed](QPrinter* target) {
    platform::QtPageOutput output(*target);
    std::string error;
    if (!commands::SendSheets(document_, request, commands::PlanFor(document_, request), output, error) && !failed) {
      failed = true;
      platform::ReportGeneralError(" Main/PrintPreview", platform::ErrorInfo{platform::kErrDeviceIo, error});
    }
  });
  preview.exec();
}

void MainWindow::Redraw() {
  core::RibDocument& d = document_;
  const core::ViewState& v = d.view;
  if (v.compareShown || v.thicknessCamberShown || v.formerShown) {
    UpdateScrollRanges();
    view_->Clear();
    const core::ViewPlacement at = core::PlaceView(d);
    QPainter painter(&view_->Surface());
    platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, view_->Surface());
    const std::pair<bool, SpecialView> order[] = {{v.compareShown, SpecialView::Comparison},
                                                  {v.thicknessCamberShown, SpecialView::ThicknessCamber},
                                                  {v.formerShown, SpecialView::Former}};
    for (const auto& [active, kind] : order) {
      auto it = specialViews_.find(kind);
      if (active && it != specialViews_.end() && it->second) it->second(target, at);
    }
    view_->MarkDrawn();
    return;
  }
  if (!d.airfoil.loaded) return;
  Panel(1)->setText(Q(VersionPanelText(d)));
  Panel(2)->setText(Q(AirfoilPanelText(d, Text("MainTolbar", "11"), Text("MainTolbar", "13"))));
  if (d.rib.trailingEdge.mm + d.rib.leadingEdge.mm > d.rib.chord.mm) {
    // Nothing is drawn; the box is told once for these values, not at every resize or scroll.
    view_->Clear();
    const std::array<float, 3> refused{d.rib.leadingEdge.mm, d.rib.trailingEdge.mm, d.rib.chord.mm};
    if (refused == refusedEdges_) return;
    refusedEdges_ = refused;
    platform::Inform(Text("FrmMainMessage", "13"), Text("FrmMainMessage", "14"), platform::BoxIcon::Exclamation);
    return;
  }
  refusedEdges_ = {};
  UpdateScrollRanges();
  view_->Clear();
  // A rib without a chord has nothing to draw, and the trace divides by the chord.
  if (d.rib.chord.mm > 0) {
    PaintRib(d, view_->Surface());
    view_->MarkDrawn();
    ++drawCount_;
  }
}

void MainWindow::UpdateScrollRanges() {
  core::RibDocument& d = document_;
  const double twipsPerPixel = 1440.0 / view_->logicalDpiX();
  const ScrollRanges r = ScrollRangesFor(d, view_->width() * twipsPerPixel, view_->height() * twipsPerPixel);
  QSignalBlocker h(hScroll_);
  QSignalBlocker v(vScroll_);
  hScroll_->setRange(r.horizontal.minimum, r.horizontal.maximum);
  hScroll_->setPageStep(r.horizontal.pageStep);
  vScroll_->setRange(r.vertical.minimum, r.vertical.maximum);
  vScroll_->setPageStep(r.vertical.pageStep);
  // An arrow or a wheel notch moves a fixed part of the view, whatever the zoom.
  hScroll_->setSingleStep(std::max(1, r.horizontal.pageStep / 8));
  vScroll_->setSingleStep(std::max(1, r.vertical.pageStep / 8));
  // A smaller range may have moved a bar's value.
  d.view.hScroll = static_cast<std::int16_t>(-hScroll_->value());
  d.view.vScroll = static_cast<std::int16_t>(vScroll_->value());
}

void MainWindow::UpdateScrollRangesKeepingValues() {
  core::RibDocument& d = document_;
  const double twipsPerPixel = 1440.0 / view_->logicalDpiX();
  const ScrollRanges r = ScrollRangesFor(d, view_->width() * twipsPerPixel, view_->height() * twipsPerPixel);
  const int h = std::clamp<int>(-d.view.hScroll, r.horizontal.minimum, std::max(r.horizontal.minimum, r.horizontal.maximum));
  const int v = std::clamp<int>(d.view.vScroll, r.vertical.minimum, std::max(r.vertical.minimum, r.vertical.maximum));
  QSignalBlocker hb(hScroll_);
  QSignalBlocker vb(vScroll_);
  hScroll_->setRange(r.horizontal.minimum, std::max(r.horizontal.minimum, r.horizontal.maximum));
  vScroll_->setRange(r.vertical.minimum, std::max(r.vertical.minimum, r.vertical.maximum));
  hScroll_->setValue(h);
  vScroll_->setValue(v);
  d.view.hScroll = static_cast<std::int16_t>(-h);
  d.view.vScroll = static_cast<std::int16_t>(v);
}

void MainWindow::ResetScrollBars() {
  QSignalBlocker h(hScroll_);
  QSignalBlocker v(vScroll_);
  hScroll_->setValue(0);
  vScroll_->setValue(0);
  document_.view.hScroll = 0;
  document_.view.vScroll = 0;
}

void MainWindow::SetZoom(double zoom, int hScroll, int vScroll) {
  core::RibDocument& d = document_;
  {
    QSignalBlocker block(zoomList_);
    const QString text = Q(ZoomEntryText(zoom));
    int index = zoomList_->findText(text);
    if (index < 0) {
      // One place beyond the fixed entries holds a zoom of the user's own (Fit, the wheel).
      if (zoomList_->count() > static_cast<int>(ZoomEntries().size())) zoomList_->setItemText(zoomList_->count() - 1, text);
      else zoomList_->addItem(text);
      index = zoomList_->count() - 1;
    }
    zoomList_->setCurrentIndex(index);
  }
  d.view.zoom = ZoomFromEntry(zoomList_->currentText().toStdString());
  d.view.hScroll = static_cast<std::int16_t>(hScroll);
  d.view.vScroll = static_cast<std::int16_t>(vScroll);
  UpdateScrollRangesKeepingValues();
  d.changes.Announce(core::Change::View);
}

void MainWindow::StepZoom(int direction, const QPoint& about) {
  // The fixed entries run from the largest zoom down.
  const std::array<std::string, 7>& entries = ZoomEntries();
  const double now = document_.view.zoom;
  double next = now;
  if (direction < 0) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
      if (ZoomFromEntry(*it) > now + 1e-6) {
        next = ZoomFromEntry(*it);
        break;
      }
  } else {
    for (const std::string& e : entries)
      if (ZoomFromEntry(e) < now - 1e-6) {
        next = ZoomFromEntry(e);
        break;
      }
  }
  if (next == now) return;
  const double twipsPerPixel = 1440.0 / view_->logicalDpiX();
  const ScrollValues keep = ScrollKeepingPoint(document_, next, about.x() * twipsPerPixel, about.y() * twipsPerPixel);
  SetZoom(next, keep.hScroll, keep.vScroll);
}

void MainWindow::FitInView() {
  const double twipsPerPixel = 1440.0 / view_->logicalDpiX();
  const FitView fit = FitRibInView(document_, view_->width() * twipsPerPixel, view_->height() * twipsPerPixel);
  SetZoom(fit.zoom, fit.hScroll, fit.vScroll);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      if (wheel->modifiers() & Qt::ControlModifier) {
        if (wheel->angleDelta().y() != 0) StepZoom(wheel->angleDelta().y() > 0 ? -1 : 1, wheel->position().toPoint());
      } else {
        // The bars scroll as their own wheel would; Shift turns the wheel sideways.
        QScrollBar* bar = (wheel->modifiers() & Qt::ShiftModifier) || wheel->angleDelta().y() == 0 ? hScroll_ : vScroll_;
        QCoreApplication::sendEvent(bar, event);
      }
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::MiddleButton) break;
      panFrom_ = mouse->position().toPoint();
      panning_ = true;
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!panning_) break;
      PanBy(mouse->position().toPoint() - panFrom_);
      panFrom_ = mouse->position().toPoint();
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) panning_ = false;
      break;
    default: break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::PanBy(const QPoint& pixels) {
  const double step = ScrollStepTwips(document_);
  if (!(step > 0)) return;
  const double twipsPerPixel = 1440.0 / view_->logicalDpiX();
  // Whole scroll steps only; what is left over waits for the next move.
  panRest_ += QPointF(pixels) * twipsPerPixel / step;
  const int dx = static_cast<int>(panRest_.x()), dy = static_cast<int>(panRest_.y());
  panRest_ -= QPointF(dx, dy);
  // Dragging the picture right brings its left part into view.
  if (dx != 0) hScroll_->setValue(hScroll_->value() - dx);
  if (dy != 0) vScroll_->setValue(vScroll_->value() - dy);
}

void MainWindow::ZoomChosen() {
  if (zoomList_->currentIndex() < 0) return;
  document_.view.zoom = ZoomFromEntry(zoomList_->currentText().toStdString());
  ResetScrollBars();
  document_.changes.Announce(core::Change::View);
}

void MainWindow::HorizontalScrolled(int value) {
  document_.view.hScroll = static_cast<std::int16_t>(-value);
  document_.changes.Announce(core::Change::View);
}

void MainWindow::VerticalScrolled(int position) {
  // The bar counts down as its thumb goes down (see ScrollRanges).
  const int value = -position;
  document_.view.vScroll = static_cast<std::int16_t>(-value);
  document_.changes.Announce(core::Change::View);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Redraw();
}

// ---------------------------------------------------------------------------------------
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

void MainWindow::ShowInput(ribwindows::InputKind kind) {
  ribwindows::InputWindow input(document_, kind, this);
  input.exec();
}

void MainWindow::OpenAirfoil() {
  core::RibDocument& d = document_;
  d.view.formerShown = false;
  OpenAirfoilWindow open(d.settings, Text("frmopen", "1"), false, this);
  open.exec();
  if (!open.Accepted()) return;
  commands::InstallOpenedAirfoil(d, open.ChosenPath(), open.TakeData());
}

namespace {
// The local files of a drag that the program can open.
std::vector<std::string> OpenableFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const std::string path = url.toLocalFile().toStdString();
    if (commands::KindOfFile(path) != commands::FileKind::Other) paths.push_back(path);
  }
  return paths;
}
}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!OpenableFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = OpenableFiles(event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  OpenFiles(paths);
}

void MainWindow::OpenFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (HasUnsavedChanges(document_) &&
        platform::AskYesNo(Text("fileopen", "1"), Text("fileopen", "2"), platform::BoxIcon::Question, false) ==
            platform::BoxAnswer::No)
      return;
    commands::OpenFile(document_, path);
  }
}

bool MainWindow::CloseOtherWindows() {
  bool allClosed = true;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == this || !w->isVisible() || w->inherits("QMenu")) continue;
    if (!w->close()) allClosed = false;
  }
  return allClosed;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!quitConfirmed_ && !AskToQuit(document_)) {
    event->ignore();
    return;
  }
  quitConfirmed_ = false;
  // The help shows in the user's browser: there is no help window of ours to close.
  if (!CloseOtherWindows()) {
    // A window that refused to close keeps the program, and the rib, open.
    event->ignore();
    return;
  }
  platform::CurrentUserStore().Set(kWindowSection, kGeometryKey, saveGeometry().toBase64().toStdString());
  event->accept();
}

void MainWindow::CommitData(QSessionManager& manager) {
  // Logging out ends the program as surely as Exit: the same question, or no logout.
  const bool mayAsk = manager.allowsInteraction();
  if (!SessionMayEnd(document_, mayAsk)) {
    manager.cancel();
    return;
  }
  if (mayAsk) {
    manager.release();
    quitConfirmed_ = true;
  }
}

}  // namespace mainwindow
