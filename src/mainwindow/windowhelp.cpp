#include "mainwindow/windowhelp.h"

namespace mainwindow {

void ShowHelpTopic(int, QWidget*) {}

}  // namespace mainwindow
