#pragma once
#include <QMainWindow>

namespace mainwindow {

// The main window `frmmain`: the rib view, its tool bar, menus and status bar.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace mainwindow
