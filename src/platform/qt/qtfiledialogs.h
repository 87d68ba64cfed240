#pragma once
#include <QString>
#include <QStringList>

#include "platform/filedialogs.h"

class QWidget;

namespace platform {

// "Description|pattern|Description|pattern|" as Qt's name filters: the patterns in
// parentheses after each description (unless it shows them already), ";" as a blank.
QStringList QtNameFilters(const std::string& filter);

// The common file dialogs and the folder chooser as Qt's, owned by `parent`.
class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  bool Open(const FileDialogRequest& request, std::string& path) override;
  bool Save(const FileDialogRequest& request, std::string& path) override;
  bool BrowseForFolder(const std::string& title, std::string& path) override;

 private:
  bool Run(const FileDialogRequest& request, bool save, std::string& path);
  QWidget* parent_;
};

}  // namespace platform
