#include <clocale>
#include <string>
#include <vector>

#include "mainwindow/guardedapplication.h"
#include "mainwindow/startup.h"

int main(int argc, char** argv) {
  mainwindow::GuardedApplication app(argc, argv);
  // Numbers are always read and written with "." whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  // `vandrell FILE…`: airfoils and projects to open once the window is up.
  std::vector<std::string> files;
  for (const QString& argument : app.arguments().mid(1))
    if (!argument.startsWith('-')) files.push_back(argument.toStdString());
  // What escapes the start itself (no window yet to go on with) is told, then the program ends.
  try {
    return mainwindow::RunProgram(app, argc > 0 ? argv[0] : "vandrell", files);
  } catch (...) {
    mainwindow::ReportUnexpectedError();
    return 1;
  }
}
