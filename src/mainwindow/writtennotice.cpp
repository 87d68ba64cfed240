#include "mainwindow/writtennotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QEvent>
#include <algorithm>
#include <filesystem>

#include "commands/outputfolder.h"
#include "platform/desktop.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace mainwindow {

WrittenNotice::WrittenNotice(QWidget* parent)
    : QWidget(parent), text_(new QLabel(this)), openFolder_(new QPushButton(this)) {
  setObjectName("StatusBarWritten");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  // A long folder is shortened rather than widening the window.
  text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  text_->setObjectName("lblwritten");
  openFolder_->setObjectName("cmdopenfolder");
  openFolder_->setFocusPolicy(Qt::TabFocus);
  text_->installEventFilter(this);
  row->addWidget(text_, 1);
  row->addWidget(openFolder_);
  connect(openFolder_, &QPushButton::clicked, this, [this] { platform::CurrentDesktop().OpenFolder(folder_); });
  hide();  // until something is written
  platform::SetNotices(this);
}

WrittenNotice::~WrittenNotice() {
  if (&platform::CurrentNotices() == this) platform::SetNotices(nullptr);
}

void WrittenNotice::FileWritten(const std::string& path) {
  path_ = path;
  folder_ = commands::FolderOfWritten(path);
  fileName_ = std::filesystem::path(path).filename().string();
  show();
  Retell();
}

void WrittenNotice::Retell() {
  if (path_.empty()) return;
  text_->setToolTip(platform::Q(commands::WrittenText(path_)));
  openFolder_->setText(platform::Q(platform::Text(keys::OpenWrittenFolderButton)));
  FitText();
}

bool WrittenNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::Resize) FitText();
  return QWidget::eventFilter(watched, event);
}

void WrittenNotice::FitText() {
  const QFontMetrics& metrics = text_->fontMetrics();
  const int words = metrics.horizontalAdvance(platform::Q(commands::WrittenText(fileName_, "")));
  const int room = text_->contentsRect().width() - words;
  const QString folder = metrics.elidedText(platform::Q(folder_), Qt::ElideMiddle, std::max(room, 0));
  text_->setText(platform::Q(commands::WrittenText(fileName_, folder.toStdString())));
}

}  // namespace mainwindow
