#include "toolwindows/slantedribwindows.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commands/airfoilcommands.h"
#include "commands/airfoiltools.h"
#include "commands/derivedairfoils.h"
#include "core/typednumber.h"
#include "core/airfoiltools.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "files/derivedairfoil.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/labelroom.h"
#include "sharedwindows/openairfoilwindow.h"

namespace toolwindows {

using platform::Text;
using ribwindows::Q;

namespace {

// The airfoil row: its name, read-only, and the button that picks another.
QLineEdit* AirfoilRow(QGridLayout* grid, int row, const std::string& caption, const std::string& tip,
                      const std::string& buttonText, const std::string& buttonTip, QPushButton*& button,
                      QWidget* parent) {
  auto* label = new QLabel(Q(caption), parent);
  auto* box = new QLineEdit(parent);
  box->setObjectName("txtprofil");
  ribwindows::MakeShowOnly(box);
  box->setToolTip(Q(tip));
  button = new QPushButton(Q(buttonText), parent);
  label->setBuddy(button);  // the box takes no focus: the label's key reaches the button
  button->setObjectName("cmdouvrir");
  button->setToolTip(Q(buttonTip));
  button->setAutoDefault(false);
  grid->addWidget(label, row, 0);
  grid->addWidget(box, row, 1);
  grid->addWidget(button, row, 2);
  return box;
}

struct OkCancelHelp {
  QDialogButtonBox* box;
  QPushButton* ok;
  QPushButton* cancel;
};
OkCancelHelp AddOkCancelHelp(QDialog* dialog, int topic) {
  auto* box = new QDialogButtonBox(dialog);
  QPushButton* ok = box->addButton(Q(Text(keys::OkButton)), QDialogButtonBox::AcceptRole);
  ok->setObjectName("cmdok");
  ok->setDefault(true);
  QPushButton* cancel = box->addButton(Q(Text(keys::CancelButton)), QDialogButtonBox::RejectRole);
  cancel->setObjectName("cmdannuler");
  cancel->setAutoDefault(false);
  QPushButton* help = box->addButton(Q(Text(keys::HelpButton)), QDialogButtonBox::HelpRole);
  help->setObjectName("cmdaide");
  help->setAutoDefault(false);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  QObject::connect(help, &QPushButton::clicked, dialog, [topic] { platform::ShowHelpTopic(topic); });
  return {box, ok, cancel};
}

void Refuse(QDialog* window, const std::string& text, QLineEdit* box) {
  platform::Inform(text, window->windowTitle().toStdString(), platform::BoxIcon::Exclamation);
  box->setFocus();
  box->selectAll();
}

bool HasAirfoil(const commands::SourceAirfoil& a) { return !a.name.empty() && a.points.size() > 1; }

}  // namespace

// ---------------------------------------------------------------------------------------
WrittenFile::WrittenFile(core::RibDocument& document, QPushButton* cancel, QDialog* window)
    : QObject(window), document_(document), cancel_(cancel) {
  label_ = new QLabel(window);
  label_->setObjectName("lblWritten");
  label_->setWordWrap(true);
  label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Its room grows with its lines: the window grows rather than squeezing the boxes above.
  auto* room = new ribwindows::LabelRoom(window);
  room->Add(label_);
  room->hide();
  room_ = room;
  open_ = new QPushButton(Q(Text(keys::OpenWrittenAirfoilButton)), window);
  open_->setObjectName("cmdOpenWritten");
  open_->setAutoDefault(false);
  open_->hide();
  connect(open_, &QPushButton::clicked, window, [this, window] {
    // The derived airfoil becomes the current one, on the rib as it is set up.
    commands::OpenRecentAirfoil(document_, path_);
    window->accept();
  });
}

void WrittenFile::Show(const std::string& path, const std::string& text) {
  path_ = path;
  label_->setText(Q(text + "\n" + path));
  room_->show();
  open_->show();
  cancel_->setText(Q(Text(keys::CloseButton)));
}

// ---------------------------------------------------------------------------------------
SourceAirfoilPicker::SourceAirfoilPicker(core::RibDocument& document, QLineEdit* nameBox, QPushButton* openButton,
                                         QWidget* window)
    : QObject(window), document_(document), nameBox_(nameBox), window_(window) {
  Use(commands::CurrentSourceAirfoil(document_));
  connect(openButton, &QPushButton::clicked, this, [this] { PickOther(); });
}

void SourceAirfoilPicker::Use(commands::SourceAirfoil airfoil) {
  airfoil_ = std::move(airfoil);
  nameBox_->setText(Q(airfoil_.name));
}

void SourceAirfoilPicker::PickOther() {
  sharedwindows::OpenAirfoilWindow open(document_.settings, Text(keys::OpenAirfoilCaption), false, window_);
  open.exec();
  if (!open.Accepted()) return;
  Use(commands::SourceAirfoilOf(open.ChosenPath(), open.TakeData()));
}

// ---------------------------------------------------------------------------------------
InclinedRibWindow::InclinedRibWindow(core::RibDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName("frminclinaison");
  setWindowTitle(Q(Text(keys::InclinedRibCaption)));
  auto* grid = new QGridLayout;
  QPushButton* open = nullptr;
  airfoilBox_ = AirfoilRow(grid, 0, Text(keys::InclinedRibAirfoilLabel), std::string(),
                           Text(keys::InclinedRibOpenButton), std::string(), open, this);
  auto* angleLabel = new QLabel(Q(Text(keys::InclinedRibAngleLabel)), this);
  angle_ = new QLineEdit(this);
  angle_->setObjectName("Text1");
  angle_->setToolTip(Q(Text(keys::InclinedRibAngleTip)));
  angleLabel->setBuddy(angle_);
  new ribwindows::KeyFilter(angle_, Q(core::NumberKeys()));
  grid->addWidget(angleLabel, 1, 0);
  grid->addWidget(angle_, 1, 1);
  auto* note = new QLabel(Q(Text(keys::InclinedRibNote)), this);
  note->setToolTip(Q(Text(keys::InclinedRibNoteTip)));
  note->setWordWrap(true);
  grid->addWidget(note, 2, 0, 1, 3);
  picker_ = new SourceAirfoilPicker(document_, airfoilBox_, open, this);

  const OkCancelHelp buttons = AddOkCancelHelp(this, platform::kTopicInclinedRib);
  ok_ = buttons.ok;
  written_ = new WrittenFile(document_, buttons.cancel, this);
  connect(ok_, &QPushButton::clicked, this, [this] { Ok(); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(written_->Room());
  layout->addWidget(written_->OpenButton(), 0, Qt::AlignLeft);
  layout->addWidget(buttons.box);
  angle_->setFocus();
}

void InclinedRibWindow::Ok() {
  if (ribwindows::ShowUnreadableBox(this)) return;
  const commands::InclinedRibPlan rib = commands::PlanInclinedRib(angle_->text().toStdString());
  if (rib.refusal) {
    Refuse(this, rib.refusal->text, angle_);
    return;
  }
  const commands::SourceAirfoil& a = picker_->Airfoil();
  if (!HasAirfoil(a)) return;
  const commands::DerivedFile file = commands::InclinedRibFile(a, rib);
  const std::string path = commands::SaveDerivedAirfoil(document_, commands::DerivedAirfoilTool::InclinedRib,
                                                        Text(keys::InclinedRibSaveTitle),
                                                        Text(keys::InclinedRibFilterWord), file.name, file.contents);
  if (path.empty()) return;
  written_->Show(path, Text(keys::InclinedRibResult) + " " + core::FormatNumber(rib.factor, "0.0000") + "\n" +
                           Text(keys::InclinedRibWritten));
}

// ---------------------------------------------------------------------------------------
ObliqueRibWindow::ObliqueRibWindow(core::RibDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName("frmangle");
  setWindowTitle(Q(Text(keys::ObliqueRibCaption)));
  auto* top = new QGridLayout;
  QPushButton* open = nullptr;
  airfoilBox_ = AirfoilRow(top, 0, Text(keys::ObliqueRibAirfoilLabel), Text(keys::ObliqueRibAirfoilTip),
                           Text(keys::ObliqueRibOpenButton), Text(keys::ObliqueRibOpenTip), open, this);
  picker_ = new SourceAirfoilPicker(document_, airfoilBox_, open, this);

  auto* given = new QGroupBox(Q(Text(keys::GivenLengthFrame)), this);
  auto* givenRow = new QHBoxLayout(given);
  auto* group = new QButtonGroup(this);
  for (int m = 0; m < 2; ++m) {
    modes_[static_cast<std::size_t>(m)] =
        new QRadioButton(Q(Text(m == 0 ? keys::ObliqueLengthLabel : keys::SquareLengthLabel)), given);
    modes_[static_cast<std::size_t>(m)]->setObjectName(QString("Option1_%1").arg(m));
    group->addButton(modes_[static_cast<std::size_t>(m)], m);
    givenRow->addWidget(modes_[static_cast<std::size_t>(m)]);
  }

  auto* lengths = new QGroupBox(Q(Text(keys::ObliqueLengthsFrame)), this);
  lengths->setToolTip(Q(Text(keys::ObliqueLengthsTip)));
  auto* grid = new QGridLayout(lengths);
  const QString keys = Q(core::LengthKeys(document_.settings.unitText));
  const std::string unit = document_.settings.unitText;
  boxes_[ObliqueLength] =
      ribwindows::AddCaptionedBox(grid, 0, "Text1_0", Text(keys::ObliqueLengthLabel) + unit, "", keys).box;
  boxes_[SquareLength] =
      ribwindows::AddCaptionedBox(grid, 1, "Text1_1", Text(keys::SquareLengthLabel) + unit, "", keys).box;
  boxes_[Angle] = ribwindows::AddCaptionedBox(grid, 2, "Text1_2", Text(keys::ObliqueAngleLabel),
                                              Text(keys::ObliqueAngleTip), Q(core::NumberKeys()))
                      .box;

  const OkCancelHelp buttons = AddOkCancelHelp(this, platform::kTopicObliqueRib);
  ok_ = buttons.ok;
  written_ = new WrittenFile(document_, buttons.cancel, this);
  connect(ok_, &QPushButton::clicked, this, [this] { Ok(); });
  connect(group, &QButtonGroup::idClicked, this, [this](int id) { SetMode(id); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(given);
  layout->addWidget(lengths);
  layout->addWidget(written_->Room());
  layout->addWidget(written_->OpenButton(), 0, Qt::AlignLeft);
  layout->addWidget(buttons.box);
  modes_[0]->setChecked(true);
  SetMode(0);
}

void ObliqueRibWindow::SetMode(int mode) {
  mode_ = mode == 1 ? 1 : 0;
  modes_[static_cast<std::size_t>(mode_)]->setChecked(true);
  QLineEdit* given = BoxAt(mode_ == 0 ? ObliqueLength : SquareLength);
  QLineEdit* other = BoxAt(mode_ == 0 ? SquareLength : ObliqueLength);
  given->setEnabled(true);
  other->setEnabled(false);
  other->clear();
  given->setFocus();
}

void ObliqueRibWindow::Ok() {
  if (ribwindows::ShowUnreadableBox(this)) return;
  const std::string& unit = document_.settings.unitText;
  QLineEdit* given = BoxAt(mode_ == 0 ? ObliqueLength : SquareLength);
  const commands::ObliqueRibPlan rib = commands::PlanObliqueRib(mode_, given->text().toStdString(),
                                                                BoxAt(Angle)->text().toStdString(), unit);
  if (rib.refusal) {
    Refuse(this, rib.refusal->text, rib.lengths.check == core::ObliqueCheck::LengthMissing ? given : BoxAt(Angle));
    return;
  }
  const double otherMm = mode_ == 0 ? rib.lengths.squareMm : rib.lengths.obliqueMm;
  const double shown = unit == " in" ? otherMm / core::kMmPerInch : otherMm;
  BoxAt(mode_ == 0 ? SquareLength : ObliqueLength)
      ->setText(Q(core::ScreenNumberText(core::FormatNumber(shown, "# ###.###"))));

  const commands::SourceAirfoil& a = picker_->Airfoil();
  if (!HasAirfoil(a)) return;
  const commands::DerivedFile file = commands::ObliqueRibFile(a, rib, commands::ObliqueRibTitleWords());
  const std::string path =
      commands::SaveDerivedAirfoil(document_, commands::DerivedAirfoilTool::ObliqueRib, Text(keys::ObliqueRibSaveTitle),
                                   Text(keys::ObliqueRibFilterWord), file.name, file.contents);
  if (path.empty()) return;
  // The window stays open with the length worked out, in words too: its box is disabled.
  written_->Show(path, Text(mode_ == 0 ? keys::SquareLengthLabel : keys::ObliqueLengthLabel) + " = " +
                           core::ScreenNumberText(core::FormatNumber(shown, "# ###.###")) + unit + "\n" +
                           Text(keys::ObliqueRibWritten));
}

}  // namespace toolwindows
