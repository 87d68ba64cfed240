#include "ribwindows/keyfilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

namespace ribwindows {

namespace {

// Paste, drag and drop and input methods do not come as key presses: the box refuses any
// such edit that brings in a character the filter would refuse. An edit is judged against
// the text before it, so a refused character set by the program (a project's "-3") can
// still be deleted.
class RefusedCharacters : public QValidator {
 public:
  RefusedCharacters(QLineEdit* box, const QString* allowed, QObject* owner) : QValidator(owner), allowed_(allowed) {
    QObject::connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = Count(text); });
    before_ = Count(box->text());
  }
  State validate(QString& input, int&) const override { return Count(input) > before_ ? Invalid : Acceptable; }

 private:
  int Count(const QString& text) const {
    int refused = 0;
    for (QChar c : text)
      if (!KeyFilter::Accepts(QString(c), *allowed_)) ++refused;
    return refused;
  }
  const QString* allowed_;
  int before_ = 0;
};

}  // namespace

KeyFilter::KeyFilter(QLineEdit* box, QString allowed) : QObject(box), box_(box), allowed_(std::move(allowed)) {
  box->installEventFilter(this);
  box->setValidator(new RefusedCharacters(box, &allowed_, this));
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
