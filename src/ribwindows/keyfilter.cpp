#include "ribwindows/keyfilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

namespace ribwindows {

namespace {

int RefusedCount(const QString& text, const QString& allowed) {
  int n = 0;
  for (QChar c : text)
    if (!allowed.contains(c)) ++n;
  return n;
}

// Judges every change however it came. A text the program put in the box (from a project
// file, say) may hold refused characters already: the box still lets the user delete them
// and type around them, but takes no new one.
class RefusedCharacters : public QValidator {
 public:
  RefusedCharacters(QLineEdit* box, QString allowed) : QValidator(box), allowed_(std::move(allowed)) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { held_ = RefusedCount(text, allowed_); });
    held_ = RefusedCount(box->text(), allowed_);
  }
  void SetAllowed(QString allowed, const QString& current) {
    allowed_ = std::move(allowed);
    held_ = RefusedCount(current, allowed_);
  }
  State validate(QString& input, int&) const override {
    return RefusedCount(input, allowed_) <= held_ ? Acceptable : Invalid;
  }

 private:
  QString allowed_;
  int held_ = 0;  // refused characters of the text the box holds now
};

}  // namespace

KeyFilter::KeyFilter(QLineEdit* box, QString allowed) : QObject(box), box_(box), allowed_(std::move(allowed)) {
  box->installEventFilter(this);
  validator_ = new RefusedCharacters(box, allowed_);
  box->setValidator(validator_);
}

void KeyFilter::SetAllowed(QString allowed) {
  allowed_ = std::move(allowed);
  static_cast<RefusedCharacters*>(validator_)->SetAllowed(allowed_, box_->text());
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

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_) {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      // Shortcuts such as Ctrl+A or Ctrl+V are not typing.
      if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
          !Accepts(key->text(), allowed_))
        return true;
    } else if (event->type() == QEvent::FocusIn) {
      // After the click that gave the focus has placed the cursor.
      QTimer::singleShot(0, box_, [box = box_] { box->selectAll(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ribwindows
