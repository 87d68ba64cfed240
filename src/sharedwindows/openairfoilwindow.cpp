#include "sharedwindows/openairfoilwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/ribdocument.h"
#include "files/ini.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/qt/qtdrawtarget.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace sharedwindows {

using platform::Text;

namespace {
using platform::Q;
}  // namespace

// Qt's own file dialog, kept inside the window: Open hands the chosen path over instead of
// closing, and Cancel or Escape close the whole window.
class AirfoilFileBrowser : public QFileDialog {
 public:
  explicit AirfoilFileBrowser(QWidget* parent) : QFileDialog(parent) {
    setWindowFlags(Qt::Widget);
    setOption(QFileDialog::DontUseNativeDialog);
    setSizeGripEnabled(false);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setViewMode(QFileDialog::List);  // the names alone: no columns cut off beside the preview
  }
  std::function<void(const QString&)> onOpen;
  std::function<void()> onCancel;

  void accept() override {
    const QStringList chosen = selectedFiles();
    // A folder typed or chosen is opened in the dialog itself.
    if (!chosen.isEmpty() && QFileInfo(chosen.first()).isDir()) return QFileDialog::accept();
    onOpen(chosen.isEmpty() ? QString() : chosen.first());
  }
  void reject() override { onCancel(); }
  // Qt's own wish is wider than a small screen at 1.5 times leaves beside the preview.
  QSize sizeHint() const override { return minimumSizeHint().expandedTo(QSize(380, 360)); }
};

// The preview: the region around the chord line, scaled to the area's width.
class PreviewArea : public QWidget {
 public:
  explicit PreviewArea(QWidget* parent) : QWidget(parent) {
    setObjectName("Apercu");
    setFixedSize(kWidthPixels, kWidthPixels * kHeightMm / kWidthMm);
  }
  void Show(const files::AirfoilData* data) {
    data_ = data;
    update();
  }
  const files::AirfoilData* Data() const { return data_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  static constexpr int kWidthPixels = 220;
  static constexpr int kWidthMm = 124;
  static constexpr int kHeightMm = 54;
  static constexpr int kTopMm = 73;  // the chord line at 100 sits in the middle
  const files::AirfoilData* data_ = nullptr;
};

void PreviewArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (!data_) return;
  painter.setRenderHint(QPainter::Antialiasing);
  const double dotsPerInch = platform::kMmPerInch * width() / kWidthMm;
  painter.translate(0, -kTopMm * dotsPerInch / platform::kMmPerInch);
  platform::QtDrawTarget target(painter, dotsPerInch, dotsPerInch, 1.0);
  DrawAirfoilPreview(target, *data_);
}

OpenAirfoilWindow::OpenAirfoilWindow(core::ProgramSettings& settings, const std::string& caption, bool showMemorize,
                                     QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName("frmopen");
  setWindowTitle(Q(caption));

  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
  };
  browser_ = new AirfoilFileBrowser(this);
  chosenFileLabel_ = label("nomfile1");
  QFont bold = chosenFileLabel_->font();
  bold.setBold(true);
  chosenFileLabel_->setFont(bold);
  summaryLabel_ = label("Label1");
  summaryLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  pointCountLabel_ = label("Label2");
  memorizeLabel_ = label("LbMem");
  memorizeBox_ = new QCheckBox(this);
  memorizeBox_->setObjectName("memP1");
  helpButton_ = new QPushButton(Q(Text(keys::HelpButton)), this);
  helpButton_->setObjectName("cmdaide");
  helpButton_->setAutoDefault(false);
  preview_ = new PreviewArea(this);

  auto* memorizeRow = new QHBoxLayout;
  memorizeRow->addWidget(memorizeBox_);
  memorizeRow->addWidget(memorizeLabel_, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(chosenFileLabel_);
  side->addWidget(preview_);
  side->addWidget(summaryLabel_);
  side->addWidget(pointCountLabel_, 1, Qt::AlignTop);
  side->addLayout(memorizeRow);
  side->addWidget(helpButton_, 0, Qt::AlignRight);
  auto* sidePanel = new QWidget(this);
  sidePanel->setLayout(side);
  sidePanel->setFixedWidth(preview_->width() + side->contentsMargins().left() + side->contentsMargins().right());
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, layout->contentsMargins().right(), 0);
  layout->addWidget(browser_, 1);
  layout->addWidget(sidePanel);

  memorizeLabel_->setText(Q(Text(keys::RememberAirfoil)));
  memorizeLabel_->setToolTip(Q(Text(keys::RememberAirfoilTip)));
  memorizeBox_->setToolTip(Q(Text(keys::RememberAirfoilTip)));
  pointCountLabel_->setToolTip(Q(Text(keys::PointCountTip)));
  memorizeBox_->setVisible(showMemorize);
  memorizeLabel_->setVisible(showMemorize);

  QStringList filters;
  for (const std::string& type : AirfoilFileTypes()) filters << Q(type);
  browser_->setNameFilters(filters);
  browser_->setWindowTitle(Q(caption));
  std::string start = settings_.lastOpenDir;
  std::error_code ec;
  if (start.empty() || !std::filesystem::is_directory(start, ec)) start = settings_.programDir;
  if (start.empty() || !std::filesystem::is_directory(start, ec)) start = QDir::homePath().toStdString();
  SetDirectory(start);

  browser_->onOpen = [this](const QString& path) { OpenPath(path.toStdString()); };
  browser_->onCancel = [this] { Cancel(); };
  connect(browser_, &QFileDialog::currentChanged, this, [this](const QString& path) {
    if (QFileInfo(path).isFile()) Preview(path.toStdString());
  });
  // A name typed whole previews its file, as a click on it does; a path typed from another
  // folder too.
  if (auto* nameBox = browser_->findChild<QLineEdit*>("fileNameEdit"))
    connect(nameBox, &QLineEdit::textEdited, this, [this](const QString& typed) {
      const QString path = browser_->directory().absoluteFilePath(typed);
      if (!typed.isEmpty() && QFileInfo(path).isFile()) Preview(path.toStdString());
    });
  connect(memorizeBox_, &QCheckBox::toggled, this, [this](bool on) { memorizeAsFirst_ = on; });
  connect(helpButton_, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicOpenAirfoil); });
}

OpenAirfoilWindow::~OpenAirfoilWindow() = default;

QFileDialog* OpenAirfoilWindow::Browser() const { return browser_; }

QLabel* OpenAirfoilWindow::Label(const char* name) const { return findChild<QLabel*>(name); }

bool OpenAirfoilWindow::PreviewShowsAirfoil() const { return preview_->Data() != nullptr; }

std::string OpenAirfoilWindow::ChosenPath() const { return choice_ ? choice_->path : std::string(); }

std::string OpenAirfoilWindow::CurrentDirectory() const { return browser_->directory().absolutePath().toStdString(); }

files::AirfoilData OpenAirfoilWindow::TakeData() {
  preview_->Show(nullptr);
  return choice_ ? std::move(choice_->data) : files::AirfoilData{};
}

void OpenAirfoilWindow::SetDirectory(const std::string& dir) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return;
  browser_->setDirectory(Q(dir));
}

void OpenAirfoilWindow::SelectFile(const std::string& fileName) {
  browser_->selectFile(Q(fileName));
  // Qt leaves the name box alone while it has the focus; Open reads the name from it.
  if (auto* nameBox = browser_->findChild<QLineEdit*>("fileNameEdit")) nameBox->setText(Q(fileName));
  Preview(browser_->directory().absoluteFilePath(Q(fileName)).toStdString());
}

void OpenAirfoilWindow::Preview(const std::string& path) {
  platform::BusyPointer busy;
  choice_ = std::make_unique<FileChoice>(ChooseFile(path));
  chosenFileLabel_->setText(QFileInfo(Q(path)).fileName());
  chosenFileLabel_->setToolTip(Q(path));
  // A file that cannot be opened shows why in place of its outline, never a former one.
  const bool usable = choice_->problem.empty();
  preview_->Show(usable ? &choice_->data : nullptr);
  summaryLabel_->setText(Q(usable ? choice_->summary : choice_->problem));
  pointCountLabel_->setText(Q(usable ? choice_->pointCountText : std::string()));
}

void OpenAirfoilWindow::OpenFileAtOnce(const std::string& fileName) {
  SelectFile(fileName);
  Open();
}

void OpenAirfoilWindow::Open() { browser_->accept(); }

void OpenAirfoilWindow::OpenPath(const std::string& path) {
  if (path.empty()) {
    choice_.reset();
    preview_->Show(nullptr);
    chosenFileLabel_->clear();
    pointCountLabel_->clear();
    summaryLabel_->setText(Q(Text(keys::OpenWithoutFile)));
    return;
  }
  // Read again: the file may have changed since it was highlighted.
  Preview(path);
  if (!choice_->problem.empty()) return;
  accepted_ = true;
  settings_.lastOpenDir = std::filesystem::path(path).parent_path().string();
  files::WriteINIFile("Repertoires", "LastOpenProfil", settings_.lastOpenDir, settings_.iniFile);
  accept();
}

void OpenAirfoilWindow::Cancel() { reject(); }

void OpenAirfoilWindow::reject() {
  accepted_ = false;
  choice_.reset();
  preview_->Show(nullptr);
  QDialog::reject();
}

}  // namespace sharedwindows
