#pragma once
// The help file opened at a topic from a window's Help button or the Help menu.
class QWidget;

namespace mainwindow {

void ShowHelpTopic(int topic, QWidget* owner);

}  // namespace mainwindow
