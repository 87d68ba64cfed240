#include "settingswindows/airfoilpackoffer.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>

#include "core/plaintext.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/programdir.h"
#include "platform/texts.h"

namespace settingswindows {

using platform::BoxAnswer;
using platform::BoxIcon;
using platform::Text;

std::string KaldrexProgramName() {
#ifdef _WIN32
  return "kaldrex.exe";
#else
  return "kaldrex";
#endif
}

std::string AirfoilPackQuestion(const core::RibDocument& s) {
  return Text("FrmConfig", "2") + " \"Morvask\" " + Text("FrmConfig", "12") + "\n\n" + Text("FrmConfig", "3") + "\n" +
         s.settings.airfoilDir;
}

void DeclineAirfoilPack() {
  const std::string where = " '" + Text("FrmDefaut", "14") + "'.";
  platform::Inform(Text("FrmConfig", "4") + where + "\n\n" + Text("FrmConfig", "41") + where, platform::kProgramTitle,
                   BoxIcon::Critical);
}

void FindAndStartAirfoilPack(const core::RibDocument& s) {
  // The chooser opens where the pack's program is installed beside ours (in PREFIX/bin
  // once installed, not among our files); a cancelled chooser names no folder.
  std::string lastFolder = platform::ExecutableDirectory(nullptr);
  std::string program;
  while (true) {
    std::string folder = lastFolder;
    if (!platform::CurrentFileDialogs().BrowseForFolder(Text("FrmConfig", "5") + " " + KaldrexProgramName(), folder))
      folder.clear();
    else
      lastFolder = folder;
    platform::CurrentDesktop().SetBusy(true);
    const std::string dir = std::string(core::Trimmed(folder));
    std::error_code ec;
    if (!dir.empty()) {
      program = (std::filesystem::path(dir) / KaldrexProgramName()).string();
      if (std::filesystem::is_regular_file(program, ec)) break;
    }
    const std::string question = Text("FrmConfig", "7") + " " + dir + " " + Text("FrmConfig", "8") + " " +
                                 KaldrexProgramName() + ".\n\n" + Text("FrmConfig", "11");
    platform::CurrentDesktop().SetBusy(false);
    if (platform::AskYesNo(question, platform::kProgramTitle, BoxIcon::Question, false) != BoxAnswer::Yes) {
      platform::Inform(Text("FrmConfig", "9") + " " + s.settings.airfoilDir, platform::kProgramTitle, BoxIcon::Critical);
      return;
    }
  }
  platform::CurrentDesktop().StartProgram(program, std::filesystem::path(program).parent_path().string());
  platform::Inform(Text("FrmConfig", "10"), platform::kProgramTitle, BoxIcon::Information);
  platform::CurrentDesktop().SetBusy(false);
}

ConfigurationWindow::ConfigurationWindow(const core::RibDocument& s, QWidget* parent) : QDialog(parent) {
  setObjectName("frmConfig");
  setWindowTitle(QString::fromStdString(Text("FrmConfig", "1")));
  auto* icon = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(side, side));
  question_ = new QLabel(QString::fromStdString(AirfoilPackQuestion(s)), this);
  question_->setObjectName("lblQuestion");
  question_->setWordWrap(true);
  question_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Help, this);
  yes_ = buttons->button(QDialogButtonBox::Yes);
  no_ = buttons->button(QDialogButtonBox::No);
  help_ = buttons->button(QDialogButtonBox::Help);
  help_->setText(QString::fromStdString(Text("TextButton", "3")));
  help_->setIcon(QIcon());  // the style's help icon reads as a close cross
  help_->setObjectName("cmdaide");
  // As in the question box it replaces: No is the answer Enter gives.
  no_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [] { platform::ShowHelpTopic(platform::kTopicAirfoilPack); });
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addWidget(question_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  setMinimumWidth(420);
}

void OfferAirfoilPack(const core::RibDocument& s, QWidget* parent) {
  ConfigurationWindow window(s, parent);
  if (window.exec() == QDialog::Accepted)
    FindAndStartAirfoilPack(s);
  else
    DeclineAirfoilPack();
}

}  // namespace settingswindows
