#include "ribwindows/textwindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/help.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/textrules.h"

namespace ribwindows {

using platform::Text;

TextWindow::TextWindow(core::RibDocument& document, QWidget* parent) : QDialog(parent), document_(document) {
  setObjectName("frmInstxt");
  setWindowTitle(Q(Text(keys::TextCaption)));
  const QString keys = Q(core::LengthKeys(document_.settings.unitText));
  // In the window before its boxes are made, so that Tab takes them before the buttons.
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  boxes_[0] = AddCaptionedBox(grid, 0, "infotxt0", Text(keys::TextBoxLabel), std::string(), QString()).box;
  boxes_[0]->setMinimumWidth(320);
  boxes_[1] = AddCaptionedBox(grid, 1, "infotxt1", Text(keys::TextXLabel), Text(keys::TextXTip), keys).box;
  // Below the chord line the height is negative; the text cannot start ahead of the rib.
  boxes_[2] = AddCaptionedBox(grid, 2, "infotxt2", Text(keys::TextYLabel), std::string(), keys + "-").box;
  auto* sizeCaption = new QLabel(Q(Text(keys::TextSizeLabel)), this);
  sizes_ = new QComboBox(this);
  sizes_->setObjectName("ComboTaille");
  sizeCaption->setBuddy(sizes_);
  grid->addWidget(sizeCaption, 3, 0);
  grid->addWidget(sizes_, 3, 1, Qt::AlignLeft);

  const DialogButtons buttons = AddDialogButtons(this, platform::kTopicSettings);
  ok_ = buttons.ok;
  apply_ = buttons.apply;
  cancel_ = buttons.cancel;
  help_ = buttons.help;
  layout->addWidget(buttons.box);

  const TextBoxes shown = TextBoxesFromDocument(document_);
  boxes_[0]->setText(Q(shown.text));
  boxes_[1]->setText(Q(shown.x));
  boxes_[2]->setText(Q(shown.y));
  for (const std::string& entry : TextSizeEntries()) sizes_->addItem(Q(entry), core::LeadingNumber(entry));
  // A size from the settings file that the list lacks is offered too, so that opening the
  // window and pressing OK does not change it.
  int current = sizes_->findData(static_cast<double>(shown.size));
  if (current < 0) {
    sizes_->addItem(Q(core::PlainNumberText(shown.size)), static_cast<double>(shown.size));
    current = sizes_->count() - 1;
  }
  sizes_->setCurrentIndex(current);

  connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (!Apply()) return;
    SaveTextSize(document_);
    accept();
  });
}

bool TextWindow::Apply() {
  if (ShowUnreadableBox(this)) return false;
  const TextBoxes typed{boxes_[0]->text().toStdString(), boxes_[1]->text().toStdString(),
                        boxes_[2]->text().toStdString(), static_cast<float>(sizes_->currentData().toDouble())};
  ApplyInsertedText(document_, typed);
  boxes_[0]->setText(Q(document_.rib.caption.text));
  changed_ = changed_ | core::Change::Setup;
  return true;
}

}  // namespace ribwindows
