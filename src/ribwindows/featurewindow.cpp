#include "ribwindows/featurewindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"

namespace ribwindows {


CaptionedBox AddCaptionedBox(QGridLayout* grid, int row, const QString& name, const std::string& caption,
                             const std::string& toolTip, const QString& keys) {
  auto* parent = grid->parentWidget();
  auto* label = new QLabel(Q(caption), parent);
  label->setObjectName(name + "_caption");
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMinimumWidth(90);
  label->setBuddy(box);
  if (!toolTip.empty()) {
    box->setToolTip(Q(toolTip));
    label->setToolTip(Q(toolTip));
  }
  if (!keys.isEmpty()) new KeyFilter(box, keys);
  grid->addWidget(label, row, 0);
  grid->addWidget(box, row, 1);
  return {label, box};
}

QLabel* AddUnitLabel(QGridLayout* grid, int row, const std::string& unit) {
  auto* label = new QLabel(Q(unit), grid->parentWidget());
  label->setObjectName(QString("unit%1").arg(row));
  grid->addWidget(label, row, 2);
  return label;
}

std::string UnitWord(const std::string& unitText) {
  const std::size_t start = unitText.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : unitText.substr(start);
}

DialogButtons AddDialogButtons(QDialog* dialog, int helpTopic) {
  DialogButtons b{};
  b.box = new QDialogButtonBox(dialog);
  b.ok = b.box->addButton(Q(platform::Text(keys::OkButton)), QDialogButtonBox::AcceptRole);
  b.ok->setObjectName("cmdok");
  b.apply = b.box->addButton(Q(platform::Text(keys::ApplyButton)), QDialogButtonBox::ApplyRole);
  b.apply->setObjectName("CmdApply");
  b.cancel = b.box->addButton(Q(platform::Text(keys::CancelButton)), QDialogButtonBox::RejectRole);
  b.cancel->setObjectName("cmdannuler");
  b.help = b.box->addButton(Q(platform::Text(keys::HelpButton)), QDialogButtonBox::HelpRole);
  b.help->setObjectName("cmdaide");
  // Enter applies and shows the result; OK closes.
  for (QPushButton* button : {b.ok, b.cancel, b.help}) button->setAutoDefault(false);
  b.apply->setDefault(true);
  QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  QObject::connect(b.help, &QPushButton::clicked, dialog, [helpTopic] { platform::ShowHelpTopic(helpTopic); });
  return b;
}

CloseAndHelp AddCloseAndHelp(QDialogButtonBox* box, QDialog* dialog) {
  CloseAndHelp b{};
  b.close = box->addButton(Q(platform::Text(keys::CloseButton)), QDialogButtonBox::RejectRole);
  b.close->setObjectName("cmdfermer");
  b.close->setAutoDefault(false);
  b.help = box->addButton(Q(platform::Text(keys::HelpButton)), QDialogButtonBox::HelpRole);
  b.help->setObjectName("cmdaide");
  b.help->setAutoDefault(false);
  QObject::connect(b.close, &QPushButton::clicked, dialog, &QDialog::reject);
  return b;
}

QPushButton* AddRemoveButton(const DialogButtons& buttons, const std::string& caption, bool enabled) {
  QPushButton* remove = buttons.box->addButton(Q(caption), QDialogButtonBox::DestructiveRole);
  remove->setObjectName("cmdremove");
  remove->setAutoDefault(false);
  remove->setEnabled(enabled);
  return remove;
}

}  // namespace ribwindows
