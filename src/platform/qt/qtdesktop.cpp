#include "platform/qt/qtdesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

namespace platform {

QPrinter& SharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

bool QtDesktop::StartCalculator() {
  const char* path = std::getenv("PATH");
  std::string program = FindFirstProgram(CalculatorPrograms(), path ? path : "");
  if (program.empty()) return false;
  return QProcess::startDetached(QString::fromStdString(program), {});
}

bool QtDesktop::StartProgram(const std::string& path, const std::string& workingDir) {
  return QProcess::startDetached(QString::fromStdString(path), {}, QString::fromStdString(workingDir));
}

bool QtDesktop::OpenWebPage(const std::string& url) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void QtDesktop::PrinterSetup() {
  // The paper and printer set-up, not a print: it says OK, not Print.
  QPageSetupDialog dialog(&SharedPrinter(), QApplication::activeWindow());
  dialog.exec();
}

void QtDesktop::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

char QtDesktop::DecimalMark() const {
  QString mark = QLocale::system().decimalPoint();
  return mark.isEmpty() ? '.' : mark.at(0).toLatin1();
}

}  // namespace platform
