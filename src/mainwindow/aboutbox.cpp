#include "mainwindow/aboutbox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ribdocument.h"
#include "mainwindow/splash.h"
#include "platform/account.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/userstore.h"
#include "platform/texts.h"
#include "ribwindows/labelroom.h"

namespace mainwindow {

using platform::Text;

namespace {
using platform::Q;

// The English words stand where a language file lacks them.
std::string TextOr(platform::TextKey key, const char* english) {
  std::string text = Text(key);
  return text.empty() ? english : text;
}
std::string Credit() {
  return TextOr(keys::AboutCredit, "Vandrell, full-size rib drawings for model aircraft builders.");
}
std::string Disclaimer() {
  return TextOr(keys::AboutDisclaimer,
                "This program is provided as it is, without any warranty. Check every drawing before you "
                "cut: the authors accept no liability for material, time or models lost through its use.");
}
}  // namespace

AboutBox::AboutBox(const std::string& versionText, QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(Q(Text(keys::AboutCaption)));
  auto label = [this](const char* name, const std::string& text) {
    auto* l = new QLabel(Q(text), this);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
  };
  auto* image = new QLabel(this);
  image->setObjectName("picIcon");
  image->setPixmap(ProgramPicture(QSize(160, 90)));
  QLabel* title = label("lblTitle", Text(keys::AboutTitleLine));
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  title->setFont(big);
  label("lblversion", Text(keys::VersionWord) + " " + versionText);
  // A line with nothing after its label says nothing: the account's name stands in for a
  // name the store lacks, and a missing organisation leaves its line out.
  std::string user = platform::CurrentUserStore().Get(platform::kUserStoreInstall, platform::kUserName);
  if (user.empty()) user = platform::AccountUserName();
  const std::string organisation =
      platform::CurrentUserStore().Get(platform::kUserStoreInstall, platform::kUserOrganisation);
  label("lblNom", Text(keys::AboutUserBefore) + " " + user)->setVisible(!user.empty());
  label("lblOrganisation", Text(keys::AboutOrganisationBefore) + " " + organisation)->setVisible(!organisation.empty());
  label("lblDescription", Credit() + " " + Text(keys::AboutDescription));
  label("lblDisclaimer", Disclaimer());
  label("LblTrad", Text(keys::AboutTranslatorLine1) + " " + Text(keys::AboutTranslatorLine2) + " " +
                       Text(keys::AboutTranslatorLine3));
  auto* buttonBox = new QDialogButtonBox(Qt::Vertical, this);
  okButton_ = buttonBox->addButton(Q(Text(keys::OkButton)), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName("cmdok");
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  for (const char* name : {"lblTitle", "lblversion", "lblNom", "lblOrganisation", "lblDescription", "LblTrad"})
    text->addWidget(Label(name));
  auto* top = new QHBoxLayout;
  top->addWidget(image, 0, Qt::AlignTop);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Label("lblDisclaimer"), 1);
  buttons->addWidget(buttonBox, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  setMinimumWidth(520);
  ribwindows::KeepWrappedTextsWhole(*this);
}

QLabel* AboutBox::Label(const char* name) const { return findChild<QLabel*>(name); }

}  // namespace mainwindow
