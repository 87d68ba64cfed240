// Help opens the HTML file in the browser at the topic's anchor.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include "platform/messages.h"
#include "platform/qt/qthelp.h"
#include "support/testsupport.h"

namespace {

// Takes the place of the browser.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.append(url); }
};

TEST(QtHelp, UrlKeepsPathWithBlanksAndAddsTheTopicAnchor) {
  const std::string file = "/opt/my programs/vandrell#1/vandrellE.html";
  const QUrl url = platform::HelpTopicUrl(file, 31);
  EXPECT_TRUE(url.isLocalFile());
  EXPECT_EQ(url.toLocalFile().toStdString(), file);
  EXPECT_EQ(url.fragment().toStdString(), "topic-31");
}

TEST(QtHelp, OpensTheFileAtTheTopic) {
  testsupport::TempDir dir;
  const std::string file = platform::HelpFilePath(dir.path().string());
  testsupport::WriteFile(file, "<html></html>");
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  platform::QtHelp help(file);
  help.ShowTopic(610);
  QDesktopServices::unsetUrlHandler("file");

  ASSERT_EQ(catcher.opened.size(), 1);
  EXPECT_EQ(catcher.opened[0].toLocalFile().toStdString(), file);
  EXPECT_EQ(catcher.opened[0].fragment().toStdString(), "topic-610");
}

TEST(QtHelp, MissingFileIsToldAndNothingOpens) {
  testsupport::TempDir dir;
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped(&messages);
  platform::QtHelp(dir.File("vandrellE.html")).ShowTopic(10);
  QDesktopServices::unsetUrlHandler("file");

  EXPECT_TRUE(catcher.opened.isEmpty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("vandrellE.html"), std::string::npos);
}

}  // namespace

#include "test_qthelp.moc"
