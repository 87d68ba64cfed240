// The companion airfoil pack's program: copies the starter airfoils into a folder the
// user chooses, never replacing a file that is there already.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <filesystem>

#include "settingswindows/airfoilpack.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::filesystem::path here = QCoreApplication::applicationDirPath().toStdString();
  std::filesystem::path pack = here / "airfoils";
  std::error_code ec;
  if (!std::filesystem::is_directory(pack, ec)) pack = here / ".." / "share" / "vandrell" / "airfoils";
  const QString title = "Kaldrex airfoil pack";
  if (!std::filesystem::is_directory(pack, ec)) {
    QMessageBox::critical(nullptr, title, "The pack's airfoils are not beside this program.");
    return 1;
  }
  const QString folder =
      QFileDialog::getExistingDirectory(nullptr, "Folder for the Kaldrex airfoils", QDir::homePath());
  if (folder.isEmpty()) return 0;
  const settingswindows::PackCopy copy = settingswindows::CopyAirfoilPack(pack.string(), folder.toStdString());
  QString text = QString("%1 airfoils copied into %2.").arg(copy.copied).arg(folder);
  if (copy.alreadyThere > 0) text += QString("\n%1 were there already and were left as they were.").arg(copy.alreadyThere);
  if (copy.failed > 0) {
    text += QString("\n%1 could not be copied.").arg(copy.failed);
    QMessageBox::warning(nullptr, title, text);
    return 1;
  }
  QMessageBox::information(nullptr, title, text);
  return 0;
}
