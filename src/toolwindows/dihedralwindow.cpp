#include "toolwindows/dihedralwindow.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/typednumber.h"
#include "core/airfoiltools.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/help.h"
#include "platform/messages.h"
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
  setWindowTitle(Q(Text("FrmDiedre", "1")));
  auto* hint = new QLabel(Q(Text("FrmDiedre", "2")), this);
  hint->setToolTip(Q(Text("FrmDiedre", "2T")));
  hint->setWordWrap(true);
  auto* grid = new QGridLayout;
  const QString lengthKeys = Q(core::LengthKeys(settings_.unitText));
  boxes_[Angle] = ribwindows::AddCaptionedBox(grid, 0, "txt0", Text("FrmDiedre", "4"), std::string(), Q(core::NumberKeys())).box;
  boxes_[Span] = ribwindows::AddCaptionedBox(grid, 1, "txt1", Text("FrmDiedre", "5") + settings_.unitText, std::string(),
                                             lengthKeys).box;
  boxes_[Rise] = ribwindows::AddCaptionedBox(grid, 2, "txt2", Text("FrmDiedre", "6") + settings_.unitText, std::string(),
                                             lengthKeys).box;
  for (QLineEdit* box : boxes_) {
    box->installEventFilter(this);
    box->setToolTip(Q(Text("FrmDiedre", "2")));
  }

  note_ = new QLabel(this);
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);
  note_->hide();

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Q(Text("TextButton", "1")), QDialogButtonBox::AcceptRole);
  ok_->setObjectName("cmdok");
  QPushButton* help = buttons->addButton(Q(Text("TextButton", "3")), QDialogButtonBox::HelpRole);
  help->setObjectName("cmdaide");
  help->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicAirfoilTools); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addLayout(grid);
  layout->addWidget(note_);
  layout->addWidget(buttons);
}

bool DihedralWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick)
    for (std::size_t i = 0; i < boxes_.size(); ++i)
      if (watched == boxes_[i]) {
        Compute(static_cast<Box>(i));
        return true;
      }
  return QDialog::eventFilter(watched, event);
}

void DihedralWindow::Compute(Box b) {
  const std::string& unit = settings_.unitText;
  auto length = [&](Box from) { return static_cast<double>(core::LengthFromText(BoxAt(from)->text().toStdString(), unit)); };
  auto show = [&](Box to, double mm) {
    if (!std::isfinite(mm)) return;
    const double value = IsInches(unit) ? mm / core::kMmPerInch : mm;
    BoxAt(to)->setText(Q(core::ScreenNumberText(core::FormatNumber(value, "# ###.###"))));
  };
  double angle = core::NumberFromText(BoxAt(Angle)->text().toStdString());
  if (b != Angle && angle > core::kLargestDihedral) {
    platform::Inform(Text("FrmDiedre", "3") + "  89°", windowTitle().toStdString(), platform::BoxIcon::Exclamation);
    angle = core::kLargestDihedral;
    BoxAt(Angle)->setText("89");
  }
  note_->hide();
  // A box that cannot be worked out is emptied, so that an old value is not read as the
  // answer, and the note says why.
  auto cannot = [this](Box box, const char* key) {
    BoxAt(box)->clear();
    note_->setText(Q(Text("FrmDiedre", key)));
    note_->show();
    adjustSize();  // grown rather than squeezed
  };
  switch (b) {
    case Span:
      // A level panel rises nowhere, whatever its span.
      if (angle > 0) show(Span, core::DihedralSpan(length(Rise), angle));
      else cannot(Span, "7");
      break;
    case Rise: show(Rise, core::DihedralRise(length(Span), angle)); break;
    case Angle: {
      const double span = length(Span);
      if (span > 0) BoxAt(Angle)->setText(Q(core::FormatNumber(core::DihedralAngle(length(Rise), span), "# ###0.00")));
      else cannot(Angle, "8");
      break;
    }
  }
}

}  // namespace toolwindows
