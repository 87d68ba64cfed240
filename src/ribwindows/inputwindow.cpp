#include "ribwindows/inputwindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/ribwarningtext.h"
#include "core/lengths.h"
#include "core/ribwarnings.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "ribwindows/boxreading.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/labelroom.h"
#include "platform/help.h"
#include "platform/texts.h"

namespace ribwindows {

namespace {
using platform::Q;
}  // namespace

InputWindow::InputWindow(core::RibDocument& document, InputKind kind, QWidget* parent)
    : QDialog(parent), document_(document), kind_(kind) {
  setObjectName("frmInput");

  prompt_ = new QLabel(this);
  prompt_->setObjectName("msgtxt");
  prompt_->setWordWrap(true);
  valueBox_ = new QLineEdit(this);
  valueBox_->setObjectName("infotxt");
  warning_ = new QLabel(this);
  warning_->setObjectName("lblwarning");
  warning_->setWordWrap(true);
  warning_->setStyleSheet("color: rgb(176, 0, 0);");
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(Q(platform::Text(keys::OkButton)), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName("cmdok");
  okButton_->setDefault(true);
  cancelButton_ = buttons->addButton(Q(platform::Text(keys::CancelButton)), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName("cmdannuler");
  helpButton_ = buttons->addButton(Q(platform::Text(keys::HelpButton)), QDialogButtonBox::HelpRole);
  helpButton_->setObjectName("cmdaide");
  cancelButton_->setAutoDefault(false);
  helpButton_->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(valueBox_);
  // Room for the longest warning from the start (an unreadable inch length, a sheeting that
  // fills the rib), so that nothing moves when one shows.
  auto* warningRoom = new LabelRoom(this);
  warningRoom->Add(warning_);
  QStringList longest = {Q(UnreadableText("0.000000", " in"))};
  if (kind_ == InputKind::Sheeting)
    longest << Q(commands::RibWarningText({core::RibWarning::SheetingFillsRib, -1, 88.888}, " in"));
  warningRoom->Reserve(longest);
  layout->addWidget(warningRoom);
  warningRoom->setVisible(kind_ != InputKind::ReferenceLines);
  layout->addWidget(buttons);
  setMinimumWidth(360);

  const InputTexts texts = InputWindowTexts(kind_, document_);
  prompt_->setText(Q(texts.prompt));
  setWindowTitle(Q(texts.title));
  valueBox_->setText(Q(texts.boxText));
  valueBox_->selectAll();
  new KeyFilter(valueBox_, Q(core::LengthKeys(document_.settings.unitText)));

  ShowWarning();

  connect(valueBox_, &QLineEdit::textChanged, this, &InputWindow::ShowWarning);
  connect(okButton_, &QPushButton::clicked, this, &InputWindow::Store);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] { platform::ShowHelpTopic(InputHelpTopic(kind_)); });
}

void InputWindow::ShowWarning() {
  if (kind_ == InputKind::ReferenceLines) return;
  const std::string& unit = document_.settings.unitText;
  const std::string typed = valueBox_->text().toStdString();
  if (UnreadableLength(typed, unit)) {
    warning_->setText(Q(UnreadableText(typed, unit)));
    return;
  }
  if (kind_ != InputKind::Sheeting) {
    warning_->clear();
    return;
  }
  const float sheeting = core::LengthFromText(typed, unit);
  warning_->setText(Q(commands::RibWarningText(core::SheetingWarning(document_, sheeting), unit)));
}

void InputWindow::Store() {
  const StoredInput stored =
      StoreInput(document_, kind_, valueBox_->text().toStdString(), windowTitle().toStdString());
  valueBox_->setText(Q(stored.boxText));
  if (stored.refused) {
    valueBox_->setFocus();
    valueBox_->selectAll();
    return;
  }
  changed_ = stored.changed;
  accept();
}

}  // namespace ribwindows
