#pragma once
// The window program's application object. An exception that escapes an event handler
// (a command, a window, a redraw) ends in the general error report; the program goes on
// with the rib it had instead of ending.
#include <QApplication>

namespace mainwindow {

// Tag of the general error report for what no command caught.
inline constexpr const char* kUnexpectedErrorTag = " Main/Event";

// Inside a catch block: the general error report of the exception being handled. While
// one such report is on screen, further ones are not shown (a redraw that throws would
// otherwise pile up boxes without end).
void ReportUnexpectedError();

// Runs `deliver`; whatever it throws is reported and counts as an event not handled.
template <class Deliver>
bool DeliverGuarded(Deliver&& deliver) {
  try {
    return deliver();
  } catch (...) {
    ReportUnexpectedError();
    return false;
  }
}

class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override {
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
  }
};

}  // namespace mainwindow
