#include "ribwindows/squareleadingedgewindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/lengths.h"
#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/squarerules.h"

namespace ribwindows {

using platform::Text;

SquareLeadingEdgeWindow::SquareLeadingEdgeWindow(core::RibDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName("frmbacarre");
  setWindowTitle(Q(Text(keys::SquareLeadingEdgeCaption)));
  const QString keys = Q(core::LengthKeys(document_.settings.unitText));
  // In the window before its boxes are made, so that Tab takes them before the buttons.
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const platform::TextKey captions[3] = {keys::SquareSideLabel, keys::SquareDistanceLabel, keys::SquareHeightLabel};
  for (int i = 0; i < 3; ++i)
    boxes_[i] = AddCaptionedBox(grid, i, QString("infotxt%1").arg(i), Text(captions[i]), std::string(),
                                i == 2 ? keys + "-" : keys)
                    .box;
  const DialogButtons buttons = AddDialogButtons(this, platform::kTopicRibDimensions);
  ok_ = buttons.ok;
  apply_ = buttons.apply;
  cancel_ = buttons.cancel;
  help_ = buttons.help;
  layout->addWidget(buttons.box);

  ShowDocument();

  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (Apply()) accept();
  });
  // Another rib opened while the window stays up: Apply must not carry the old one's
  // square over to it.
  subscription_ = document_.changes.Listen([this](core::Changes what) {
    if (what.Has(core::Change::Airfoil) || what.Has(core::Change::NewRib)) ShowDocument();
  });
}

void SquareLeadingEdgeWindow::ShowDocument() {
  const SquareBoxes shown = SquareBoxesFromDocument(document_);
  boxes_[0]->setText(Q(shown.size));
  boxes_[1]->setText(Q(shown.x));
  boxes_[2]->setText(Q(shown.y));
}

SquareLeadingEdgeWindow* SquareLeadingEdgeWindow::ShowBeside(core::RibDocument& document, QWidget* parent) {
  // One window per main window, hidden when closed and shown again.
  auto* window = parent ? parent->findChild<SquareLeadingEdgeWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!window) window = new SquareLeadingEdgeWindow(document, parent);
  if (!window->isVisible()) window->ShowDocument();
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

bool SquareLeadingEdgeWindow::Apply() {
  if (ShowUnreadableBox(this)) return false;
  const SquareBoxes typed{boxes_[0]->text().toStdString(), boxes_[1]->text().toStdString(),
                          boxes_[2]->text().toStdString()};
  const SquareBoxes shown = ApplySquareLeadingEdge(document_, typed, windowTitle().toStdString());
  boxes_[0]->setText(Q(shown.size));
  boxes_[1]->setText(Q(shown.x));
  boxes_[2]->setText(Q(shown.y));
  changed_ = changed_ | core::Change::Setup;
  return true;
}

}  // namespace ribwindows
