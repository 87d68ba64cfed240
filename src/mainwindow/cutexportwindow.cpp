#include "mainwindow/cutexportwindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/typednumber.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"

namespace mainwindow {

namespace {

using platform::Q;

constexpr output::CutFormat kFormats[3] = {output::CutFormat::DxfR12, output::CutFormat::DxfR2000,
                                           output::CutFormat::Svg};

}  // namespace

CutExportWindow::CutExportWindow(QWidget* parent) : QDialog(parent), settings_(commands::LoadCutSettings()) {
  setObjectName("frmcut");
  setWindowTitle(platform::T(keys::CutExportCaption));

  auto* formatGroup = new QGroupBox(platform::T(keys::CutFormatFrame), this);
  auto* formatLayout = new QVBoxLayout(formatGroup);
  const platform::TextKey captions[3] = {keys::DxfR12Choice, keys::DxfR2000Choice, keys::SvgChoice};
  const char* names[3] = {"optr12", "optr2000", "optsvg"};
  for (int i = 0; i < 3; ++i) {
    formats_[i] = new QRadioButton(platform::T(captions[i]), formatGroup);
    formats_[i]->setObjectName(names[i]);
    formats_[i]->setChecked(kFormats[i] == settings_.format);
    formatLayout->addWidget(formats_[i]);
  }

  kerf_ = new QLineEdit(Q(commands::KerfText(settings_.kerfMm)), this);
  kerf_->setObjectName("txtkerf");
  kerf_->setToolTip(platform::T(keys::KerfTip));
  kerfFilter_ = new ribwindows::KeyFilter(kerf_, Q(core::NumberKeys()));
  auto* form = new QFormLayout;
  form->addRow(platform::T(keys::KerfCaption), kerf_);

  marks_ = new QCheckBox(platform::T(keys::CutMarksCheck), this);
  marks_->setObjectName("chkmarks");
  marks_->setChecked(settings_.marks);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Q(platform::Text(keys::OkButton)), QDialogButtonBox::AcceptRole);
  ok_->setObjectName("cmdok");
  ok_->setDefault(true);
  cancel_ = buttons->addButton(Q(platform::Text(keys::CancelButton)), QDialogButtonBox::RejectRole);
  cancel_->setObjectName("cmdannuler");
  help_ = buttons->addButton(Q(platform::Text(keys::HelpButton)), QDialogButtonBox::HelpRole);
  help_->setObjectName("cmdaide");
  help_->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, [this] { Accept(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(help_, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicMain); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(formatGroup);
  layout->addLayout(form);
  layout->addWidget(marks_);
  layout->addWidget(buttons);
}

QRadioButton* CutExportWindow::FormatButton(output::CutFormat format) const {
  for (int i = 0; i < 3; ++i)
    if (kFormats[i] == format) return formats_[i];
  return nullptr;
}

void CutExportWindow::Accept() {
  output::CutFormat format = settings_.format;
  for (int i = 0; i < 3; ++i)
    if (formats_[i]->isChecked()) format = kFormats[i];
  std::string why;
  std::optional<commands::CutSettings> chosen =
      commands::SettingsFromWindow(format, kerf_->text().trimmed().toStdString(), marks_->isChecked(), why);
  if (!chosen) {
    // The window stays open on the box to be corrected.
    platform::Inform(why, windowTitle().toStdString(), platform::BoxIcon::Exclamation);
    kerf_->setFocus();
    kerf_->selectAll();
    return;
  }
  settings_ = *chosen;
  commands::StoreCutSettings(settings_);
  accept();
}

}  // namespace mainwindow
