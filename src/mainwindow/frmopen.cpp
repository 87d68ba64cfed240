#include "mainwindow/frmopen.h"

#include <QCheckBox>
#include <QComboBox>
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

#include "core/ribstate.h"
#include "files/ini.h"
#include "platform/help.h"
#include "mainwindow/viewdrawing.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace mainwindow {

using platform::Text;

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

// The preview: the window's own twips, the region around the chord line.
class PreviewArea : public QWidget {
 public:
  explicit PreviewArea(QWidget* parent) : QWidget(parent) {
    setObjectName("Apercu");
    setFixedSize(kWidthTwips / 15, kHeightTwips / 15);
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
  PaintPreview(painter, dpi, *data_);
}

FrmOpen::FrmOpen(QWidget* parent, const std::string& caption, bool showMemorize) : QDialog(parent) {
  setObjectName("frmopen");
  setWindowTitle(Q(caption));
  core::SharedState& s = core::App();

  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    return l;
  };
  QLabel* lblecteur = label("Lblecteur");
  QLabel* lbFile = label("LbFile");
  QLabel* lbrepertoire = label("Lbrepertoire");
  QLabel* lbFileType = label("LbFileType");
  QLabel* lbFileName = label("LbFileName");
  lbchemin_ = label("Lbchemin");
  nomfile1_ = label("nomfile1");
  label1_ = label("Label1");
  label1_->setWordWrap(true);
  label2_ = label("Label2");
  label3_ = label("Label3");
  lbMem_ = label("LbMem");
  drive1_ = new QComboBox(this);
  drive1_->setObjectName("Drive1");
  dir1_ = new QListWidget(this);
  dir1_->setObjectName("Dir1");
  file1_ = new QListWidget(this);
  file1_->setObjectName("File1");
  combo1_ = new QComboBox(this);
  combo1_->setObjectName("Combo1");
  memP1_ = new QCheckBox(this);
  memP1_->setObjectName("memP1");
  cmdouvrir_ = new QPushButton(this);
  cmdouvrir_->setObjectName("cmdouvrir");
  cmdouvrir_->setDefault(true);
  cmdannuler_ = new QPushButton(this);
  cmdannuler_->setObjectName("cmdannuler");
  cmdannuler_->setAutoDefault(false);
  cmdaide_ = new QPushButton(this);
  cmdaide_->setObjectName("cmdaide");
  cmdaide_->setAutoDefault(false);
  preview_ = new PreviewArea(this);

  auto* grid = new QGridLayout;
  grid->addWidget(lbFileName, 0, 0);
  grid->addWidget(lbrepertoire, 0, 1);
  grid->addWidget(nomfile1_, 1, 0);
  grid->addWidget(lbchemin_, 1, 1);
  grid->addWidget(lbFile, 2, 0);
  grid->addWidget(file1_, 3, 0);
  grid->addWidget(dir1_, 2, 1, 2, 1);
  grid->addWidget(lbFileType, 4, 0);
  grid->addWidget(lblecteur, 4, 1);
  grid->addWidget(combo1_, 5, 0);
  grid->addWidget(drive1_, 5, 1);
  auto* mem = new QHBoxLayout;
  mem->addWidget(memP1_);
  mem->addWidget(lbMem_);
  mem->addStretch();
  mem->addWidget(label3_);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdouvrir_);
  buttons->addWidget(cmdannuler_);
  buttons->addWidget(cmdaide_);
  buttons->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(grid, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(mem);
  layout->addWidget(label1_);
  layout->addWidget(preview_, 0, Qt::AlignHCenter);
  layout->addWidget(label2_);

  lbMem_->setText(Q(Text("frmopen", "2")));
  lbMem_->setToolTip(Q(Text("frmopen", "2t")));
  memP1_->setToolTip(Q(Text("frmopen", "2t")));
  lblecteur->setText(Q(Text("frmopen", "3")));
  drive1_->setToolTip(Q(Text("frmopen", "3t")));
  lbFile->setText(Q(Text("frmopen", "4")));
  file1_->setToolTip(Q(Text("frmopen", "4t")));
  lbrepertoire->setText(Q(Text("frmopen", "5")));
  dir1_->setToolTip(Q(Text("frmopen", "5t")));
  lbchemin_->setText(Q(Text("frmopen", "6")));
  lbFileType->setText(Q(Text("frmopen", "7")));
  combo1_->setToolTip(Q(Text("frmopen", "7t")));
  lbFileName->setText(Q(Text("frmopen", "8")));
  cmdouvrir_->setText(Q(Text("TextButton", "12")));
  cmdouvrir_->setToolTip(Q(Text("frmopen", "8T")));
  cmdannuler_->setText(Q(Text("TextButton", "2")));
  cmdaide_->setText(Q(Text("TextButton", "3")));
  label2_->setToolTip(Q(Text("frmopen", "24t")));
  memP1_->setVisible(showMemorize);
  lbMem_->setVisible(showMemorize);
  label3_->setVisible(showMemorize);

  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const std::string root = volume.rootPath().toStdString();
    if (std::find(driveRoots_.begin(), driveRoots_.end(), root) != driveRoots_.end()) continue;
    driveRoots_.push_back(root);
  }
  std::sort(driveRoots_.begin(), driveRoots_.end());
  for (const std::string& root : driveRoots_) drive1_->addItem(Q(root));

  std::string start = s.lastOpenDir;
  std::error_code ec;
  if (start.empty() || !std::filesystem::is_directory(start, ec)) start = s.programDir;
  if (start.empty() || !std::filesystem::is_directory(start, ec)) start = QDir::homePath().toStdString();
  {
    QSignalBlocker block(drive1_);
    drive1_->setCurrentIndex(VolumeIndexFor(driveRoots_, start));
  }
  {
    QSignalBlocker block(combo1_);
    for (const std::string& type : AirfoilFileTypes()) combo1_->addItem(Q(type));
    combo1_->setCurrentIndex(0);
  }
  pattern_ = FilterPattern(AirfoilFileTypes().front());
  SetDirectory(start);

  connect(drive1_, &QComboBox::currentIndexChanged, this, &FrmOpen::Drive1_Change);
  connect(combo1_, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  connect(dir1_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { SetDirectory(item->data(Qt::UserRole).toString().toStdString()); });
  connect(file1_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) File1_Click(item->text().toStdString());
  });
  connect(file1_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { File1_DblClick(item->text().toStdString()); });
  connect(memP1_, &QCheckBox::toggled, this, [](bool on) { core::App().memorizeAsFirst = on; });
  connect(cmdouvrir_, &QPushButton::clicked, this, &FrmOpen::cmdouvrir_Click);
  connect(cmdannuler_, &QPushButton::clicked, this, &FrmOpen::cmdannuler_Click);
  connect(cmdaide_, &QPushButton::clicked, this, [this] { platform::ShowHelpTopic(platform::kTopicOpenAirfoil); });
  resize(640, 560);
}

FrmOpen::~FrmOpen() = default;

QLabel* FrmOpen::Label(const char* name) const { return findChild<QLabel*>(name); }

std::string FrmOpen::ChosenPath() const { return choice_ ? choice_->path : std::string(); }

files::AirfoilData FrmOpen::TakeData() {
  preview_->Show(nullptr);
  return choice_ ? std::move(choice_->data) : files::AirfoilData{};
}

void FrmOpen::SetDirectory(const std::string& dir) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return;
  currentDir_ = dir;
  dir1_->clear();
  for (const DirEntry& entry : DirectoryEntries(dir)) {
    auto* item = new QListWidgetItem(QString(entry.depth * 2, ' ') + Q(entry.label), dir1_);
    item->setData(Qt::UserRole, Q(entry.path));
    item->setIcon(style()->standardIcon(entry.current ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    if (entry.current) dir1_->setCurrentItem(item);
  }
  {
    QSignalBlocker block(drive1_);
    drive1_->setCurrentIndex(VolumeIndexFor(driveRoots_, dir));
  }
  FillFiles();
  lbchemin_->setText(Q(AbbreviatedPath(dir)));
  lbchemin_->setToolTip(Q(dir));
  nomfile1_->clear();
  label1_->clear();
  label2_->clear();
}

void FrmOpen::FillFiles() {
  QSignalBlocker block(file1_);
  file1_->clear();
  for (const std::string& name : MatchingFiles(currentDir_, pattern_)) file1_->addItem(Q(name));
}

void FrmOpen::Drive1_Change(int index) {
  if (index < 0 || index >= static_cast<int>(driveRoots_.size())) return;
  const std::string root = driveRoots_[static_cast<std::size_t>(index)];
  while (!QDir(Q(root)).isReadable()) {
    // A volume that cannot be read (removable media taken out) asks as drive a: did.
    if (platform::CurrentMessages().Show({Text("frmopen", "21"), "Lecteur A", platform::BoxIcon::Critical,
                                          platform::BoxButtons::RetryCancel, 2}) != platform::BoxAnswer::Retry) {
      QSignalBlocker block(drive1_);
      drive1_->setCurrentIndex(VolumeIndexFor(driveRoots_, currentDir_));
      return;
    }
  }
  SetDirectory(root);
}

void FrmOpen::Combo1_Click() {
  pattern_ = FilterPattern(combo1_->currentText().toStdString());
  FillFiles();
  label1_->clear();
}

void FrmOpen::File1_Click(const std::string& fileName) {
  platform::BusyPointer busy;
  choice_ = std::make_unique<FileChoice>(ChooseFile(currentDir_, fileName));
  nomfile1_->setText(Q(fileName));
  preview_->Show(choice_->result.ok() ? &choice_->data : nullptr);
  if (!choice_->result.ok()) {
    const std::string shown = files::ShowAirfoilReadFailure(choice_->result, windowTitle().toStdString());
    if (choice_->result.status == files::AirfoilReadStatus::Error) core::App().messageText = shown;
  }
  label1_->setText(Q(choice_->label1));
  label2_->setText(Q(choice_->label2));
}

void FrmOpen::File1_DblClick(const std::string& fileName) {
  // The first click of the double click has read the file already.
  if (!choice_ || choice_->path != (std::filesystem::path(currentDir_) / fileName).string()) File1_Click(fileName);
  cmdouvrir_Click();
}

void FrmOpen::cmdouvrir_Click() {
  core::SharedState& s = core::App();
  switch (DecideOpen(choice_.get())) {
    case OpenDecision::NoFileChosen:
      Refuse(Text("frmopen", "22"));
      return;
    case OpenDecision::TooFewPoints:
      Refuse(Text("frmopen", "23"));
      return;
    case OpenDecision::Accept:
      accepted_ = true;
      s.lastOpenDir = currentDir_;
      s.iniWriteOk = files::WriteINIFile("Repertoires", "LastOpenProfil", s.lastOpenDir, s.iniFile);
      accept();
      return;
  }
}

void FrmOpen::Refuse(const std::string& text) {
  platform::Inform(text, windowTitle().toStdString());
  memP1_->setVisible(false);
  lbMem_->setVisible(false);
  label3_->setVisible(false);
  core::App().memorizeAsFirst = false;
  reject();
}

void FrmOpen::cmdannuler_Click() { reject(); }

void FrmOpen::reject() {
  accepted_ = false;
  choice_.reset();
  core::App().dialogCancelled = true;
  QDialog::reject();
}

}  // namespace mainwindow
