#include "mainwindow/writtennotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "commands/outputfolder.h"
#include "platform/desktop.h"
#include "platform/qt/qtstrings.h"
#include "platform/texts.h"

namespace mainwindow {

WrittenNotice::WrittenNotice(QWidget* parent)
    : QWidget(parent), text_(new QLabel(this)), openFolder_(new QPushButton(this)) {
  setObjectName("StatusBarWritten");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  // A long folder is cut rather than widening the window; the tool tip holds it whole.
  text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  text_->setObjectName("lblwritten");
  openFolder_->setObjectName("cmdopenfolder");
  openFolder_->setFocusPolicy(Qt::TabFocus);
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
  folder_ = commands::FolderOfWritten(path);
  const QString said = platform::Q(commands::WrittenText(path));
  text_->setText(said);
  text_->setToolTip(said);
  openFolder_->setText(platform::Q(platform::Text("FrmMainMessage", "52")));
  show();
}

}  // namespace mainwindow
