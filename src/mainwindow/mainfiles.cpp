// Opening files: the open window, files dropped on the window or given at start.
#include "mainwindow/mainwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "commands/airfoilcommands.h"
#include "commands/keepwork.h"
#include "platform/textkeys.h"
#include "sharedwindows/openairfoilwindow.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace mainwindow {

using platform::Text;

namespace {

// The local files of a drag that the program can open.
std::vector<std::string> OpenableFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const std::string path = url.toLocalFile().toStdString();
    if (commands::KindOfFile(path) != commands::FileKind::Other) paths.push_back(path);
  }
  return paths;
}

}  // namespace

void MainWindow::OpenAirfoil() {
  if (!commands::MayReplaceRib(document_)) return;
  document_.view.formerShown = false;
  sharedwindows::OpenAirfoilWindow open(document_.settings, Text(keys::OpenAirfoilCaption), false, this);
  open.exec();
  if (!open.Accepted()) return;
  commands::InstallOpenedAirfoil(document_, open.ChosenPath(), open.TakeData());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!OpenableFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = OpenableFiles(event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  OpenFiles(paths);
}

void MainWindow::OpenFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (!commands::MayReplaceRib(document_)) return;
    commands::OpenFile(document_, path);
  }
}

}  // namespace mainwindow
