#include "settingswindows/defaultswindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/lengths.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/restart.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"

namespace settingswindows {

using platform::Text;

namespace {
using platform::Q;
using platform::T;

// Box labels of the six lengths, in box order.
constexpr platform::TextKey kLengthLabels[kDefaultLengthCount] = {
    keys::DefaultChordLabel,       keys::DefaultSheetingLabel,   keys::DefaultLeadingEdgeLabel,
    keys::DefaultBlockHeightLabel, keys::DefaultBlockFrontLabel, keys::DefaultBlockRearLabel};
}  // namespace

DefaultsWindow::DefaultsWindow(core::RibDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName("frmdefaut");
  setWindowTitle(T(keys::DefaultsCaption));

  // Tab walks the boxes in the order they are made here.
  QGroupBox* unitFrame = BuildUnitFrame();
  QGroupBox* ribFrame = BuildLengthFrame("Frame1", keys::DefaultDimensionsFrame, 0, 2);
  QGroupBox* blockFrame = BuildLengthFrame("Frame2", keys::DefaultBlockFrame, 3, 5);
  QGroupBox* airfoilFrame =
      BuildFolderFrame("Frame3", keys::AirfoilFolderFrame, "txtdefprof", "cmdrecherche", airfoilDir_, airfoilBrowse_);
  QGroupBox* seriesFrame = BuildFolderFrame("Frame4", keys::SeriesFolderFrame, "txtdefprofevol", "cmdrechercheevol",
                                            seriesDir_, seriesBrowse_);
  QDialogButtonBox* buttons = BuildButtons();

  // One column but for the unit beside the rib's lengths: long labels stay on one line and
  // the window fits a small screen at 144 dpi.
  auto* unitAndRib = new QHBoxLayout;
  unitAndRib->addWidget(unitFrame);
  unitAndRib->addWidget(ribFrame, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(unitAndRib);
  layout->addWidget(blockFrame);
  layout->addWidget(airfoilFrame);
  layout->addWidget(seriesFrame);
  layout->addWidget(buttons);

  Show(DraftFromSettings(document_));

  connect(mm_, &QRadioButton::toggled, this, [this](bool on) { if (on) UnitChosen(" mm"); });
  connect(inches_, &QRadioButton::toggled, this, [this](bool on) { if (on) UnitChosen(" in"); });
  connect(okButton_, &QPushButton::clicked, this, &DefaultsWindow::Store);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicSettings); });
}

QGroupBox* DefaultsWindow::BuildUnitFrame() {
  auto* unitFrame = new QGroupBox(T(keys::UnitFrame), this);
  unitFrame->setObjectName("Frame5");
  mm_ = new QRadioButton(T(keys::MillimetresOption), unitFrame);
  mm_->setObjectName("mm");
  inches_ = new QRadioButton(T(keys::InchesOption), unitFrame);
  inches_->setObjectName("inches");
  auto* unitLayout = new QVBoxLayout(unitFrame);
  unitLayout->addWidget(mm_);
  unitLayout->addWidget(inches_);
  unitLayout->addStretch();
  return unitFrame;
}

// The length boxes `first` to `last`, each with its label and unit.
QGroupBox* DefaultsWindow::BuildLengthFrame(const char* name, platform::TextKey caption, int first, int last) {
  auto* frame = new QGroupBox(T(caption), this);
  frame->setObjectName(name);
  auto* grid = new QGridLayout(frame);
  grid->setColumnStretch(0, 1);
  for (int i = first; i <= last; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    auto* label = new QLabel(T(kLengthLabels[slot]), frame);
    boxes_[slot] = new QLineEdit(frame);
    boxes_[slot]->setObjectName(QString("txtdef%1").arg(i));
    boxes_[slot]->setMaximumWidth(110);
    boxes_[slot]->setMinimumWidth(70);  // beside the unit, long labels would squeeze it
    label->setBuddy(boxes_[slot]);
    unitLabels_[slot] = new QLabel(frame);
    unitLabels_[slot]->setObjectName(QString("lblunit%1").arg(i));
    filters_[slot] = new ribwindows::KeyFilter(boxes_[slot], QString());
    const int row = i - first;
    grid->addWidget(label, row, 0);
    grid->addWidget(boxes_[slot], row, 1);
    grid->addWidget(unitLabels_[slot], row, 2);
  }
  return frame;
}

QGroupBox* DefaultsWindow::BuildFolderFrame(const char* name, platform::TextKey caption, const char* boxName,
                                            const char* buttonName, QLineEdit*& box, QPushButton*& button) {
  auto* frame = new QGroupBox(T(caption), this);
  frame->setObjectName(name);
  box = new QLineEdit(frame);
  box->setObjectName(boxName);
  box->setMinimumWidth(320);
  button = new QPushButton("...", frame);
  button->setObjectName(buttonName);
  button->setToolTip(T(keys::BrowseTip));
  button->setAutoDefault(false);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(box, 1);
  row->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this, b = box] { Browse(b); });
  return frame;
}

QDialogButtonBox* DefaultsWindow::BuildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(T(keys::SettingsOkButton), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName("cmdok");
  okButton_->setToolTip(T(keys::DefaultsOkTip));
  okButton_->setDefault(true);
  cancelButton_ = buttons->addButton(T(keys::CancelButton), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName("cmdannuler");
  cancelButton_->setAutoDefault(false);
  helpButton_ = buttons->addButton(T(keys::HelpButton), QDialogButtonBox::HelpRole);
  helpButton_->setObjectName("cmdaide");
  helpButton_->setAutoDefault(false);
  return buttons;
}

void DefaultsWindow::Show(const DefaultsDraft& draft) {
  {
    QSignalBlocker blockMm(mm_);
    QSignalBlocker blockInches(inches_);
    (draft.unitText == " in" ? inches_ : mm_)->setChecked(true);
  }
  const QString keys = Q(core::LengthKeys(draft.unitText));
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->setText(Q(draft.lengths[i]));
    unitLabels_[i]->setText(Q(draft.unitText));
    filters_[i]->SetAllowed(keys);
  }
  print_ = draft.print;
  airfoilDir_->setText(Q(draft.airfoilDir));
  seriesDir_->setText(Q(draft.seriesDir));
}

DefaultsDraft DefaultsWindow::Draft() const {
  DefaultsDraft draft;
  draft.unitText = inches_->isChecked() ? " in" : " mm";
  for (std::size_t i = 0; i < boxes_.size(); ++i) draft.lengths[i] = boxes_[i]->text().toStdString();
  draft.print = print_;
  draft.airfoilDir = airfoilDir_->text().toStdString();
  draft.seriesDir = seriesDir_->text().toStdString();
  return draft;
}

void DefaultsWindow::UnitChosen(const std::string& unitText) {
  DefaultsDraft draft = Draft();
  ChooseUnit(draft, unitText);
  Show(draft);
}

void DefaultsWindow::Browse(QLineEdit* box) {
  std::string folder = box->text().toStdString();
  if (platform::CurrentFileDialogs().BrowseForFolder(Text(keys::FolderChooserTitle), folder)) box->setText(Q(folder));
}

void DefaultsWindow::Store() {
  const DefaultsDraft draft = Draft();
  const DefaultsProblem problem = CheckDefaults(draft);
  if (problem.kind != DefaultsProblem::None) {
    platform::Inform(ProblemText(problem, draft), windowTitle().toStdString(), platform::BoxIcon::Exclamation);
    QLineEdit* box = problem.lengthIndex >= 0                                   ? boxes_[static_cast<std::size_t>(problem.lengthIndex)]
                     : problem.kind == DefaultsProblem::MissingAirfoilDir ? airfoilDir_
                                                                              : seriesDir_;
    box->setFocus();
    box->selectAll();
    return;
  }
  if (UnitChanges(draft, document_)) {
    if (platform::AskYesNo(UnitChangeQuestion(), platform::kProgramTitle, platform::BoxIcon::Question, true) !=
        platform::BoxAnswer::Yes) {
      // Back to the unit in force; the folders stay as typed.
      DefaultsDraft kept = DraftFromSettings(document_);
      kept.airfoilDir = draft.airfoilDir;
      kept.seriesDir = draft.seriesDir;
      Show(kept);
      return;
    }
    restartRequested_ = true;
  }
  StoreDefaults(document_, draft);
  accept();
}

void ChangeDefaults(core::RibDocument& document, QWidget& mainWindow) {
  DefaultsWindow window(document, &mainWindow);
  window.exec();
  if (!window.RestartRequested()) return;
  if (!mainWindow.close()) return;
  if (!platform::CurrentProgramRestart().StartAgain())
    platform::Inform(Text(keys::RestartFailed), platform::kProgramTitle, platform::BoxIcon::Exclamation);
}

}  // namespace settingswindows
