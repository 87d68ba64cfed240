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

// A folder with a blank and a '#' must not lose its path to the URL's anchor; the file is
// the one in force at each topic.
TEST(QtHelp, OpensTheFileAtTheTopic) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.path() / "my programs#1");
  const std::string english = (dir.path() / "my programs#1" / "vandrellE.html").string();
  const std::string french = (dir.path() / "my programs#1" / "vandrellF.html").string();
  testsupport::WriteFile(english, "<html></html>");
  testsupport::WriteFile(french, "<html></html>");
  std::string file = english;
  UrlCatcher catcher;
  platform::QtHelp help([&file] { return file; });
  help.ShowTopic(610);
  file = french;  // the language changed while the program ran
  help.ShowTopic(42);
  ASSERT_EQ(catcher.opened.size(), 2);
  auto opened = [&catcher](int i) { return catcher.opened[i].toLocalFile() + " at " + catcher.opened[i].fragment(); };
  EXPECT_EQ(opened(0).toStdString(), english + " at topic-610");
  EXPECT_EQ(opened(1).toStdString(), french + " at topic-42");
}

TEST(QtHelp, MissingFileIsToldAndNothingOpens) {
  testsupport::TempDir dir;
  UrlCatcher catcher;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped(&messages);
  platform::QtHelp([&dir] { return dir.File("vandrellE.html"); }).ShowTopic(10);
  EXPECT_TRUE(catcher.opened.isEmpty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("vandrellE.html"), std::string::npos);
}

}  // namespace

#include "test_qthelp.moc"
