#include "sharedwindows/openairfoilwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "commands/airfoilreadfailure.h"
#include "core/ribdocument.h"
#include "files/ini.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtdrawtarget.h"
#include "platform/texts.h"

namespace sharedwindows {

using platform::Text;

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

// The preview: the window's own twips, the region around the chord line.
class PreviewArea : public QWidget {
 public:
  explicit PreviewArea(QWidget* parent) : QWidget(parent) {
    setObjectName("Apercu");
    // The same part of the airfoil at any screen resolution.
    const double pixelsPerTwip = logicalDpiX() / 1440.0;
    setFixedSize(static_cast<int>(kWidthTwips * pixelsPerTwip), static_cast<int>(kHeightTwips * pixelsPerTwip));
  }
  void Show(const files::AirfoilData* data) {
    data_ = data;
    update();
  }
  const files::AirfoilData* Data() const { return data_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  static constexpr int kWidthTwips = 6200;
  static constexpr int kHeightTwips = 2700;
  static constexpr int kTopTwips = 3650;  // the chord line at 5000 sits in the middle
  const files::AirfoilData* data_ = nullptr;
};

void PreviewArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (!data_) return;
  painter.setRenderHint(QPainter::Antialiasing);
  const double dpi = logicalDpiX();
  painter.translate(0, -kTopTwips * dpi / 1440.0);
  platform::QtDrawTarget target(painter, dpi, dpi, std::max(1.0, dpi / 96.0));
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
    return l;
  };
  QLabel* volumeCaption = label("Lblecteur");
  QLabel* fileCaption = label("LbFile");
  QLabel* folderCaption = label("Lbrepertoire");
  QLabel* fileTypeCaption = label("LbFileType");
  QLabel* fileNameCaption = label("LbFileName");
  folderPathLabel_ = label("Lbchemin");
  chosenFileLabel_ = label("nomfile1");
  summaryLabel_ = label("Label1");
  summaryLabel_->setWordWrap(true);
  pointCountLabel_ = label("Label2");
  memorizeNote_ = label("Label3");
  memorizeLabel_ = label("LbMem");
  volumes_ = new QComboBox(this);
  volumes_->setObjectName("Drive1");
  folders_ = new QListWidget(this);
  folders_->setObjectName("Dir1");
  files_ = new QListWidget(this);
  files_->setObjectName("File1");
  fileTypes_ = new QComboBox(this);
  fileTypes_->setObjectName("Combo1");
  memorizeBox_ = new QCheckBox(this);
  memorizeBox_->setObjectName("memP1");
  // The platform's order and roles for the buttons; their clicks are wired by hand below.
  auto* buttonBox = new QDialogButtonBox(Qt::Vertical, this);
  openButton_ = buttonBox->addButton(QString(), QDialogButtonBox::AcceptRole);
  openButton_->setObjectName("cmdouvrir");
  openButton_->setDefault(true);
  cancelButton_ = buttonBox->addButton(QString(), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName("cmdannuler");
  cancelButton_->setAutoDefault(false);
  helpButton_ = buttonBox->addButton(QString(), QDialogButtonBox::HelpRole);
  helpButton_->setObjectName("cmdaide");
  helpButton_->setAutoDefault(false);
  preview_ = new PreviewArea(this);

  auto* grid = new QGridLayout;
  grid->addWidget(fileNameCaption, 0, 0);
  grid->addWidget(folderCaption, 0, 1);
  grid->addWidget(chosenFileLabel_, 1, 0);
  grid->addWidget(folderPathLabel_, 1, 1);
  grid->addWidget(fileCaption, 2, 0);
  grid->addWidget(files_, 3, 0);
  grid->addWidget(folders_, 2, 1, 2, 1);
  grid->addWidget(fileTypeCaption, 4, 0);
  grid->addWidget(volumeCaption, 4, 1);
  grid->addWidget(fileTypes_, 5, 0);
  grid->addWidget(volumes_, 5, 1);
  auto* memorizeRow = new QHBoxLayout;
  memorizeRow->addWidget(memorizeBox_);
  memorizeRow->addWidget(memorizeLabel_);
  memorizeRow->addStretch();
  memorizeRow->addWidget(memorizeNote_);
  auto* top = new QHBoxLayout;
  top->addLayout(grid, 1);
  top->addWidget(buttonBox, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(memorizeRow);
  layout->addWidget(summaryLabel_);
  layout->addWidget(preview_, 0, Qt::AlignHCenter);
  layout->addWidget(pointCountLabel_);

  memorizeLabel_->setText(Q(Text("frmopen", "2")));
  memorizeLabel_->setToolTip(Q(Text("frmopen", "2t")));
  memorizeBox_->setToolTip(Q(Text("frmopen", "2t")));
  volumeCaption->setText(Q(Text("frmopen", "3")));
  volumes_->setToolTip(Q(Text("frmopen", "3t")));
  fileCaption->setText(Q(Text("frmopen", "4")));
  files_->setToolTip(Q(Text("frmopen", "4t")));
  folderCaption->setText(Q(Text("frmopen", "5")));
  folders_->setToolTip(Q(Text("frmopen", "5t")));
  folderPathLabel_->setText(Q(Text("frmopen", "6")));
  fileTypeCaption->setText(Q(Text("frmopen", "7")));
  fileTypes_->setToolTip(Q(Text("frmopen", "7t")));
  fileNameCaption->setText(Q(Text("frmopen", "8")));
  openButton_->setText(Q(Text("TextButton", "12")));
  openButton_->setToolTip(Q(Text("frmopen", "8T")));
  cancelButton_->setText(Q(Text("TextButton", "2")));
  helpButton_->setText(Q(Text("TextButton", "3")));
  pointCountLabel_->setToolTip(Q(Text("frmopen", "24t")));
  memorizeBox_->setVisible(showMemorize);
  memorizeLabel_->setVisible(showMemorize);
  memorizeNote_->setVisible(showMemorize);

  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const std::string root = volume.rootPath().toStdString();
    if (std::find(volumeRoots_.begin(), volumeRoots_.end(), root) != volumeRoots_.end()) continue;
    volumeRoots_.push_back(root);
  }
  std::sort(volumeRoots_.begin(), volumeRoots_.end());
  for (const std::string& root : volumeRoots_) volumes_->addItem(Q(root));

  std::string start = settings_.lastOpenDir;
  std::error_code ec;
  if (start.empty() || !std::filesystem::is_directory(start, ec)) start = settings_.programDir;
  if (start.empty() || !std::filesystem::is_directory(start, ec)) start = QDir::homePath().toStdString();
  {
    QSignalBlocker block(volumes_);
    volumes_->setCurrentIndex(VolumeIndexFor(volumeRoots_, start));
  }
  {
    QSignalBlocker block(fileTypes_);
    for (const std::string& type : AirfoilFileTypes()) fileTypes_->addItem(Q(type));
    fileTypes_->setCurrentIndex(0);
  }
  pattern_ = FilterPattern(AirfoilFileTypes().front());
  SetDirectory(start);

  connect(volumes_, &QComboBox::currentIndexChanged, this, &OpenAirfoilWindow::VolumeChosen);
  connect(fileTypes_, &QComboBox::currentIndexChanged, this, [this] { FileTypeChosen(); });
  connect(folders_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { SetDirectory(item->data(Qt::UserRole).toString().toStdString()); });
  connect(files_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) SelectFile(item->text().toStdString());
  });
  connect(files_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { OpenFileAtOnce(item->text().toStdString()); });
  connect(memorizeBox_, &QCheckBox::toggled, this, [this](bool on) { memorizeAsFirst_ = on; });
  connect(openButton_, &QPushButton::clicked, this, &OpenAirfoilWindow::Open);
  connect(cancelButton_, &QPushButton::clicked, this, &OpenAirfoilWindow::Cancel);
  connect(helpButton_, &QPushButton::clicked, this, [this] { platform::ShowHelpTopic(platform::kTopicOpenAirfoil); });
  resize(640, 560);
}

OpenAirfoilWindow::~OpenAirfoilWindow() = default;

QLabel* OpenAirfoilWindow::Label(const char* name) const { return findChild<QLabel*>(name); }

std::string OpenAirfoilWindow::ChosenPath() const { return choice_ ? choice_->path : std::string(); }

files::AirfoilData OpenAirfoilWindow::TakeData() {
  preview_->Show(nullptr);
  return choice_ ? std::move(choice_->data) : files::AirfoilData{};
}

void OpenAirfoilWindow::SetDirectory(const std::string& dir) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return;
  currentDir_ = dir;
  folders_->clear();
  for (const DirEntry& entry : DirectoryEntries(dir)) {
    auto* item = new QListWidgetItem(QString(entry.depth * 2, ' ') + Q(entry.label), folders_);
    item->setData(Qt::UserRole, Q(entry.path));
    item->setIcon(style()->standardIcon(entry.current ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    if (entry.current) folders_->setCurrentItem(item);
  }
  {
    QSignalBlocker block(volumes_);
    volumes_->setCurrentIndex(VolumeIndexFor(volumeRoots_, dir));
  }
  FillFiles();
  folderPathLabel_->setText(Q(AbbreviatedPath(dir)));
  folderPathLabel_->setToolTip(Q(dir));
  chosenFileLabel_->clear();
  summaryLabel_->clear();
  pointCountLabel_->clear();
}

void OpenAirfoilWindow::FillFiles() {
  QSignalBlocker block(files_);
  files_->clear();
  for (const std::string& name : MatchingFiles(currentDir_, pattern_)) files_->addItem(Q(name));
}

void OpenAirfoilWindow::VolumeChosen(int index) {
  if (index < 0 || index >= static_cast<int>(volumeRoots_.size())) return;
  const std::string root = volumeRoots_[static_cast<std::size_t>(index)];
  while (!QDir(Q(root)).isReadable()) {
    // A volume that cannot be read (removable media taken out) asks as drive a: did.
    if (platform::CurrentMessages().Show({Text("frmopen", "21"), windowTitle().toStdString(), platform::BoxIcon::Critical,
                                          platform::BoxButtons::RetryCancel, 2}) != platform::BoxAnswer::Retry) {
      QSignalBlocker block(volumes_);
      volumes_->setCurrentIndex(VolumeIndexFor(volumeRoots_, currentDir_));
      return;
    }
  }
  SetDirectory(root);
}

void OpenAirfoilWindow::FileTypeChosen() {
  pattern_ = FilterPattern(fileTypes_->currentText().toStdString());
  FillFiles();
  summaryLabel_->clear();
}

void OpenAirfoilWindow::SelectFile(const std::string& fileName) {
  platform::BusyPointer busy;
  choice_ = std::make_unique<FileChoice>(ChooseFile(currentDir_, fileName));
  chosenFileLabel_->setText(Q(fileName));
  preview_->Show(choice_->result.ok() ? &choice_->data : nullptr);
  if (!choice_->result.ok()) commands::ShowAirfoilReadFailure(choice_->result, windowTitle().toStdString());
  summaryLabel_->setText(Q(choice_->summary));
  pointCountLabel_->setText(Q(choice_->pointCountText));
}

void OpenAirfoilWindow::OpenFileAtOnce(const std::string& fileName) {
  // The first click of the double click has read the file already.
  if (!choice_ || choice_->path != (std::filesystem::path(currentDir_) / fileName).string()) SelectFile(fileName);
  Open();
}

void OpenAirfoilWindow::Open() {
  switch (DecideOpen(choice_.get())) {
    case OpenDecision::NoFileChosen:
      Refuse(Text("frmopen", "22"));
      return;
    case OpenDecision::TooFewPoints:
      Refuse(Text("frmopen", "23"));
      return;
    case OpenDecision::Accept:
      accepted_ = true;
      settings_.lastOpenDir = currentDir_;
      files::WriteINIFile("Repertoires", "LastOpenProfil", settings_.lastOpenDir, settings_.iniFile);
      accept();
      return;
  }
}

void OpenAirfoilWindow::Refuse(const std::string& text) {
  platform::Inform(text, windowTitle().toStdString());
  memorizeBox_->setVisible(false);
  memorizeLabel_->setVisible(false);
  memorizeNote_->setVisible(false);
  memorizeAsFirst_ = false;
  reject();
}

void OpenAirfoilWindow::Cancel() { reject(); }

void OpenAirfoilWindow::reject() {
  accepted_ = false;
  choice_.reset();
  QDialog::reject();
}

}  // namespace sharedwindows
