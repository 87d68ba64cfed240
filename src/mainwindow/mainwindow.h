#pragma once
// The main window: the rib view with its scroll bars, the tool bar with the zoom list and
// the six command buttons, the menus, the status bar. It receives the one document when it
// is made and redraws whenever the document announces a change.
#include <QImage>
#include <QMainWindow>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/printcommand.h"
#include "core/changes.h"
#include "core/ribdocument.h"
#include "core/viewgeometry.h"
#include "platform/drawtarget.h"
#include "ribwindows/inputsettings.h"
#include "mainwindow/menurules.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollBar;
class QSessionManager;
class QToolButton;

namespace mainwindow {

class UndoHistory;
class WrittenNotice;

// The picture the rib is drawn on. It keeps what was drawn until it is cleared.
class RibView : public QWidget {
  Q_OBJECT
 public:
  explicit RibView(QWidget* parent = nullptr);
  // Clears to the cream background and sizes the surface to the widget.
  void Clear();
  QImage& Surface() { return surface_; }
  bool IsBlank() const { return blank_; }
  void MarkDrawn() { blank_ = false; update(); }

 signals:
  void rightClicked(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QImage surface_;
  bool blank_ = true;
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(core::RibDocument& document, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The load steps: settings, layout of the tool bar, zoom list, status bar, recent files
  // and the enabling of the commands.
  void Load();

  // Draws the rib, or the special views that are active, at the document's zoom and scroll.
  void Redraw();
  // Captions, tool tips and menu texts of the language in force.
  void LoadCaptions();
  // The recent-files entries of the File menu.
  void LoadRecentMenu();

  // The views that draw instead of the rib while their flag is set in the document's view
  // state; a redraw draws every active one in this order. A view draws on any target (the
  // main view, a printer page, a PDF) at the placement it is given.
  enum class SpecialView { Comparison, ThicknessCamber, Former };
  using SpecialDrawing = std::function<void(platform::DrawTarget& target, const core::ViewPlacement& at)>;
  void SetSpecialView(SpecialView view, SpecialDrawing drawing);
  // The two airfoils of the comparison view, which the print question names.
  void SetComparedAirfoils(std::string first, std::string second);
  // What printing draws: the active special views at the sheet's placement, else the rib.
  commands::PrintRequest PrintRequestForView() const;

  QAction* Action(Command command) const;
  // Edit > Undo and Redo over the rib set-up.
  UndoHistory& History() const { return *history_; }
  QToolButton* CommandButton(Command command) const;
  // Runs a command as its menu entry, button or tool-bar button would.
  void Run(Command command);
  void SetCommandEnabled(Command command, bool enabled);
  bool IsCommandEnabled(Command command) const;
  // What another window installs for its command (entries without one stay disabled).
  void SetCommand(Command command, std::function<void()> run);

  // How many times the rib was drawn on the picture.
  int DrawCount() const { return drawCount_; }
  QComboBox* ZoomList() const { return zoomList_; }
  QScrollBar* HorizontalScrollBar() const { return hScroll_; }
  QScrollBar* VerticalScrollBar() const { return vScroll_; }
  RibView* View() const { return view_; }
  QLabel* Panel(int index) const;  // 1 to 3
  // What makes no sensible rib of the values stored, in plain words; empty when all is well.
  QLabel* WarningPanel() const { return warningPanel_; }
  QMenu* RibMenu() const { return ribMenu_; }
  QAction* RecentEntry(int index) const { return recentEntries_[static_cast<std::size_t>(index)]; }
  QAction* ToolbarButton(int index) const { return toolbarButtons_[static_cast<std::size_t>(index)]; }

  // Shows the input window for one of the rib's dimensions.
  void ShowInput(ribwindows::InputKind kind);
  // Opens an airfoil through the open window.
  void OpenAirfoil();
  // Opens airfoil and project files given on the command line or dropped on the window,
  // asking first when that would lose changes to the rib; the last one that opens stays.
  void OpenFiles(const std::vector<std::string>& paths);
  // Asks the exit question when a session logout would end the program.
  void CommitData(QSessionManager& manager);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The view's wheel (scroll; Ctrl zooms about the pointer) and middle-button panning.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Size, place and maximised state as the user left them, within the screen's room.
  void PlaceOnScreen();
  void KeepWithinScreen();
  void BuildMenus();
  void BuildToolBar();
  void BuildEditMenu();
  void BuildView();
  void WireCommands();
  void WireFileAndViewCommands();
  void WireRibCommands();
  void WireHelpAndSettings();
  void WireSeriesTools();
  // The airfoil tools of the Utilities menu and the special views' drawings.
  void WireAirfoilTools();
  void DocumentChanged(core::Changes what);
  // The window's side of a new rib: other windows closed, commands and check marks as at
  // start, the view cleared and back at 100 %.
  void ReturnToNewRib();
  // The display menu's check marks show the document's flags: they are one thing.
  void ShowDisplayFlags();
  void ApplyEnabled(Command command);
  void SetChecked(Command command, bool checked);
  void ZoomChosen();
  // A zoom of any size (the list gets an entry of the user's own) with the scroll values to
  // show it at.
  // Announces the new view unless the caller redraws anyway.
  void SetZoom(double zoom, int hScroll, int vScroll, bool announce = true);
  // The next zoom of the list in (-1) or out (+1), keeping the point `about` of the view.
  void StepZoom(int direction, const QPoint& about);
  void FitInView(bool announce = true);
  void PanBy(const QPoint& pixels);
  void UpdateScrollRangesKeepingValues();
  void HorizontalScrolled(int value);
  void VerticalScrolled(int position);
  void UpdateScrollRanges();
  void ResetScrollBars();
  // Closes every other window; false when one of them refused.
  bool CloseOtherWindows();
  void ToggleDisplay(Command command);
  // File > Page Setup; true when the user pressed OK.
  bool ShowPageSetup();
  void PrintView();
  void PreviewPrint();

  core::RibDocument& document_;
  core::ChangeChannel::Subscription subscription_;
  RibView* view_ = nullptr;
  QScrollBar* hScroll_ = nullptr;
  QScrollBar* vScroll_ = nullptr;
  QComboBox* zoomList_ = nullptr;
  QMenu* ribMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  UndoHistory* history_ = nullptr;
  QLabel* panels_[3] = {nullptr, nullptr, nullptr};
  QLabel* warningPanel_ = nullptr;
  WrittenNotice* writtenNotice_ = nullptr;
  std::vector<QAction*> toolbarButtons_;  // index 1.. as the tool bar's buttons
  std::vector<QAction*> recentEntries_;
  QAction* recentSeparator_ = nullptr;
  std::map<Command, QAction*> actions_;
  std::map<Command, QToolButton*> buttons_;
  std::map<Command, std::function<void()>> commands_;
  std::map<Command, bool> ruleEnabled_;
  std::map<SpecialView, SpecialDrawing> specialViews_;
  std::vector<std::string> comparedAirfoils_;
  int drawCount_ = 0;
  std::array<float, 3> refusedEdges_{};  // leading edge, trailing edge, chord last refused
  bool quitConfirmed_ = false;
  bool panning_ = false;
  QPoint panFrom_;
  QPointF panRest_;
};

}  // namespace mainwindow
