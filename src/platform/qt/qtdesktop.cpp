#include "platform/qt/qtdesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLocale>
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

#include "platform/texts.h"

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
  // The choice of the printer (or a PDF file) and its paper, not a print: it says OK, not
  // Print. What is chosen stays with the shared printer for every print that follows.
  QPrintDialog dialog(&SharedPrinter(), QApplication::activeWindow());
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  QString title = QString::fromStdString(Text("MenuFile", "7")).remove('&');
  while (title.endsWith('.')) title.chop(1);
  if (!title.isEmpty()) dialog.setWindowTitle(title);
  const QString ok = QString::fromStdString(Text("TextButton", "1"));
  if (auto* box = dialog.findChild<QDialogButtonBox*>())
    for (QAbstractButton* button : box->buttons())
      if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) button->setText(ok.isEmpty() ? "OK" : ok);
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
