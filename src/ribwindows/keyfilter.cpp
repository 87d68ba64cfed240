#include "ribwindows/keyfilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace ribwindows {

KeyFilter::KeyFilter(QLineEdit* box, QString allowed) : QObject(box), box_(box), allowed_(std::move(allowed)) {
  box->installEventFilter(this);
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
