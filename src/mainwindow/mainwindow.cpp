#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "core/caption.h"
#include "features/frminput.h"
#include "features/inputsettings.h"
#include "files/captions.h"
#include "files/projectfile.h"
#include "files/settings.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/frmopen.h"
#include "mainwindow/langwindow.h"
#include "mainwindow/mainview.h"
#include "mainwindow/startup.h"
#include "mainwindow/viewdrawing.h"
#include "output/dxfcommand.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qttranslations.h"
#include "platform/texts.h"
#include "settingsdialogs/kaldrexoffer.h"

namespace mainwindow {

using platform::Text;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The cream of the picture, &HEFFFFF: red 255, green 255, blue 239.
const QColor kPicBackground(255, 255, 239);

struct MenuItem {
  const char* name;     // control name; "-" for a separator
  const char* caption;  // design caption, shown until the language's captions replace it
};

struct MenuDef {
  const char* name;
  const char* caption;
  std::vector<MenuItem> items;
};

const std::vector<MenuDef>& Menus() {
  static const std::vector<MenuDef> menus = {
      {"mnu_file", "&File",
       {{"mnu_fileopen", "&Open Rib components..."},
        {"mnu_fileprofilopen", "Open Airfoil &file..."},
        {"mnu_filesaveas", "Save &as Rib components..."},
        {"-", ""},
        {"mnu_filedxf", "&Export as DXF file"},
        {"-", ""},
        {"mnu_filepage", "Page &Setup"},
        {"mnu_fileprinterconfig", "Pr&inter Setup..."},
        {"mnu_fileprintpreview", "Print Pre&view..."},
        {"mnu_fileprint", "&Print..."},
        {"mnuFileBar6", ""},
        {"-", ""},
        {"mnu_fileexit", "E&xit"}}},
      {"mnu_aff", "&View",
       {{"mnu_affinver", "&Invert Airfoil"},
        {"-", ""},
        {"mnu_affdefaut", "&Template defaults..."},
        {"mnu_affcouleur", "&Print colors..."},
        {"-", ""},
        {"mnu_affhautba", "&Leading Edge thickness"},
        {"mnu_affhautbf", "&Trailing Edge thickness"},
        {"mnu_affepr", "&Chord thickness"},
        {"mnu_affInstxt", "Ins&ert text"},
        {"mnu_affTrac", "&Show the sheeting lines"},
        {"-", ""},
        {"mnu_affclear", "Clear all &Data"},
        {"-", ""},
        {"mnu_affLang", "Language"}}},
      {"mnuprofil", "&Rib",
       {{"mnu_profilcorde", "&Chord length..."},
        {"mnu_profilepcoffrage", "&Sheeting thickness..."},
        {"mnu_profilba", "&Leading Edge width..."},
        {"mnu_profillongeron", "Sp&ars setup..."},
        {"mnu_profiltrou", "&Holes setup..."},
        {"mnu_profilbf", "&Trailing Edge width..."},
        {"-", ""},
        {"mnu_profilTalon", "&Rib levelling heel"}}},
      {"mnu_param", "&Layout Foam",
       {{"mnu_paramrep", "&Station lines..."},
        {"mnu_parambloc", "&Template..."},
        {"mnu_paramvril", "&Washout angle..."}}},
      {"mnu_outil", "&Utilities",
       {{"mnu_OutilCompare", "Compare 2 &Airfoils..."},
        {"mnu_outilnervinter", "Compute &set of ribs..."},
        {"mnu_outilevolut", "&Generate full set of ribs..."},
        {"mnu_outilevolut2", "Generate set of ribs with &intermediate ribs..."},
        {"mnu_outilEpCourb", "&Modify Airfoil Thickness/Camber..."},
        {"-", ""},
        {"mnu_outilAngle", "&Rib oblique"},
        {"mnu_outilInclinaison", "Rib &inclined"},
        {"mnu_OutlilDiedre", "Compute the &dihedral..."},
        {"-", ""},
        {"mnu_Outilcoord", "&Create new coordinates..."},
        {"mnu_Outilcoupl", "&Former"},
        {"-", ""},
        {"mnu_calc", "Calc"}}},
      {"mnu_help", "&Help",
       {{"mnu_helpsearch", "&Help Topics..."},
        {"-", ""},
        {"mnu_helpAbout", "&About Vandrell..."},
        {"mnu_helpVersion", "Check version"},
        {"mnu_helpConfig", "&Make Airfoils subdirectories..."}}},
  };
  return menus;
}

// The leading-edge sub-menu.
const std::vector<MenuItem>& LeadingEdgeItems() {
  static const std::vector<MenuItem> items = {{"mnu_profilbaD", "Stock..."},
                                              {"mnu_profilbaC", "V-notch square..."}};
  return items;
}


// What opening a project asks of the main window.
class ProjectWindowOf : public files::ProjectWindow {
 public:
  explicit ProjectWindowOf(MainWindow& window) : window_(window) {}
  void NewRib(core::SharedState&) override { window_.affclear(); }
  void ClearView() override { window_.Pic()->Clear(); }
  void SetBusy(bool busy) override { platform::CurrentDesktop().SetBusy(busy); }
  void SetCaption(const std::string& caption) override { window_.SetCaption(caption); }

 private:
  MainWindow& window_;
};

}  // namespace

// ---------------------------------------------------------------------------------------
PicView::PicView(QWidget* parent) : QWidget(parent) {
  setObjectName("Pic");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(50, 50);
}

void PicView::Clear() {
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

void PicView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPicBackground);
  if (!surface_.isNull()) painter.drawImage(0, 0, surface_);
}

void PicView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) emit rightClicked(event->globalPosition().toPoint());
  QWidget::mousePressEvent(event);
}

// ---------------------------------------------------------------------------------------
MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmmain");
  setWindowTitle(platform::kProgramTitle);
  BuildMenus();
  BuildToolBar();
  BuildView();
  WireCommands();
  core::SetViewHooks(this);
  resize(1000, 700);
}

MainWindow::~MainWindow() {
  if (core::CurrentViewHooks() == this) core::SetViewHooks(nullptr);
}

void MainWindow::BuildMenus() {
  for (const MenuDef& def : Menus()) {
    QMenu* menu = menuBar()->addMenu(Q(def.caption));
    menu->setObjectName(def.name);
    if (std::string(def.name) == "mnuprofil") mnuprofil_ = menu;
    for (const MenuItem& item : def.items) {
      const std::string name = item.name;
      if (name == "-") {
        menu->addSeparator();
        continue;
      }
      if (name == "mnuFileBar6") {
        mruBar_ = menu->addSeparator();
        mruBar_->setObjectName("mnuFileBar6");
        mruBar_->setVisible(false);
        for (int i = 0; i < 4; ++i) {
          QAction* entry = menu->addAction(QString());
          entry->setObjectName(QString("mnuFileMRU%1").arg(i));
          entry->setVisible(false);
          connect(entry, &QAction::triggered, this, [this, entry] {
            OpenRecentAirfoil(core::App(), entry->data().toString().toStdString(), *this);
          });
          mru_.push_back(entry);
        }
        continue;
      }
      if (name == "mnu_profilba") {
        QMenu* sub = menu->addMenu(Q(item.caption));
        sub->setObjectName("mnu_profilba");
        actions_[name] = sub->menuAction();
        for (const MenuItem& subItem : LeadingEdgeItems()) {
          QAction* a = sub->addAction(Q(subItem.caption));
          a->setObjectName(subItem.name);
          actions_[subItem.name] = a;
          connect(a, &QAction::triggered, this, [this, n = std::string(subItem.name)] { Run(n); });
        }
        continue;
      }
      QAction* a = menu->addAction(Q(item.caption));
      a->setObjectName(Q(name));
      actions_[name] = a;
      const auto& toggles = DisplayToggles();
      if (std::find(toggles.begin(), toggles.end(), name) != toggles.end()) {
        // The menu has flipped the check mark already.
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, name] { ToggleDisplay(name); });
      } else {
        connect(a, &QAction::triggered, this, [this, name] { Run(name); });
      }
    }
  }
  actions_["mnu_affTrac"]->setChecked(true);
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
    const std::string command(tip.command);
    QAction* a = command.empty() ? bar->addSeparator() : bar->addAction(icons.at(tip.button), QString());
    a->setObjectName(QString("Toolbar1_%1").arg(tip.button));
    toolbarButtons_[static_cast<std::size_t>(tip.button)] = a;
    if (!command.empty()) connect(a, &QAction::triggered, this, [this, command] { Run(command); });
  }

  combo1_ = new QComboBox(bar);
  combo1_->setObjectName("Combo1");
  combo1_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  bar->addWidget(combo1_);
  bar->addSeparator();
  for (const files::CommandButtonTexts& def : files::kCommandButtons) {
    const std::string name(def.control);
    auto* button = new QToolButton(bar);
    button->setObjectName(Q(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(false);
    bar->addWidget(button);
    buttons_[name] = button;
    connect(button, &QToolButton::clicked, this, [this, name] { Run(name); });
  }
}

void MainWindow::BuildView() {
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  pic_ = new PicView(central);
  hsbpic_ = new QScrollBar(Qt::Horizontal, central);
  hsbpic_->setObjectName("Hsbpic");
  vsbpic_ = new QScrollBar(Qt::Vertical, central);
  vsbpic_->setObjectName("Vsbpic");
  hsbpic_->setRange(0, 0);
  vsbpic_->setRange(0, 0);
  grid->addWidget(pic_, 0, 0);
  grid->addWidget(vsbpic_, 0, 1);
  grid->addWidget(hsbpic_, 1, 0);
  setCentralWidget(central);

  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QString("StatusBarPanel%1").arg(i + 1));
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  statusBar()->addWidget(panels_[0]);
  statusBar()->addWidget(panels_[1], 1);
  statusBar()->addWidget(panels_[2]);

  connect(hsbpic_, &QScrollBar::valueChanged, this, &MainWindow::Hsbpic_Change);
  connect(vsbpic_, &QScrollBar::valueChanged, this, &MainWindow::Vsbpic_Change);
  connect(combo1_, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  connect(pic_, &PicView::rightClicked, this, [this](const QPoint& at) { mnuprofil_->popup(at); });
}

QLabel* MainWindow::Panel(int index) const { return panels_[index - 1]; }

QAction* MainWindow::Action(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QToolButton* MainWindow::CommandButton(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::SetCommand(const std::string& name, std::function<void()> command) {
  commands_[name] = std::move(command);
  ApplyEnabled(name);
}

void MainWindow::Run(const std::string& name) {
  if (!IsCommandEnabled(name)) return;
  auto it = commands_.find(name);
  if (it != commands_.end() && it->second) it->second();
}

void MainWindow::SetCommandEnabled(const std::string& name, bool enabled) {
  ruleEnabled_[name] = enabled;
  ApplyEnabled(name);
}

bool MainWindow::IsCommandEnabled(const std::string& name) const {
  auto rule = ruleEnabled_.find(name);
  if (rule != ruleEnabled_.end() && !rule->second) return false;
  if (name == "mnu_profilba") return true;  // the sub-menu itself
  auto it = commands_.find(name);
  return it != commands_.end() && it->second;
}

void MainWindow::ApplyEnabled(const std::string& name) {
  const bool enabled = IsCommandEnabled(name);
  if (QAction* a = Action(name)) a->setEnabled(enabled);
  if (QToolButton* b = CommandButton(name)) b->setEnabled(enabled);
  // A tool-bar button follows the menu entry whose command it runs.
  for (const files::ToolbarTip& tip : files::kToolbarTips)
    if (tip.command == name) toolbarButtons_[static_cast<std::size_t>(tip.button)]->setEnabled(enabled);
}

void MainWindow::SetChecked(const std::string& name, bool checked) {
  if (QAction* a = Action(name)) a->setChecked(checked);
}

void MainWindow::WireCommands() {
  core::SharedState& s = core::App();
  auto set = [this](const char* name, std::function<void()> f) { commands_[name] = std::move(f); };
  set("mnu_fileopen", [this, &s] {
    if (s.airfoilLoaded && platform::AskYesNo(Text("fileopen", "1"), Text("fileopen", "2"),
                                              platform::BoxIcon::Question, false) == platform::BoxAnswer::No)
      return;
    ProjectWindowOf projectWindow(*this);
    files::NewVdl(s, projectWindow);
  });
  set("mnu_filesaveas", [&s] {
    std::string path;
    if (!platform::CurrentFileDialogs().Save(files::SaveProjectRequest(s), path)) return;
    files::SaveProjectAs(s, path);
  });
  set("mnu_filedxf", [&s] { output::DxfCommand(s); });
  set("mnu_fileprofilopen", [this] { OpenAirfoil(); });
  set("cmdprofil", [this] { OpenAirfoil(); });
  set("mnu_fileprinterconfig", [] { platform::CurrentDesktop().PrinterSetup(); });
  set("mnu_fileexit", [this] { close(); });
  for (const std::string& name : DisplayToggles())
    set(name.c_str(), [this, name] {
      Action(name)->setChecked(!Action(name)->isChecked());
      ToggleDisplay(name);
    });
  set("mnu_affclear", [this, &s] {
    if (ConfirmNewRib(s)) affclear();
  });
  set("mnu_affLang", [this] {
    LangWindow lang(this, [this] {
      LoadCaptions();
      RedrawOverlays();
      affiche();
    });
    lang.exec();
  });
  set("mnu_profilcorde", [this] { ShowInput(features::kInputChord); });
  set("cmdcorde", [this] { ShowInput(features::kInputChord); });
  set("mnu_profilepcoffrage", [this] { ShowInput(features::kInputSheeting); });
  set("mnu_profilbaD", [this] { ShowInput(features::kInputLeadingEdge); });
  set("mnu_profilbf", [this] { ShowInput(features::kInputTrailingEdge); });
  set("cmdbf", [this] { ShowInput(features::kInputTrailingEdge); });
  set("mnu_paramrep", [this] { ShowInput(features::kInputMarks); });
  set("cmdba", [this, &s] { Run(s.leadingEdgeStyle != 0 ? "mnu_profilbaD" : "mnu_profilbaC"); });
  set("mnu_calc", [] { StartCalculator(); });
  set("mnu_helpsearch", [this] { platform::ShowHelpTopic(platform::kTopicMain); });
  set("mnu_helpAbout", [this] {
    AboutBox about(this);
    about.exec();
  });
  set("mnu_helpVersion", [] { platform::CurrentDesktop().OpenWebPage(kVersionPageUrl); });
  set("mnu_helpConfig", [] { settingsdialogs::installationKaldrex(core::App()); });
  for (const auto& [name, action] : actions_) ApplyEnabled(name);
  for (const auto& [name, button] : buttons_) ApplyEnabled(name);
}

void MainWindow::ToggleDisplay(const std::string& name) {
  core::SharedState& s = core::App();
  const bool on = Action(name)->isChecked();
  if (name == "mnu_affinver") s.inverted = on;
  else if (name == "mnu_affTrac") s.traceShown = on;
  else if (name == "mnu_affepr") s.showThickness = on;
  else if (name == "mnu_affhautba") s.showLeHeight = on;
  else if (name == "mnu_affhautbf") s.showTeHeight = on;
  if (name == "mnu_affinver" && s.formerShown) RedrawOverlays();
  affiche();
}

void MainWindow::LoadCaptions() {
  platform::UseQtTranslations(Text("LANGUAGE", "Code"));
  auto text = [](const files::TextKey& k) { return Q(Text(k.section, k.key)); };
  for (const files::ToolbarTip& tip : files::kToolbarTips)
    if (QAction* a = toolbarButtons_[static_cast<std::size_t>(tip.button)]) a->setToolTip(text(tip.tip));
  combo1_->setToolTip(text(files::kZoomListTip));
  for (const files::CommandButtonTexts& def : files::kCommandButtons) {
    QToolButton* b = buttons_[std::string(def.control)];
    b->setText(text(def.caption));
    b->setToolTip(text(def.toolTip));
  }
  for (const files::MenuCaption& entry : files::kMenuCaptions) {
    const QString name = Q(std::string(entry.control));
    const QString caption = Q(files::MenuCaptionText(entry));
    if (QMenu* menu = menuBar()->findChild<QMenu*>(name)) menu->setTitle(caption);
    else if (QAction* a = Action(std::string(entry.control))) a->setText(caption);
  }
}

void MainWindow::LoadRecentMenu() {
  const std::vector<std::string> entries = files::RecentFileList(core::App());
  for (std::size_t i = 0; i < mru_.size(); ++i) {
    if (i < entries.size()) {
      QString path = Q(entries[i]);
      mru_[i]->setData(path);
      mru_[i]->setText(QString(path).replace("&", "&&"));
      mru_[i]->setVisible(true);
    }
  }
  mruBar_->setVisible(!entries.empty());
}

void MainWindow::Load() {
  core::SharedState& s = core::App();
  s.projectModified = false;
  s.traceShown = true;
  platform::CurrentDesktop().SetBusy(false);
  s.unitText = " mm";
  files::StartSettings(s);
  Panel(3)->setText(Q(UnitPanelText(s)));
  {
    QSignalBlocker block(combo1_);
    combo1_->clear();
    for (const std::string& entry : ZoomEntries()) combo1_->addItem(Q(entry));
  }
  combo1_->setCurrentIndex(kZoomDefaultIndex);
  Combo1_Click();
  Panel(1)->setText(Q(VersionPanelText(s)));
  Panel(2)->clear();
  LoadRecentMenu();
  for (const std::string& name : AirfoilCommands()) SetCommandEnabled(name, s.airfoilLoaded);
}

// ---------------------------------------------------------------------------------------
void MainWindow::affiche() {
  core::SharedState& s = core::App();
  if (s.compareShown || s.epCourbShown || s.formerShown || !s.airfoilLoaded) return;
  s.chordTwips = s.chord * 56.7f * s.zoom;
  if (s.trailingEdgeDepth + s.leadingEdgeDepth > s.chord) {
    // A redraw while the box is up (a resize behind it) must not stack another box.
    if (showingDepthMessage_) return;
    showingDepthMessage_ = true;
    platform::Inform(Text("FrmMainMessage", "13"), Text("FrmMainMessage", "14"), platform::BoxIcon::Exclamation);
    showingDepthMessage_ = false;
    return;
  }
  UpdateScrollRanges();
  pic_->Clear();
  // A rib without a chord has nothing to draw, and the trace divides by the chord.
  if (s.chord > 0) {
    PaintRib(s, pic_->Surface());
    pic_->MarkDrawn();
    ++drawCount_;
  }
  Panel(1)->setText(Q(VersionPanelText(s)));
  Panel(2)->setText(Q(AirfoilPanelText(s, Text("MainTolbar", "11"), Text("MainTolbar", "13"))));
}

void MainWindow::RedrawOverlays() {
  // The comparison, thickness-and-camber and former views draw here once they exist.
}

void MainWindow::UpdateScrollRanges() {
  core::SharedState& s = core::App();
  const double twipsPerPixel = 1440.0 / pic_->logicalDpiX();
  const ScrollRanges r = ScrollRangesFor(s, pic_->width() * twipsPerPixel, pic_->height() * twipsPerPixel);
  QSignalBlocker h(hsbpic_);
  QSignalBlocker v(vsbpic_);
  hsbpic_->setRange(r.horizontal.minimum, r.horizontal.maximum);
  hsbpic_->setPageStep(r.horizontal.pageStep);
  vsbpic_->setRange(r.vertical.minimum, r.vertical.maximum);
  vsbpic_->setPageStep(r.vertical.pageStep);
  // A smaller range may have moved a bar's value.
  s.hScroll = static_cast<std::int16_t>(-hsbpic_->value());
  s.vScroll = static_cast<std::int16_t>(vsbpic_->value());
}

void MainWindow::ResetScrollBars() {
  QSignalBlocker h(hsbpic_);
  QSignalBlocker v(vsbpic_);
  hsbpic_->setValue(0);
  vsbpic_->setValue(0);
  core::App().hScroll = 0;
  core::App().vScroll = 0;
}

void MainWindow::Combo1_Click() {
  core::SharedState& s = core::App();
  if (combo1_->currentIndex() < 0) return;
  s.zoom = ZoomFromEntry(combo1_->currentText().toStdString());
  ResetScrollBars();
  RedrawOverlays();
  affiche();
}

void MainWindow::Hsbpic_Change(int value) {
  core::App().hScroll = static_cast<std::int16_t>(-value);
  RedrawOverlays();
  affiche();
}

void MainWindow::Vsbpic_Change(int position) {
  // The bar counts down as its thumb goes down (see ScrollRanges).
  const int value = -position;
  core::App().vScroll = static_cast<std::int16_t>(-value);
  RedrawOverlays();
  affiche();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  RedrawOverlays();
  affiche();
}

void MainWindow::EnableAirfoilCommands() {
  for (const std::string& name : AirfoilCommands()) SetCommandEnabled(name, true);
}

void MainWindow::SetCaption(const std::string& caption) { setWindowTitle(Q(caption)); }

void MainWindow::RecentFileOpened(const std::string& path) {
  files::AddRecentFile(core::App(), path);
  LoadRecentMenu();
}

// ---------------------------------------------------------------------------------------
void MainWindow::affclear() {
  core::SharedState& s = core::App();
  s.projectSaved = false;
  CloseOtherWindows();
  ClearRibState(s);  // reads the rib defaults again
  {
    QSignalBlocker h(hsbpic_);
    QSignalBlocker v(vsbpic_);
    hsbpic_->setValue(0);
    vsbpic_->setValue(0);
  }
  for (const std::string& name : AirfoilCommands()) SetCommandEnabled(name, false);
  for (const std::string& name : NewRibEnables()) SetCommandEnabled(name, true);
  for (const std::string& name : DisplayToggles()) SetChecked(name, name == "mnu_affTrac");
  files::CheckAirfoilDirectories(s);
  Panel(2)->clear();
  setWindowTitle(platform::kProgramTitle);
  pic_->Clear();
  if (combo1_->currentIndex() == kZoomDefaultIndex)
    Combo1_Click();
  else
    combo1_->setCurrentIndex(kZoomDefaultIndex);
}

void MainWindow::ShowInput(const std::string& inputKind) {
  core::SharedState& s = core::App();
  s.inputKind = inputKind;
  features::FrmInput input(this);
  input.exec();
  if (s.dialogCancelled) return;
  if (inputKind == features::kInputChord) {
    // The caption names the chord.
    core::RecomposeCaption(s);
    RedrawOverlays();
  }
  affiche();
}

void MainWindow::OpenAirfoil() {
  core::SharedState& s = core::App();
  s.memorizeAsFirst = false;
  s.formerShown = false;
  s.dialogCancelled = false;
  FrmOpen open(this, Text("frmopen", "1"), false);
  open.exec();
  if (s.dialogCancelled || !open.Accepted()) return;
  InstallOpenedAirfoil(s, open.ChosenPath(), open.TakeData(), *this);
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
  core::SharedState& s = core::App();
  s.dialogCancelled = false;
  if (!quitConfirmed_ && !AskToQuit(s)) {
    event->ignore();
    return;
  }
  quitConfirmed_ = false;
  // The help shows in the user's browser: there is no help window of ours to close.
  if (!CloseOtherWindows() || s.dialogCancelled) {
    // A window that refused to close keeps the program, and the rib, open.
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindow::CommitData(QSessionManager& manager) {
  // Logging out ends the program as surely as Exit: the same question, or no logout.
  const bool mayAsk = manager.allowsInteraction();
  if (!SessionMayEnd(core::App(), mayAsk)) {
    manager.cancel();
    return;
  }
  if (mayAsk) {
    manager.release();
    quitConfirmed_ = true;
  }
}

}  // namespace mainwindow
