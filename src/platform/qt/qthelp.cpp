#include "platform/qt/qthelp.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QString>

#include "platform/messages.h"
#include "platform/texts.h"

namespace platform {

QUrl HelpTopicUrl(const std::string& helpFile, int topic) {
  QUrl url = QUrl::fromLocalFile(QFileInfo(QString::fromStdString(helpFile)).absoluteFilePath());
  url.setFragment(QString::fromStdString(HelpTopicAnchor(topic)));
  return url;
}

void QtHelp::ShowTopic(int topic) {
  if (!QFileInfo::exists(QString::fromStdString(helpFile_))) {
    Inform(Text("Message", "22") + "\n" + helpFile_, kProgramTitle, BoxIcon::Information);
    return;
  }
  const QUrl url = HelpTopicUrl(helpFile_, topic);
  if (!QDesktopServices::openUrl(url))
    Inform(Text("Message", "21") + "\n" + url.toString().toStdString(), kProgramTitle,
           BoxIcon::Information);
}

}  // namespace platform
