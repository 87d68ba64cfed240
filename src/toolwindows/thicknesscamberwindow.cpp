#include "toolwindows/thicknesscamberwindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/airfoilcommands.h"
#include "commands/airfoiltools.h"
#include "core/typednumber.h"
#include "core/numformat.h"
#include "files/derivedairfoil.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"

namespace toolwindows {

using platform::Text;

namespace {

using platform::Q;

QLabel* Caption(const std::string& text, QWidget* parent) { return new QLabel(Q(text), parent); }

// A length of the chord in the unit in force, as the window shows it.
std::string ThicknessInUnit(double chordMm, double fraction, const std::string& unitText) {
  const double mm = chordMm * fraction;
  const double value = unitText == " in" ? mm / 25.4 : mm;
  return core::ScreenNumberText(core::FormatNumber(value, "# ###.###")) + unitText;
}

}  // namespace

ThicknessCamberWindow::ThicknessCamberWindow(core::RibDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName("frmEpCourb");
  setWindowTitle(Q(Text(keys::ThicknessCamberCaption)));
  document_.view.thicknessCamberShown = false;

  auto readOnly = [this](const std::string& text, const char* name) {
    auto* box = new QLineEdit(Q(text), this);
    box->setObjectName(name);
    ribwindows::MakeShowOnly(box);
    return box;
  };
  auto* grid = new QGridLayout;
  grid->addWidget(Caption(Text(keys::CurrentValuesHeading), this), 0, 1);
  grid->addWidget(Caption(Text(keys::NewValuesHeading), this), 0, 2);
  grid->addWidget(Caption(Text(keys::ThicknessBoxesLabel), this), 1, 0);
  grid->addWidget(Caption(Text(keys::CamberBoxesLabel), this), 2, 0);
  grid->addWidget(Caption(Text(keys::NewThicknessInUnitLabel), this), 3, 0);
  grid->addWidget(readOnly(core::FormatNumber(document_.prepared.maxThickness * 100, "#0.00"), "txtEpROr"), 1, 1);
  grid->addWidget(readOnly(core::FormatNumber(document_.prepared.maxCamber * 100, "#0.00"), "txtCourbureOr"), 2, 1);
  grid->addWidget(
      Caption(ThicknessInUnit(document_.rib.chord.mm, document_.prepared.maxThickness, document_.settings.unitText),
              this),
      3, 1);
  thickness_ = new QLineEdit(Q(core::FormatNumber(document_.prepared.maxThickness * 100, "#0.00")), this);
  thickness_->setObjectName("txtEpR");
  camber_ = new QLineEdit(Q(core::FormatNumber(document_.prepared.maxCamber * 100, "#0.00")), this);
  camber_->setObjectName("txtCourbure");
  new ribwindows::KeyFilter(thickness_, Q(core::NumberKeys()));
  new ribwindows::KeyFilter(camber_, Q(core::NumberKeys()));
  newThicknessMm_ = new QLabel(this);
  newThicknessMm_->setObjectName("Label5");
  grid->addWidget(thickness_, 1, 2);
  grid->addWidget(camber_, 2, 2);
  grid->addWidget(newThicknessMm_, 3, 2);

  auto* buttons = new QDialogButtonBox(this);
  auto add = [buttons](const std::string& text, QDialogButtonBox::ButtonRole role, const char* name) {
    QPushButton* b = buttons->addButton(Q(text), role);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  apply_ = add(Text(keys::ApplyButton), QDialogButtonBox::ApplyRole, "CmdApply");
  save_ = add(Text(keys::SaveButton), QDialogButtonBox::ActionRole, "cmdsave");
  printButton_ = add(Text(keys::ThicknessCamberPrintButton), QDialogButtonBox::ActionRole, "cmdprintEC");
  ok_ = add(Text(keys::OkButton), QDialogButtonBox::AcceptRole, "cmdok");
  cancel_ = add(Text(keys::CancelButton), QDialogButtonBox::RejectRole, "cmdannuler");
  QPushButton* help = add(Text(keys::HelpButton), QDialogButtonBox::HelpRole, "cmdaide");
  // Enter shows the new airfoil; OK also saves and opens it, which Enter should not start.
  apply_->setDefault(true);
  // Handing its focus to its first button, the box would keep Tab going round four of them.
  buttons->setFocusProxy(nullptr);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(save_, &QPushButton::clicked, this, [this] { Save(); });
  connect(printButton_, &QPushButton::clicked, this, [this] { Print(); });
  connect(ok_, &QPushButton::clicked, this, [this] { Ok(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
  connect(help, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicAirfoilTools); });
  thickness_->setFocus();
}

bool ThicknessCamberWindow::Apply() {
  if (ribwindows::ShowUnreadableBox(this)) return false;
  const commands::ThicknessCamberApplied applied = commands::ApplyThicknessCamber(
      document_, thickness_->text().toStdString(), camber_->text().toStdString(), windowTitle().toStdString());
  thickness_->setText(Q(applied.thicknessText));
  camber_->setText(Q(applied.camberText));
  if (!applied.ok) {
    newThicknessMm_->clear();
    return false;
  }
  appliedTexts_[0] = applied.thicknessText;
  appliedTexts_[1] = applied.camberText;
  newThicknessMm_->setText(Q(ThicknessInUnit(document_.rib.chord.mm, document_.rib.reshape.newThickness,
                                             document_.settings.unitText)));
  return true;
}

std::string ThicknessCamberWindow::Save() {
  if (!Applied()) {
    platform::Inform(Text(keys::SaveOrPrintBeforeApply), windowTitle().toStdString());
    return std::string();
  }
  const std::string contents = commands::ThicknessCamberContents(document_, appliedTexts_[0], appliedTexts_[1]);
  const std::string path = commands::SaveDerivedAirfoil(
      document_, commands::DerivedAirfoilTool::ThicknessCamber, Text(keys::ThicknessCamberSaveTitle),
      Text(keys::FilesWord), files::ThicknessCamberFileName(document_.airfoil.name, appliedTexts_[0], appliedTexts_[1]),
      contents);
  if (!path.empty()) {
    savedPath_ = path;
    savedTexts_ = contents;
  }
  return path;
}

void ThicknessCamberWindow::Print() {
  if (!Applied()) {
    platform::Inform(Text(keys::SaveOrPrintBeforeApply), windowTitle().toStdString());
    return;
  }
  if (print_) print_();
}

void ThicknessCamberWindow::Ok() {
  if (!Apply()) return;
  std::string path = savedPath_;
  // Saved already, unless the airfoil changed since.
  if (path.empty() || savedTexts_ != commands::ThicknessCamberContents(document_, appliedTexts_[0], appliedTexts_[1]))
    path = Save();
  if (path.empty()) {
    platform::Inform(Text(keys::ModifiedAirfoilNotSaved), windowTitle().toStdString(), platform::BoxIcon::Exclamation);
    return;
  }
  accept();
  // Opening it makes the derived airfoil the current one and ends the view.
  commands::OpenRecentAirfoil(document_, path);
  if (document_.airfoil.path != path) commands::EndThicknessCamber(document_);
}

void ThicknessCamberWindow::reject() {
  commands::EndThicknessCamber(document_);
  QDialog::reject();
}

}  // namespace toolwindows
