// Help opens the HTML file in the browser at the topic's anchor.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <filesystem>

#include "platform/messages.h"
#include "platform/qt/qthelp.h"
#include "support/testsupport.h"

namespace {

// Takes the place of the browser while it lives.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() { QDesktopServices::setUrlHandler("file", this, "open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("file"); }
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.append(url); }
};

// A folder with a blank and a '#' must not lose its path to the URL's anchor.
TEST(QtHelp, OpensTheFileAtTheTopic) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.path() / "my programs#1");
  const std::string file = platform::HelpFilePath((dir.path() / "my programs#1").string());
  testsupport::WriteFile(file, "<html></html>");
  UrlCatcher catcher;
  platform::QtHelp(file).ShowTopic(610);
  ASSERT_EQ(catcher.opened.size(), 1);
  EXPECT_EQ(catcher.opened[0].toLocalFile().toStdString(), file);
  EXPECT_EQ(catcher.opened[0].fragment().toStdString(), "topic-610");
}

TEST(QtHelp, MissingFileIsToldAndNothingOpens) {
  testsupport::TempDir dir;
  UrlCatcher catcher;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped(&messages);
  platform::QtHelp(dir.File("vandrellE.html")).ShowTopic(10);
  EXPECT_TRUE(catcher.opened.isEmpty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("vandrellE.html"), std::string::npos);
}

}  // namespace

#include "test_qthelp.moc"
