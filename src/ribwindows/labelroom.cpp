#include "ribwindows/labelroom.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QStackedLayout>
#include <QTimer>
#include <algorithm>

namespace ribwindows {

LabelRoom::LabelRoom(QWidget* parent) : QWidget(parent), stack_(new QStackedLayout(this)) {
  stack_->setContentsMargins(0, 0, 0, 0);
}

void LabelRoom::Add(QLabel* label) {
  label->setParent(this);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  stack_->addWidget(label);
}

void LabelRoom::Show(QLabel* label) { stack_->setCurrentWidget(label); }

bool LabelRoom::event(QEvent* event) {
  if (event->type() == QEvent::LayoutRequest) RefitSoon();  // a text changed
  return QWidget::event(event);
}

void LabelRoom::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RefitSoon();
}

void LabelRoom::RefitSoon() {
  if (refitPending_) return;
  refitPending_ = true;
  QTimer::singleShot(0, this, [this] {
    refitPending_ = false;
    Refit();
  });
}

void LabelRoom::Refit() {
  if (!isVisible()) return;
  int needed = 0;
  for (int i = 0; i < stack_->count(); ++i)
    if (auto* label = qobject_cast<QLabel*>(stack_->widget(i))) {
      label->ensurePolished();  // a style sheet's bold counts
      needed = std::max(needed, label->heightForWidth(width()));
    }
  if (needed != minimumHeight()) setMinimumHeight(needed);
}

void LabelRoom::Reserve(const QStringList& texts) {
  // The stack is as tall as the tallest of its labels at its width, shown or not.
  while (samples_.size() < texts.size()) {
    auto* sample = new QLabel(this);
    sample->setWordWrap(true);
    // Measured in the look of the texts shown (a bold warning is wider).
    if (auto* shown = qobject_cast<QLabel*>(stack_->widget(0))) sample->setStyleSheet(shown->styleSheet());
    samples_.append(sample);
    stack_->addWidget(sample);
  }
  for (int i = 0; i < samples_.size(); ++i) samples_[i]->setText(i < texts.size() ? texts[i] : QString());
  RefitSoon();
}

void KeepWrappedTextsWhole(QWidget& window) {
  if (!window.layout() || !window.layout()->hasHeightForWidth()) return;
  const int narrowest = std::max(window.minimumWidth(), window.minimumSizeHint().width());
  window.setMinimumHeight(window.heightForWidth(narrowest));
}

}  // namespace ribwindows
