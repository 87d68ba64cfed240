#include "mainwindow/mainwindow.h"

namespace mainwindow {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle("Vandrell");
  resize(1000, 700);
}

}  // namespace mainwindow
