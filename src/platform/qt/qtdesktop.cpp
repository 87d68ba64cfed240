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

#include "platform/qt/qtscreenfit.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace platform {

QPrinter& SharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

void CopyPrinterChoice(const QPrinter& from, QPrinter& to) {
  if (from.outputFormat() == QPrinter::NativeFormat) to.setPrinterName(from.printerName());
  to.setOutputFileName(from.outputFileName());
  if (to.outputFormat() != from.outputFormat()) to.setOutputFormat(from.outputFormat());
  to.setPageLayout(from.pageLayout());
  to.setCopyCount(from.copyCount());
  to.setCollateCopies(from.collateCopies());
  to.setColorMode(from.colorMode());
  to.setDuplex(from.duplex());
  to.setDocName(from.docName());
}

std::unique_ptr<QPrinter> NewPrinterJob() {
  auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
  CopyPrinterChoice(SharedPrinter(), *job);
  return job;
}

bool PrinterIsSetUp(const QPrinter& printer) {
  if (!printer.outputFileName().isEmpty()) return true;
  return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}

bool ChoosePrinter(bool forPrint) {
  // Its options and the printer's properties grow it past a small screen; the properties
  // window has no title in the user's language of Qt's own.
  const DialogsFitTheScreen fitted([](QDialog& dialog) {
    const std::string title = Text(keys::PrinterPropertiesTitle);
    if (dialog.inherits("QPrintPropertiesDialog") && !title.empty()) dialog.setWindowTitle(QString::fromStdString(title));
  });
  QPrintDialog dialog(&SharedPrinter(), QApplication::activeWindow());
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  const QString title = QString::fromStdString(MenuTitle(forPrint ? keys::PrintEntry : keys::PrinterSetupEntry));
  if (!title.isEmpty()) dialog.setWindowTitle(title);
  if (!forPrint) {
    // The choice of the printer (or a PDF file) and its paper, not a print: it says OK.
    const QString ok = QString::fromStdString(Text(keys::OkButton));
    if (auto* box = dialog.findChild<QDialogButtonBox*>())
      for (QAbstractButton* button : box->buttons())
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) button->setText(ok.isEmpty() ? "OK" : ok);
  }
  return dialog.exec() == QDialog::Accepted;
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

bool QtDesktop::OpenFolder(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

// What is chosen stays with the shared printer for every print that follows.
void QtDesktop::PrinterSetup() { ChoosePrinter(false); }

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
