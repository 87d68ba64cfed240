#include "ribwindows/slotlabels.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace ribwindows {

SlotLabels::SlotLabels(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(3);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QString("LblNb%1").arg(i));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(24, 22);
    label->setLineWidth(1);
    label->installEventFilter(this);
    row->addWidget(label);
    labels_[i] = label;
  }
  row->addStretch(1);
}

void SlotLabels::Show(const std::function<SlotLabel(int)>& look) {
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    const SlotLabel l = look(static_cast<int>(i));
    QLabel* label = labels_[i];
    label->setText(QString::fromStdString(l.caption));
    label->setFrameShape(l.look == LabelLook::Plain ? QFrame::NoFrame : QFrame::Box);
    // The pure blue of a selected row, black otherwise; the label Tab reached is shaded.
    label->setStyleSheet(QString("QLabel { color: %1; } QLabel:focus { background-color: rgb(204, 228, 255); }")
                             .arg(l.look == LabelLook::Selected ? "rgb(0, 0, 255)" : "rgb(0, 0, 0)"));
    label->setCursor(l.caption.empty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    // A number in use is reached with Tab and chosen with Space or Enter, as with a click.
    label->setFocusPolicy(l.caption.empty() ? Qt::NoFocus : Qt::StrongFocus);
  }
}

bool SlotLabels::eventFilter(QObject* watched, QEvent* event) {
  const bool click =
      event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  bool key = false;
  if (event->type() == QEvent::KeyPress) {
    const int k = static_cast<QKeyEvent*>(event)->key();
    key = k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
  }
  if (click || key) {
    for (std::size_t i = 0; i < labels_.size(); ++i)
      if (watched == labels_[i]) emit clicked(static_cast<int>(i));
    // Enter chose the row; it must not also press the window's default button.
    if (key) return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ribwindows
