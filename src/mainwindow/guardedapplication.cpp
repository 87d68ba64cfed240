#include "mainwindow/guardedapplication.h"

#include "platform/errorreport.h"

namespace mainwindow {

void ReportUnexpectedError() {
  static bool reporting = false;
  const platform::ErrorInfo error = platform::CurrentExceptionError();
  if (reporting) return;
  reporting = true;
  try {
    platform::ReportGeneralError(kUnexpectedErrorTag, error);
  } catch (...) {
    // Nothing more can be said: the event is dropped and the program goes on.
  }
  reporting = false;
}

}  // namespace mainwindow
