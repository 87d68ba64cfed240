#pragma once
// The main window `frmmain`: the rib view `Pic` with its scroll bars, the tool bar with the
// zoom list and the six command buttons, the menus, the status bar.
#include <QImage>
#include <QMainWindow>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/airfoilprep.h"
#include "mainwindow/commands.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollBar;
class QSessionManager;
class QToolButton;

namespace mainwindow {

// The picture the rib is drawn on. It keeps what was drawn until it is cleared, like a
// picture box that redraws itself.
class PicView : public QWidget {
  Q_OBJECT
 public:
  explicit PicView(QWidget* parent = nullptr);
  // Clears to the cream background and sizes the surface to the widget.
  void Clear();
  QImage& Surface() { return surface_; }
  bool IsBlank() const { return blank_; }
  void MarkDrawn() { blank_ = false; update(); }

 signals:
  void rightClicked(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage surface_;
  bool blank_ = true;
};

class MainWindow : public QMainWindow, public core::ViewHooks, public AirfoilRoadView {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The load steps: settings, layout of the tool bar, zoom list, status bar, recent files
  // and the enabling of the commands.
  void Load();

  // Redraw of the rib (`affiche`) and the new-rib reset (`affclear`).
  void affiche();
  void affclear();
  // Redraw of the special views (comparison, thickness and camber, former).
  void RedrawOverlays();
  // Captions, tool tips and menu texts of the language in force.
  void LoadCaptions();
  // The recent-files entries of the File menu.
  void LoadRecentMenu();

  // core::ViewHooks
  void ResetScrollBars() override;
  void EnableAirfoilCommands() override;
  void Redraw() override { affiche(); }
  // AirfoilRoadView
  void SetCaption(const std::string& caption) override;
  void RecentFileOpened(const std::string& path) override;

  // Commands by control name (menu entries and command buttons; the tool-bar buttons
  // run their menu entry's command).
  QAction* Action(const std::string& name) const;
  QToolButton* CommandButton(const std::string& name) const;
  // Runs a command as its menu entry, button or tool-bar button would.
  void Run(const std::string& name);
  void SetCommandEnabled(const std::string& name, bool enabled);
  bool IsCommandEnabled(const std::string& name) const;
  // What another window (a later feature dialog) installs for its command.
  void SetCommand(const std::string& name, std::function<void()> command);

  // How many times the rib was drawn on the picture.
  int DrawCount() const { return drawCount_; }
  QComboBox* Combo1() const { return combo1_; }
  QScrollBar* Hsbpic() const { return hsbpic_; }
  QScrollBar* Vsbpic() const { return vsbpic_; }
  PicView* Pic() const { return pic_; }
  QLabel* Panel(int index) const;  // 1 to 3
  QMenu* RibMenu() const { return mnuprofil_; }
  QAction* RecentEntry(int index) const { return mru_[static_cast<std::size_t>(index)]; }
  QAction* ToolbarButton(int index) const { return toolbarButtons_[static_cast<std::size_t>(index)]; }

  // Shows the numeric input window for an inputKind and redraws unless it was cancelled.
  void ShowInput(const std::string& inputKind);
  // Opens an airfoil through the open window.
  void OpenAirfoil();
  // Asks the exit question when a session logout would end the program.
  void CommitData(QSessionManager& manager);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildView();
  void WireCommands();
  void ApplyEnabled(const std::string& name);
  void SetChecked(const std::string& name, bool checked);
  void Combo1_Click();
  void Hsbpic_Change(int value);
  void Vsbpic_Change(int position);
  void UpdateScrollRanges();
  // Closes every other window; false when one of them refused.
  bool CloseOtherWindows();
  void ToggleDisplay(const std::string& name);

  PicView* pic_ = nullptr;
  QScrollBar* hsbpic_ = nullptr;
  QScrollBar* vsbpic_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QMenu* mnuprofil_ = nullptr;
  QLabel* panels_[3] = {nullptr, nullptr, nullptr};
  std::vector<QAction*> toolbarButtons_;  // index 1.. as the tool bar's buttons
  std::vector<QAction*> mru_;
  QAction* mruBar_ = nullptr;
  std::map<std::string, QAction*> actions_;
  std::map<std::string, QToolButton*> buttons_;
  std::map<std::string, std::function<void()>> commands_;
  std::map<std::string, bool> ruleEnabled_;
  int drawCount_ = 0;
  bool showingDepthMessage_ = false;
  bool quitConfirmed_ = false;
};

}  // namespace mainwindow
