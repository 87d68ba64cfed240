#include "platform/qt/qtfiledialogs.h"

#include <QDir>
#include <QFileDialog>

namespace platform {

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString patterns = QString(parts[i + 1]).replace(';', ' ').simplified();
    if (description.isEmpty() && patterns.isEmpty()) continue;
    if (description.endsWith(')') && description.contains("(" + patterns + ")"))
      filters << description;
    else
      filters << description + " (" + patterns + ")";
  }
  return filters;
}

bool QtFileDialogs::Run(const FileDialogRequest& request, bool save, std::string& path) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = request.filterIndex - 1;
    if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
  }
  if (!request.initialDir.empty() && QDir(QString::fromStdString(request.initialDir)).exists())
    dialog.setDirectory(QString::fromStdString(request.initialDir));
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
  return true;
}

bool QtFileDialogs::Open(const FileDialogRequest& request, std::string& path) { return Run(request, false, path); }

bool QtFileDialogs::Save(const FileDialogRequest& request, std::string& path) { return Run(request, true, path); }

bool QtFileDialogs::BrowseForFolder(const std::string& title, std::string& path) {
  const QString chosen = QFileDialog::getExistingDirectory(parent_, QString::fromStdString(title),
                                                           QString::fromStdString(path));
  if (chosen.isEmpty()) return false;
  path = QDir::toNativeSeparators(chosen).toStdString();
  return true;
}

}  // namespace platform
