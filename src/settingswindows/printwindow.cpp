#include "settingswindows/printwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commands/printcommand.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/ribconstruction.h"
#include "files/settings.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/labelroom.h"

namespace settingswindows {

namespace {

using platform::Q;
using platform::T;

// A length for the indicators, "# ###.###" in the unit in force, with the unit.
QString Shown(double mm, const std::string& unit) {
  const double value = unit == " in" ? mm / 25.4 : mm;
  return Q(core::ScreenNumberText(core::FormatNumber(value, "# ###.###")) + unit);
}

// The stored texts and lengths of the four boxes, in box order.
core::Length core::PrintSetup::* const kBoxFields[kPrintBoxCount] = {
    &core::PrintSetup::chordLineFromTop, &core::PrintSetup::topMargin, &core::PrintSetup::bottomMargin,
    &core::PrintSetup::overlap};
const platform::TextKey kBoxCaptions[kPrintBoxCount] = {keys::ChordLinePositionCaption, keys::StartMarginCaption,
                                                        keys::EndMarginCaption, keys::OverlapCaption};

}  // namespace

PrintWindow::PrintWindow(core::RibDocument& document, double printerPaperHeightMm, QWidget* parent)
    : QDialog(parent),
      document_(document),
      printerPaperHeightMm_(printerPaperHeightMm),
      printedLengthMm_(core::PrintedLength(document)) {
  setObjectName("frmPrint");
  setWindowTitle(T(keys::PrintSetupTitle));
  const std::string& unit = document_.settings.unitText;

  // Tab walks the boxes in the order they are made here.
  auto* grid = new QGridLayout;
  const int row = AddPaperAndBoxes(grid);
  AddIndicators(grid, row);
  QDialogButtonBox* buttons = BuildButtons();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  // The printed length shows the blocks when they are drawn; the rib's height as the box
  // always showed it: the chord times the airfoil's highest ordinate.
  printedLength_->setText(Shown(printedLengthMm_, unit));

  connect(paper_, &QComboBox::currentIndexChanged, this, &PrintWindow::Recompute);
  connect(okButton_, &QPushButton::clicked, this, &PrintWindow::Store);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicPrint); });
  connect(printerSetup_, &QPushButton::clicked, this, [] { platform::CurrentDesktop().PrinterSetup(); });
  Recompute();
}

// The paper and the four length boxes; returns the next row.
int PrintWindow::AddPaperAndBoxes(QGridLayout* grid) {
  const std::string& unit = document_.settings.unitText;
  int row = 0;
  grid->addWidget(new QLabel(T(keys::PaperListCaption), this), row, 0);
  paper_ = new QComboBox(this);
  paper_->setObjectName("Combo1");
  for (int i = 0; i < core::kPaperCount; ++i)
    paper_->addItem(i == core::kPrinterPaperIndex ? T(keys::PrinterOwnPaper) : Q(core::PaperAt(i).name));
  paper_->setCurrentIndex(document_.print.paperIndex < core::kPaperCount ? document_.print.paperIndex : 0);
  grid->addWidget(paper_, row++, 1, 1, 2);

  for (int i = 0; i < kPrintBoxCount; ++i) {
    auto* caption = new QLabel(T(kBoxCaptions[i]), this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text1_%1").arg(i));
    box->setText(Q((document_.print.*kBoxFields[i]).text));
    caption->setBuddy(box);
    new ribwindows::KeyFilter(box, Q(core::LengthKeys(unit)));
    auto* unitLabel = new QLabel(Q(unit), this);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(unitLabel, row++, 2);
    boxes_[static_cast<std::size_t>(i)] = box;
    unitLabels_[static_cast<std::size_t>(i)] = unitLabel;
    connect(box, &QLineEdit::textChanged, this, &PrintWindow::Recompute);
  }
  return row;
}

void PrintWindow::AddIndicators(QGridLayout* grid, int row) {
  // Read-only indicators: what the values give.
  oneSheet_ = new QRadioButton(T(keys::OneSheetIndicator), this);
  oneSheet_->setObjectName("Option1");
  severalSheets_ = new QRadioButton(T(keys::SeveralSheetsIndicator), this);
  severalSheets_->setObjectName("Option2");
  for (QRadioButton* r : {oneSheet_, severalSheets_}) r->setEnabled(false);
  grid->addWidget(oneSheet_, row, 0);
  grid->addWidget(severalSheets_, row++, 1, 1, 2);
  grid->addWidget(new QLabel(T(keys::PageCountCaption), this), row, 0);
  pageCount_ = new QLabel(this);
  pageCount_->setObjectName("Label10");
  grid->addWidget(pageCount_, row++, 1, 1, 2);
  grid->addWidget(new QLabel(T(keys::UsableLengthCaption), this), row, 0);
  usable_ = new QLabel(this);
  usable_->setObjectName("LabelUsable");
  grid->addWidget(usable_, row++, 1, 1, 2);
  grid->addWidget(new QLabel(T(keys::PrintedLengthCaption), this), row, 0);
  printedLength_ = new QLabel(this);
  printedLength_->setObjectName("Label9");
  grid->addWidget(printedLength_, row++, 1, 1, 2);
  grid->addWidget(new QLabel(T(keys::RibHeightCaption), this), row, 0);
  ribHeight_ = new QLabel(this);
  ribHeight_->setObjectName("Label11");
  grid->addWidget(ribHeight_, row++, 1, 1, 2);
  grid->addWidget(new QLabel(T(keys::RoomCaption), this), row, 0);
  room_ = new QLabel(this);
  room_->setObjectName("LabelRoom");
  grid->addWidget(room_, row++, 1, 1, 2);
  cutOff_ = new QLabel(this);
  cutOff_->setObjectName("LabelCutOff");
  cutOff_->setWordWrap(true);
  cutOff_->setStyleSheet("color: #b00000; font-weight: bold");
  // Its room is kept whether the rib fits or not: the window neither grows nor cuts it.
  auto* cutOffRoom = new ribwindows::LabelRoom(this);
  cutOffRoom->Add(cutOff_);
  cutOffRoom->Reserve({T(keys::PrintCutOff)});
  grid->addWidget(cutOffRoom, row++, 0, 1, 3);

  extras_ = new QCheckBox(T(keys::ScaleBarSwitch), this);
  extras_->setObjectName("chkExtras");
  extras_->setChecked(commands::SheetExtrasWanted());
  grid->addWidget(extras_, row++, 0, 1, 3);
}

QDialogButtonBox* PrintWindow::BuildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(T(keys::OkButton), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName("cmdok");
  okButton_->setDefault(true);
  cancelButton_ = buttons->addButton(T(keys::CancelButton), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName("cmdannuler");
  helpButton_ = buttons->addButton(T(keys::HelpButton), QDialogButtonBox::HelpRole);
  helpButton_->setObjectName("cmdaide");
  printerSetup_ = buttons->addButton(T(keys::PrinterSetupButton), QDialogButtonBox::ActionRole);
  printerSetup_->setObjectName("cmdconfigImprim");
  for (QPushButton* b : {cancelButton_, helpButton_, printerSetup_}) b->setAutoDefault(false);
  return buttons;
}

core::PrintSetup PrintWindow::Draft() const {
  core::PrintSetup draft = document_.print;
  for (int i = 0; i < kPrintBoxCount; ++i)
    draft.*kBoxFields[i] = core::TypedLength(boxes_[static_cast<std::size_t>(i)]->text().toStdString(),
                                             document_.settings.unitText);
  draft.paperIndex = static_cast<std::uint8_t>(std::max(0, paper_->currentIndex()));
  return draft;
}

core::PagePlan PrintWindow::Plan() const { return core::PlanPages(Draft(), printedLengthMm_, document_.rib.chord.mm); }

void PrintWindow::Recompute() {
  const std::string& unit = document_.settings.unitText;
  const core::PrintSetup draft = Draft();
  const core::PagePlan plan = Plan();
  oneSheet_->setChecked(plan.pageCount <= 1);
  severalSheets_->setChecked(plan.pageCount > 1);
  QFont bold = pageCount_->font();
  bold.setBold(plan.problem == core::TilingProblem::NeedsOverlap);
  pageCount_->setFont(bold);
  if (plan.problem == core::TilingProblem::NoRoom) {
    pageCount_->setText(T(keys::NoUsableLength));
    usable_->setText(Shown(plan.usableLengthMm, unit));
  } else if (plan.printerPaper) {
    pageCount_->setText("1");
    usable_->setText(QString());
  } else {
    QString count = QString::number(plan.pageCount);
    if (plan.problem == core::TilingProblem::NeedsOverlap) count += "   " + T(keys::SeveralSheetsNoOverlap);
    pageCount_->setText(count);
    usable_->setText(Shown(plan.usableLengthMm, unit));
  }

  // How far the rib reaches above and below the chord line, against the room the sheet
  // leaves there.
  const double sheetHeight =
      draft.paperIndex == core::kPrinterPaperIndex ? printerPaperHeightMm_ : core::PaperAt(draft.paperIndex).widthMm;
  const core::SheetFit fit = core::FitOnSheet(document_, draft.chordLineFromTop.mm, sheetHeight);
  auto text = [&unit](double mm) { return Shown(mm, unit); };
  ribHeight_->setText(text(core::RibHeightMm(document_)) + "   (" + T(keys::RibDepthBelowChordLine) + " " +
                      text(fit.belowMm) + ")");
  if (sheetHeight > 0)
    room_->setText(text(fit.roomAboveMm) + "   (" + T(keys::RoomBelowChordLine) + " " + text(fit.roomBelowMm) + ")");
  else
    room_->setText(text(fit.roomAboveMm));
  const bool cutOff = fit.cutOff;
  cutOff_->setText(cutOff ? T(keys::PrintCutOff) : QString());
}

void PrintWindow::Store() {
  if (ribwindows::ShowUnreadableBox(this)) return;
  const core::PagePlan plan = Plan();
  if (plan.problem == core::TilingProblem::NoRoom) {
    platform::Inform(platform::Text(keys::NoUsableLength), platform::Text(keys::ErrorWord),
                     platform::BoxIcon::Information);
    QLineEdit* overlap = Box(PrintBox::Overlap);
    overlap->setFocus();
    overlap->selectAll();
    return;
  }
  if (plan.problem == core::TilingProblem::NeedsOverlap) {
    platform::Inform(platform::Text(keys::SeveralSheetsNoOverlap) + " " + std::to_string(plan.pageCount),
                     windowTitle().toStdString(), platform::BoxIcon::Exclamation);
    QLineEdit* overlap = Box(PrintBox::Overlap);
    overlap->setFocus();
    overlap->selectAll();
    return;
  }
  document_.print = Draft();
  files::WriteMarginSettings(document_);
  commands::SetSheetExtrasWanted(extras_->isChecked());
  accept();
}

}  // namespace settingswindows
