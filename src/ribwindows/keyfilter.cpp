#include "ribwindows/keyfilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

#include "platform/texts.h"

namespace ribwindows {

namespace {

// Pasted and dropped text goes through the box's validator, not through its key events.
// A text that was already in the box (from a file) stays editable: only a change that
// brings in a refused character is refused.
class AllowedCharacters : public QValidator {
 public:
  AllowedCharacters(QObject* parent, const QString& allowed, const QString& lastAccepted)
      : QValidator(parent), allowed_(allowed), lastAccepted_(lastAccepted) {}
  State validate(QString& input, int&) const override {
    if (KeyFilter::Accepts(input, allowed_)) return Acceptable;
    return KeyFilter::Accepts(lastAccepted_, allowed_) ? Invalid : Intermediate;
  }

 private:
  const QString& allowed_;
  const QString& lastAccepted_;
};

}  // namespace

KeyFilter::KeyFilter(QLineEdit* box, QString allowed)
    : QObject(box), box_(box), allowed_(std::move(allowed)), lastAccepted_(box->text()) {
  box->installEventFilter(this);
  box->setValidator(new AllowedCharacters(this, allowed_, lastAccepted_));
  connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { lastAccepted_ = text; });
  connect(box, &QLineEdit::inputRejected, this, [this] { Refuse(); });
}

bool KeyFilter::Accepts(const QString& typed, const QString& allowed) {
  for (QChar c : typed) {
    if (c == QChar(8)) continue;
    // Keys that type no printable character (Enter, Escape, Tab) are not the filter's.
    if (c.unicode() < 32 || c.unicode() == 127) continue;
    if (!allowed.contains(c)) return false;
  }
  return true;
}

void KeyFilter::Refuse() {
  lastRefusal_ = QString::fromStdString(platform::Text("Message", "23")) + " " + allowed_;
  if (box_->isVisible()) QToolTip::showText(box_->mapToGlobal(box_->rect().bottomLeft()), lastRefusal_, box_);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_) {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      // Shortcuts such as Ctrl+A or Ctrl+V are not typing.
      if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
          !Accepts(key->text(), allowed_)) {
        Refuse();
        return true;
      }
    } else if (event->type() == QEvent::FocusIn) {
      // After the click that gave the focus has placed the cursor.
      QTimer::singleShot(0, box_, [box = box_] { box->selectAll(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ribwindows
