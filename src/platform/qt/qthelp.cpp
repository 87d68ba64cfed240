#include "platform/qt/qthelp.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QString>

#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace platform {

QUrl HelpTopicUrl(const std::string& helpFile, int topic) {
  QUrl url = QUrl::fromLocalFile(QFileInfo(QString::fromStdString(helpFile)).absoluteFilePath());
  url.setFragment(QString::fromStdString(HelpTopicAnchor(topic)));
  return url;
}

void QtHelp::ShowTopic(int topic) {
  const std::string file = helpFile_ ? helpFile_() : std::string();
  if (!QFileInfo::exists(QString::fromStdString(file))) {
    Inform(Text(keys::HelpFileMissing) + "\n" + file, kProgramTitle, BoxIcon::Information);
    return;
  }
  const QUrl url = HelpTopicUrl(file, topic);
  if (!QDesktopServices::openUrl(url))
    Inform(Text(keys::HelpNoBrowser) + "\n" + url.toString().toStdString(), kProgramTitle,
           BoxIcon::Information);
}

}  // namespace platform
