#include "settingswindows/airfoilpackoffer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

#include "core/plaintext.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"
#include "settingswindows/airfoilpack.h"

namespace settingswindows {

using platform::BoxIcon;
using platform::Text;

namespace {
using platform::Q;
}  // namespace

std::string AirfoilPackQuestion() {
  return Text(keys::AirfoilPackQuestionBefore) + " \"" + kPackName + "\" " + Text(keys::AirfoilPackQuestionAfter);
}

void DeclineAirfoilPack() {
  const std::string where = " '" + Text(keys::AirfoilFolderFrame) + "'.";
  platform::Inform(Text(keys::AirfoilPackDeclinedLine1) + where + "\n\n" + Text(keys::AirfoilPackDeclinedLine2),
                   platform::kProgramTitle, BoxIcon::Information);
}

ConfigurationWindow::ConfigurationWindow(const core::RibDocument&, const std::string& destination, QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmConfig");
  setWindowTitle(Q(Text(keys::AirfoilPackTitle) + " \u2013 " + kPackName));
  auto* icon = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(side, side));
  question_ = new QLabel(Q(AirfoilPackQuestion()), this);
  question_->setObjectName("lblQuestion");
  question_->setWordWrap(true);
  question_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* folderCaption = new QLabel(Q(Text(keys::FolderLabel)), this);
  folder_ = new QLineEdit(Q(destination), this);
  folder_->setObjectName("txtFolder");
  ribwindows::MakeShowOnly(folder_);  // filled by the choose button
  choose_ = new QPushButton(Q(Text(keys::AirfoilPackFolderButton)), this);
  folderCaption->setBuddy(choose_);
  choose_->setObjectName("cmdChoose");
  choose_->setAutoDefault(false);
  connect(choose_, &QPushButton::clicked, this, &ConfigurationWindow::ChooseFolder);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Help, this);
  yes_ = buttons->button(QDialogButtonBox::Yes);
  no_ = buttons->button(QDialogButtonBox::No);
  help_ = buttons->button(QDialogButtonBox::Help);
  help_->setText(Q(Text(keys::HelpButton)));
  help_->setIcon(QIcon());  // the style's help icon reads as a close cross
  help_->setObjectName("cmdaide");
  yes_->setDefault(true);
  for (QPushButton* b : {no_, help_}) b->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [] { platform::ShowHelpTopic(platform::kTopicAirfoilPack); });

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addWidget(question_, 1);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folder_, 1);
  folderRow->addWidget(choose_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(folderCaption);
  layout->addLayout(folderRow);
  layout->addWidget(buttons);
  setMinimumWidth(460);
}

std::string ConfigurationWindow::Destination() const { return std::string(core::Trimmed(folder_->text().toStdString())); }

void ConfigurationWindow::ChooseFolder() {
  std::string folder = Destination();
  if (platform::CurrentFileDialogs().BrowseForFolder(Text(keys::AirfoilPackFolderTitle) + " " + kPackName, folder) &&
      !core::Trimmed(folder).empty())
    folder_->setText(Q(std::string(core::Trimmed(folder))));
}

void OfferAirfoilPack(core::RibDocument& document, QWidget* parent) {
  const std::string documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  ConfigurationWindow window(
      document, PackDestinationProposal(document, documents.empty() ? QDir::homePath().toStdString() : documents),
      parent);
  if (window.exec() != QDialog::Accepted) {
    DeclineAirfoilPack();
    return;
  }
  PackInstall install;
  {
    platform::BusyPointer busy;
    install = InstallAirfoilPack(document, window.Destination());
  }
  const PackReport report = PackInstallReport(install, document);
  platform::Inform(report.text, platform::kProgramTitle, report.failed ? BoxIcon::Critical : BoxIcon::Information);
}

}  // namespace settingswindows
