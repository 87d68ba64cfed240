#include "platform/qt/qtrestart.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace platform {

bool QtProgramRestart::StartAgain() {
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments, QDir::currentPath());
}

}  // namespace platform
