#include "features/frminput.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/lengths.h"
#include "core/ribstate.h"
#include "features/inputsettings.h"
#include "features/keyfilter.h"
#include "platform/help.h"
#include "platform/texts.h"

namespace features {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

FrmInput::FrmInput(QWidget* parent) : QDialog(parent) {
  setObjectName("frmInput");
  core::SharedState& s = core::App();
  s.dialogCancelled = false;

  msgtxt_ = new QLabel(this);
  msgtxt_->setObjectName("msgtxt");
  msgtxt_->setWordWrap(true);
  infotxt_ = new QLineEdit(this);
  infotxt_->setObjectName("infotxt");
  cmdok_ = new QPushButton(Q(platform::Text("TextButton", "1")), this);
  cmdok_->setObjectName("cmdok");
  cmdok_->setDefault(true);
  cmdannuler_ = new QPushButton(Q(platform::Text("TextButton", "2")), this);
  cmdannuler_->setObjectName("cmdannuler");
  cmdaide_ = new QPushButton(Q(platform::Text("TextButton", "3")), this);
  cmdaide_->setObjectName("cmdaide");
  cmdaide_->setAutoDefault(false);
  cmdannuler_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdok_);
  buttons->addWidget(cmdannuler_);
  buttons->addWidget(cmdaide_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(msgtxt_);
  layout->addWidget(infotxt_);
  layout->addLayout(buttons);
  setMinimumWidth(360);

  const InputTexts texts = InputWindowTexts(s);
  msgtxt_->setText(Q(texts.prompt));
  setWindowTitle(Q(texts.title));
  infotxt_->setText(Q(texts.boxText));
  infotxt_->selectAll();
  new KeyFilter(infotxt_, Q(core::LengthKeys(s.unitText)));

  connect(cmdok_, &QPushButton::clicked, this, &FrmInput::cmdok_Click);
  connect(cmdannuler_, &QPushButton::clicked, this, &FrmInput::cmdannuler_Click);
  connect(cmdaide_, &QPushButton::clicked, this, &FrmInput::cmdaide_Click);
}

void FrmInput::cmdok_Click() {
  const std::string box = StoreInput(core::App(), infotxt_->text().toStdString(), windowTitle().toStdString());
  infotxt_->setText(Q(box));
  accept();
}

void FrmInput::cmdannuler_Click() { reject(); }

void FrmInput::reject() {
  core::App().dialogCancelled = true;
  QDialog::reject();
}

void FrmInput::cmdaide_Click() { platform::ShowHelpTopic(InputHelpTopic(core::App().inputKind)); }

}  // namespace features
