// The menus and the tool bar: how they are built, their captions in the language in force
// and the recent-files entries.
#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

#include "commands/airfoilcommands.h"
#include "commands/keepwork.h"
#include "files/captions.h"
#include "files/settings.h"
#include "mainwindow/mainview.h"
#include "mainwindow/undohistory.h"
#include "platform/qt/qtsizedicon.h"
#include "platform/qt/qtstrings.h"
#include "platform/qt/qttranslations.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace mainwindow {

using platform::Text;

namespace {

using platform::Q;

// Whether the desktop set an icon theme. Without one (a bare X session, offscreen) Qt falls
// back to hicolor, which holds programs' icons and no actions.
bool IconThemeSet() {
  const QString theme = QIcon::themeName();
  return !theme.isEmpty() && theme != "hicolor";
}

// The style's icon for a tool bar button. Without an icon theme the style's icon is Qt's own
// images, `name`-SIDE.png, found only after reading hicolor's whole index: a fifth of the
// start-up under X. Those images are then taken by name, each decoded when a size needs it.
// A Qt without them gets the style's.
QIcon ToolbarIcon(const QStyle* style, QStyle::StandardPixmap pixmap, const char* name, std::initializer_list<int> sides) {
  if (!IconThemeSet()) {
    std::vector<platform::SizedIconFile> files;
    for (int side : sides) {
      const QString file = QString(":/qt-project.org/styles/commonstyle/images/%1-%2.png").arg(name).arg(side);
      if (!QFile::exists(file)) return style->standardIcon(pixmap);
      files.push_back({file, side});
    }
    return platform::IconFromSizedFiles(std::move(files));
  }
  return style->standardIcon(pixmap);
}

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
        {MenuItem::Entry, Command::CutKit, "Cut &kit..."},
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

void MainWindow::BuildMenus() {
  for (const MenuDef& def : Menus()) {
    QMenu* menu = menuBar()->addMenu(Q(def.caption));
    menu->setObjectName(def.name);
    if (std::string(def.name) == "mnuprofil") ribMenu_ = menu;
    // Only entries given a tip of their own show one (the greyed Washout angle).
    menu->setToolTipsVisible(true);
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
            if (commands::MayReplaceRib(document_))
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
  const QStyle* st = style();
  // Buttons 1 to 8: open project (2), save project (3), page set-up (5), print (7) between
  // separators. Index 0 is unused so indexes read as the tool bar's.
  const std::map<int, QIcon> icons = {
      {2, ToolbarIcon(st, QStyle::SP_DialogOpenButton, "standardbutton-open", {16, 32, 128})},
      {3, ToolbarIcon(st, QStyle::SP_DialogSaveButton, "standardbutton-save", {16, 32, 128})},
      {5, ToolbarIcon(st, QStyle::SP_FileDialogDetailedView, "viewdetailed", {16, 32, 128})},
      {7, IconThemeSet() ? QIcon::fromTheme("document-print", st->standardIcon(QStyle::SP_ComputerIcon))
                         : ToolbarIcon(st, QStyle::SP_ComputerIcon, "computer", {16})}};
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

void MainWindow::LoadCaptions() {
  platform::UseQtTranslations(Text(keys::LanguageCode));
  auto text = [](const files::TextKey& k) { return Q(Text(k)); };
  for (const files::ToolbarTip& tip : files::kToolbarTips)
    if (QAction* a = toolbarButtons_[static_cast<std::size_t>(tip.button)]) a->setToolTip(text(tip.tip));
  zoomList_->setToolTip(text(keys::ZoomListTip));
  Panel(3)->setText(Q(UnitPanelText(document_)));
  for (const files::CommandButtonTexts& def : files::kCommandButtons) {
    QToolButton* b = CommandButton(*CommandForControl(def.control));
    b->setText(text(def.caption));
    b->setToolTip(text(def.toolTip));
  }
  editMenu_->setTitle(Q(Text(keys::EditMenu)));
  history_->LoadCaptions();
  for (const files::MenuCaption& entry : files::kMenuCaptions) {
    const QString name = Q(std::string(entry.control));
    const QString caption = Q(files::MenuCaptionText(entry));
    if (QMenu* menu = menuBar()->findChild<QMenu*>(name)) menu->setTitle(caption);
    else if (std::optional<Command> command = CommandForControl(entry.control))
      if (QAction* a = Action(*command)) a->setText(caption);
  }
  // An entry that is always greyed says why when the pointer rests on it.
  if (QAction* washout = Action(Command::Washout)) washout->setToolTip(Q(Text(keys::BlockEntryTip)));
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

}  // namespace mainwindow
