#include "toolwindows/dihedralwindow.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/typednumber.h"
#include "core/airfoiltools.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/featurewindow.h"

namespace toolwindows {

using platform::Text;
using ribwindows::Q;

namespace {
bool IsInches(const std::string& unitText) { return unitText == " in"; }
}  // namespace

DihedralWindow::DihedralWindow(const core::ProgramSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName("frmdiedre");
  setWindowTitle(Q(Text(keys::DihedralCaption)));
  auto* hint = new QLabel(Q(Text(keys::DihedralHint)), this);
  hint->setToolTip(Q(Text(keys::DihedralHintTip)));
  hint->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  // In the window before the boxes are made, so that they come first in the Tab order.
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const QString lengthKeys = Q(core::LengthKeys(settings_.unitText));
  boxes_[Angle] =
      ribwindows::AddCaptionedBox(grid, 0, "txt0", Text(keys::DihedralAngleLabel), std::string(), Q(core::NumberKeys()))
          .box;
  boxes_[Span] = ribwindows::AddCaptionedBox(grid, 1, "txt1", Text(keys::DihedralSpanLabel) + settings_.unitText,
                                             std::string(), lengthKeys)
                     .box;
  boxes_[Rise] = ribwindows::AddCaptionedBox(grid, 2, "txt2", Text(keys::DihedralRiseLabel) + settings_.unitText,
                                             std::string(), lengthKeys)
                     .box;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->installEventFilter(this);
    boxes_[i]->setToolTip(Q(Text(keys::DihedralHint)));
    connect(boxes_[i], &QLineEdit::textEdited, this, [this, i] { Typed(static_cast<Box>(i)); });
  }

  note_ = new QLabel(this);
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);
  note_->hide();

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Q(Text(keys::OkButton)), QDialogButtonBox::AcceptRole);
  ok_->setObjectName("cmdok");
  QPushButton* help = buttons->addButton(Q(Text(keys::HelpButton)), QDialogButtonBox::HelpRole);
  help->setObjectName("cmdaide");
  help->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicAirfoilTools); });

  layout->addWidget(note_);
  layout->addWidget(buttons);
}

bool DihedralWindow::eventFilter(QObject* watched, QEvent* event) {
  // The answer is there already: Enter in a box does not press OK, which the button box
  // makes the default on its own.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  if (event->type() == QEvent::MouseButtonDblClick)
    for (std::size_t i = 0; i < boxes_.size(); ++i)
      if (watched == boxes_[i]) {
        Compute(static_cast<Box>(i));
        return true;
      }
  return QDialog::eventFilter(watched, event);
}

void DihedralWindow::Typed(Box b) {
  typed_.erase(std::remove(typed_.begin(), typed_.end(), b), typed_.end());
  if (!BoxAt(b)->text().isEmpty()) typed_.insert(typed_.begin(), b);
  // The two boxes typed last give the third.
  if (typed_.size() < 2) return;
  for (Box other : {Angle, Span, Rise})
    if (other != typed_[0] && other != typed_[1]) Compute(other);
}

void DihedralWindow::Compute(Box b) {
  const std::string& unit = settings_.unitText;
  auto length = [&](Box from) { return static_cast<double>(core::LengthFromText(BoxAt(from)->text().toStdString(), unit)); };
  auto show = [&](Box to, double mm) {
    if (!std::isfinite(mm)) return;
    const double value = IsInches(unit) ? mm / core::kMmPerInch : mm;
    BoxAt(to)->setText(Q(core::ScreenNumberText(core::FormatNumber(value, "# ###.###"))));
  };
  const double angle = core::NumberFromText(BoxAt(Angle)->text().toStdString());
  note_->hide();
  // A box that cannot be worked out is emptied, so that an old value is not read as the
  // answer, and the note says why.
  auto cannot = [this](Box box, const std::string& why) {
    BoxAt(box)->clear();
    note_->setText(Q(why));
    note_->show();
    adjustSize();  // grown rather than squeezed
  };
  // Said in place rather than in a box that would take the keys still being typed; the
  // angle stays as typed.
  if (b != Angle && angle > core::kLargestDihedral) {
    cannot(b, Text(keys::DihedralAngleAboveLimit) + "  89°");
    return;
  }
  switch (b) {
    case Span:
      // A level panel rises nowhere, whatever its span.
      if (angle > 0) show(Span, core::DihedralSpan(length(Rise), angle));
      else cannot(Span, Text(keys::DihedralSpanWithoutAngle));
      break;
    case Rise: show(Rise, core::DihedralRise(length(Span), angle)); break;
    case Angle: {
      const double span = length(Span);
      if (span > 0) BoxAt(Angle)->setText(Q(core::FormatNumber(core::DihedralAngle(length(Rise), span), "# ###0.00")));
      else cannot(Angle, Text(keys::DihedralAngleWithoutSpan));
      break;
    }
  }
}

}  // namespace toolwindows
