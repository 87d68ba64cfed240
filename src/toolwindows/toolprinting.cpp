#include "toolwindows/toolprinting.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/errorreport.h"
#include "platform/qt/qtdrawtarget.h"
#include "platform/texts.h"

namespace toolwindows {

bool PrintToolPages(QWidget* parent, const std::string& title, int pageCount, const PageDrawing& drawPage) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(title));
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  QPainter painter;
  if (!painter.begin(&printer)) {
    platform::ReportGeneralError(" " + title, {platform::kErrDeviceIo, "The printer could not be started"});
    return false;
  }
  platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, printer);
  target.SetBackground(QColor());
  for (int page = 0; page < pageCount; ++page) {
    if (page > 0 && !printer.newPage()) {
      painter.end();
      platform::ReportGeneralError(" " + title, {platform::kErrDeviceIo, "The printer refused a new page"});
      return false;
    }
    drawPage(page, target);
  }
  return painter.end();
}

}  // namespace toolwindows
