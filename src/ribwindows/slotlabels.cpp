#include "ribwindows/slotlabels.h"

#include <QEvent>
#include <QHBoxLayout>
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
    // The pure blue of a selected row, black otherwise.
    label->setStyleSheet(l.look == LabelLook::Selected ? "color: rgb(0, 0, 255);" : "color: rgb(0, 0, 0);");
    label->setCursor(l.caption.empty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
  }
}

bool SlotLabels::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (std::size_t i = 0; i < labels_.size(); ++i)
      if (watched == labels_[i]) emit clicked(static_cast<int>(i));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ribwindows
