#include "ribwindows/tablewindow.h"

#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "ribwindows/keyfilter.h"

#include <QGroupBox>

#include <QGridLayout>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/ribwarningtext.h"
#include "platform/help.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"
#include "ribwindows/labelroom.h"
#include "ribwindows/slotlabels.h"
#include "ribwindows/windowplace.h"

namespace ribwindows {

namespace {
using platform::Q;
}  // namespace

TableWindow::TableWindow(core::RibDocument& document, const char* section, int core::ViewState::*mark,
                         std::string placeKey, int helpTopic, QWidget* parent)
    : QDialog(parent),
      document_(document),
      section_(section),
      mark_(mark),
      placeKey_(std::move(placeKey)),
      helpTopic_(helpTopic) {
  setModal(false);
  positionBox_ = new QLineEdit(this);
  positionBox_->setObjectName("Text1_0");
}

TableWindow::~TableWindow() {
  // Destroyed with its owner without closing: nobody listens any more, the mark just goes.
  if (!closing_) document_.view.*mark_ = -1;
}

QWidget* TableWindow::LabelRow() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  // The warning takes the hint's place, in room for the longest warning the boxes can bring.
  warningRoom_ = new LabelRoom(box);
  hint_ = new QLabel;
  hint_->setWordWrap(true);
  warning_ = new QLabel;
  warning_->setObjectName("lblwarning");
  warning_->setWordWrap(true);
  warning_->setStyleSheet("color: rgb(176, 0, 0);");
  warningRoom_->Add(hint_);
  warningRoom_->Add(warning_);
  labels_ = new SlotLabels(box);
  layout->addWidget(warningRoom_);
  layout->addWidget(labels_);
  connect(labels_, &SlotLabels::clicked, this, &TableWindow::Selected);
  return box;
}

void TableWindow::ShowWarning() {
  const QString warning = Q(TypedWarning());
  warning_->setText(warning);
  warningRoom_->Show(warning.isEmpty() ? hint_ : warning_);
}

void TableWindow::MeasureWarnings() {
  // The longest forms: an unreadable box in inches (its accepted forms are the longest) and
  // each warning about the rib, with a two-digit row and thickness.
  QStringList samples = {Q(UnreadableText("0.000000", " in"))};
  for (core::RibWarning what : {core::RibWarning::SheetingFillsRib, core::RibWarning::SparWithoutWidth,
                                core::RibWarning::SparThroughRib, core::RibWarning::HoleOutsideRib})
    samples << Q(commands::RibWarningText({what, 11, 88.888}, document_.settings.unitText));
  warningRoom_->Reserve(samples);
}

QWidget* TableWindow::EditButtons() {
  editButtons_ = new QWidget(this);
  auto* row = new QHBoxLayout(editButtons_);
  row->setContentsMargins(0, 0, 0, 0);
  addButton_ = new QPushButton(editButtons_);
  addButton_->setObjectName("cmdajout");
  modifyButton_ = new QPushButton(editButtons_);
  modifyButton_->setObjectName("Cmdmodif");
  deleteButton_ = new QPushButton(editButtons_);
  deleteButton_->setObjectName("Cmdeffac");
  for (QPushButton* b : {addButton_, modifyButton_, deleteButton_}) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  row->addStretch(1);
  connect(addButton_, &QPushButton::clicked, this, [this] { Run(Action::Add); });
  connect(modifyButton_, &QPushButton::clicked, this, [this] { Run(Action::Modify); });
  connect(deleteButton_, &QPushButton::clicked, this, [this] { Run(Action::Delete); });
  return editButtons_;
}

QDialogButtonBox* TableWindow::DialogButtons() {
  dialogButtons_ = new QDialogButtonBox(this);
  applyButton_ = dialogButtons_->addButton(QString(), QDialogButtonBox::ApplyRole);
  applyButton_->setObjectName("CmdApply");
  okButton_ = dialogButtons_->addButton(QString(), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName("cmdok");
  cancelButton_ = dialogButtons_->addButton(QString(), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName("cmdannuler");
  helpButton_ = dialogButtons_->addButton(QString(), QDialogButtonBox::HelpRole);
  helpButton_->setObjectName("cmdaide");
  // Enter applies and the window stays open to go on.
  for (QPushButton* b : {okButton_, cancelButton_, helpButton_}) b->setAutoDefault(false);
  applyButton_->setDefault(true);
  connect(applyButton_, &QPushButton::clicked, this, [this] { Run(Action::Apply); });
  connect(okButton_, &QPushButton::clicked, this, &TableWindow::Ok);
  connect(cancelButton_, &QPushButton::clicked, this, &TableWindow::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] { platform::ShowHelpTopic(helpTopic_); });
  // The box hands its focus on to its first button and sits between its buttons in the Tab
  // order: Tab would go round two of them for ever. Without the hand-over it is passed by.
  dialogButtons_->setFocusProxy(nullptr);
  return dialogButtons_;
}

// The spar and hole windows give their buttons the same keys, each in its own section.
void TableWindow::SetButtonTexts(const char* section, const char* hintKey) {
  using platform::Text;
  hint_->setText(Q(Text(section, hintKey)));
  MeasureWarnings();
  addButton_->setText(Q(Text(section, "B1")));
  addButton_->setToolTip(Q(Text(section, "B1T")));
  modifyButton_->setText(Q(Text(section, "B2")));
  modifyButton_->setToolTip(Q(Text(section, "B2T")));
  deleteButton_->setText(Q(Text(section, "B3")));
  deleteButton_->setToolTip(Q(Text(section, "B3T")));
  applyButton_->setText(Q(Text(keys::ApplyButton)));
  okButton_->setText(Q(Text(keys::OkButton)));
  cancelButton_->setText(Q(Text(keys::CancelButton)));
  helpButton_->setText(Q(Text(keys::HelpButton)));
}

void TableWindow::Start() {
  LoadCaptions();
  RefreshTitle();
  UseUnit();
  ShowFields();
  labels_->Show([this](int i) { return LabelFor(i); });
  ShowWarning();
  // Whatever is typed or chosen is looked at again at once.
  for (QLineEdit* box : findChildren<QLineEdit*>()) connect(box, &QLineEdit::textChanged, this, &TableWindow::ShowWarning);
  for (QAbstractButton* option : findChildren<QAbstractButton*>())
    if (option->isCheckable()) connect(option, &QAbstractButton::toggled, this, &TableWindow::ShowWarning);
  subscription_ = document_.changes.Listen([this](core::Changes what) { DocumentChanged(what); });
}

void TableWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (placed_) return;
  placed_ = true;
  PlaceWindow(this, parentWidget(), placeKey_);
  positionBox_->setFocus();
  positionBox_->selectAll();
  // The main window draws once with the row under edit marked.
  MarkChange(UnderEdit());
  document_.changes.Announce(core::Change::View);
}

void TableWindow::Run(Action action) { Finish(Act(action)); }

void TableWindow::Selected(int index) { Finish(SelectRow(index)); }

void TableWindow::Ok() {
  Run(Action::Apply);
  if (!Failed()) close();
}

void TableWindow::reject() {
  if (MayClose()) close();
}

void TableWindow::closeEvent(QCloseEvent* event) {
  // Closing from the title bar or with the main window leaves the table as last stored: a
  // refused row was never stored.
  if (!closing_) {
    closing_ = true;
    KeepPlace(placeKey_, geometry().topLeft());
    if (MarkChange(-1).Any()) document_.changes.Announce(core::Change::View);
    subscription_.Reset();
  }
  event->accept();
}

void TableWindow::Finish(const TableOutcome& outcome) {
  if (outcome.showFields) ShowFields();
  labels_->Show([this](int i) { return LabelFor(i); });
  changed_ = changed_ | outcome.changed;
  // The table's own change was announced as it was stored.
  if (MarkChange(UnderEdit()).Any()) document_.changes.Announce(core::Change::View);
  if (outcome.focusPosition) {
    positionBox_->setFocus();
    positionBox_->selectAll();
  }
}

void TableWindow::RefreshTitle() { setWindowTitle(Q(ChordWindowTitle(section_, document_))); }

core::Changes TableWindow::MarkChange(int row) {
  int& mark = document_.view.*mark_;
  if (mark == row) return {};
  mark = row;
  return core::Change::View;
}

void TableWindow::DocumentChanged(core::Changes what) {
  ShowWarning();
  if (what.Has(core::Change::Style)) LoadCaptions();
  if (what.Has(core::Change::Settings)) UseUnit();
  if (what.Has(core::Change::Chord) || what.Has(core::Change::Settings) || what.Has(core::Change::Style))
    RefreshTitle();
  if (what.Has(core::Change::Airfoil) || what.Has(core::Change::NewRib) || what.Has(core::Change::Restored)) {
    // The table was replaced under the window: show it as it is now.
    ReloadTable();
    ShowFields();
    labels_->Show([this](int i) { return LabelFor(i); });
    if (MarkChange(UnderEdit()).Any()) document_.changes.Announce(core::Change::View);
  }
}

QGridLayout* TableWindow::MakeRowBoxes(QGroupBox*& group, const std::array<QLabel**, 4>& captions,
                                       const std::array<NamedBox, 3>& boxes, std::array<KeyFilter*, 4>& filters) {
  group = new QGroupBox(this);
  for (QLabel** caption : captions) *caption = new QLabel;
  for (const NamedBox& named : boxes) {
    *named.box = new QLineEdit;
    (*named.box)->setObjectName(named.name);
  }
  const std::array<QLineEdit*, 4> row = {positionBox_, *boxes[0].box, *boxes[1].box, *boxes[2].box};
  auto* grid = new QGridLayout(group);
  for (std::size_t i = 0; i < row.size(); ++i) {
    QLabel* caption = *captions[i];
    caption->setParent(group);
    row[i]->setParent(group);
    caption->setBuddy(row[i]);
    row[i]->setMaximumWidth(110);
    grid->addWidget(caption, static_cast<int>(i), 0);
    grid->addWidget(row[i], static_cast<int>(i), 1);
    filters[i] = new KeyFilter(row[i], QString());
  }
  return grid;
}

void TableWindow::KeepRoomFor(QLabel* label, const std::string& one, const std::string& other) {
  const QFontMetrics metrics = label->fontMetrics();
  label->setMinimumWidth(std::max(metrics.horizontalAdvance(Q(one)), metrics.horizontalAdvance(Q(other))));
}

}  // namespace ribwindows
