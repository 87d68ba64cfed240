// The spaced series' table: choosing a rib by its number, its thickness and gap as typed,
// and the panel's length they make.
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "commands/ribseries.h"
#include "core/lengths.h"
#include "core/ribseries.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "serieswindows/serieswindow.h"

namespace serieswindows {

namespace {
using platform::Q;
using platform::S;
}  // namespace

void SeriesWindow::RelabelRibs() {
  const int n = RibCount();
  for (int slot = 1; slot <= core::kTipSlot; ++slot) {
    QLabel* label = ribLabels_[static_cast<std::size_t>(slot)];
    label->setVisible(slot <= n + 1);
    label->setText(slot <= n ? QString::number(slot) : Q(platform::Text(keys::TipRibRowLabel)));
  }
  // Always one rib in hand, so that Apply never drops what was typed.
  SelectRib(selectedRib_ >= 1 && selectedRib_ <= n + 1 ? selectedRib_ : 1);
}

void SeriesWindow::SelectRib(int slot) {
  // What was typed for the rib in hand stays with it; the same rib keeps its boxes as typed.
  const bool another = slot != selectedRib_;
  if (another) ApplyRib();
  for (int i = 1; i <= core::kTipSlot; ++i) {
    QLabel* label = ribLabels_[static_cast<std::size_t>(i)];
    const bool selected = i == slot;
    label->setFrameStyle(selected ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    // The pure blue of the rib in hand; the number Tab reached is shaded.
    label->setStyleSheet(QString("QLabel { color: %1; } QLabel:focus { background-color: rgb(204, 228, 255); }")
                             .arg(selected ? "rgb(0, 0, 255)" : "palette(window-text)"));
  }
  selectedRib_ = slot;
  if (slot < 1) {
    ribThicknessBox_->clear();
    gapBox_->clear();
    return;
  }
  const bool tip = slot == RibCount() + 1;
  const bool wasTip = !ribThicknessBox_->isEnabled();
  // The tip rib's thickness is the root's: only its gap is its own.
  ribThicknessBox_->setEnabled(!tip);
  if (tip) ribThicknessBox_->clear();
  else if (another || wasTip) ribThicknessBox_->setText(Q(thicknessTexts_[static_cast<std::size_t>(slot)]));
  if (another) gapBox_->setText(Q(gapTexts_[static_cast<std::size_t>(slot)]));
}

void SeriesWindow::ApplyRib() {
  if (selectedRib_ < 1) return;
  const std::size_t slot = static_cast<std::size_t>(selectedRib_);
  if (selectedRib_ <= RibCount()) thicknessTexts_[slot] = S(ribThicknessBox_->text());
  gapTexts_[slot] = S(gapBox_->text());
  ShowPanelLength();
}

void SeriesWindow::TableFromBoxes(core::SlotFloats& t, core::SlotFloats& g) const {
  const std::string& unit = document_.settings.unitText;
  t = {};
  g = {};
  t[0] = t[core::kTipSlot] = core::LengthFromText(S(endThicknessBox_->text()), unit);
  const int n = RibCount();
  for (int i = 1; i <= n; ++i)
    t[static_cast<std::size_t>(i)] = core::LengthFromText(thicknessTexts_[static_cast<std::size_t>(i)], unit);
  for (int i = 1; i <= n + 1; ++i)
    g[static_cast<std::size_t>(i)] = core::LengthFromText(gapTexts_[static_cast<std::size_t>(i)], unit);
}

void SeriesWindow::ShowPanelLength() {
  if (!panelLength_) return;
  core::SlotFloats t, g;
  TableFromBoxes(t, g);
  const core::SpacedLayout layout = core::LayOutSpacedRibs(t, g, RibCount());
  panelLength_->setText(Q(commands::PanelLengthText(layout.length, document_.settings.unitText)));
}

bool SeriesWindow::eventFilter(QObject* watched, QEvent* event) {
  bool enter = false;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && (watched == ribThicknessBox_ || watched == gapBox_)) {
      ApplyRib();
      return true;
    }
    enter = enter || key == Qt::Key_Space;
  }
  if (event->type() == QEvent::MouseButtonRelease || enter)
    for (int slot = 1; slot <= core::kTipSlot; ++slot)
      if (watched == ribLabels_[static_cast<std::size_t>(slot)]) {
        SelectRib(slot);
        QLineEdit* first = ribThicknessBox_->isEnabled() ? ribThicknessBox_ : gapBox_;
        first->setFocus();
        first->selectAll();
        return true;
      }
  return QDialog::eventFilter(watched, event);
}

}  // namespace serieswindows
