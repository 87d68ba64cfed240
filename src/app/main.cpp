#include <QApplication>
#include <clocale>

#include "mainwindow/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Numbers are always read and written with "." whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  return mainwindow::RunProgram(app, argc > 0 ? argv[0] : "vandrell");
}
