#include "ribwindows/keyfilter.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QPalette>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

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
    : QObject(box),
      box_(box),
      allowed_(std::move(allowed)),
      lastAccepted_(box->text()),
      plainText_(box->palette().color(QPalette::Text)) {
  box->installEventFilter(this);
  box->setValidator(new AllowedCharacters(this, allowed_, lastAccepted_));
  connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
    lastAccepted_ = text;
    Read();
  });
  connect(box, &QLineEdit::inputRejected, this, [this] { Refuse(); });
  connect(box, &QLineEdit::editingFinished, this, [this] {
    if (!problem_.isEmpty() && box_->isVisible())
      QToolTip::showText(box_->mapToGlobal(box_->rect().bottomLeft()), problem_, box_);
  });
  Read();
}

void KeyFilter::SetAllowed(QString allowed) {
  allowed_ = std::move(allowed);
  Read();
}

bool KeyFilter::TakesNumbers() const { return allowed_.contains('.') && allowed_.contains(','); }

void KeyFilter::Read() {
  QString problem;
  if (TakesNumbers()) {
    const std::string typed = box_->text().toStdString();
    const std::string unit = TakesInches() ? " in" : " mm";
    const bool unreadable = allowed_.contains('%') ? UnreadablePosition(typed, unit)
                                                   : UnreadableLength(typed, unit, /*negativeAllowed=*/true);
    if (unreadable) problem = QString::fromStdString(UnreadableText(typed, unit));
  }
  if (problem == problem_) return;
  problem_ = problem;
  QPalette palette = box_->palette();
  palette.setColor(QPalette::Text, problem_.isEmpty() ? plainText_ : QColor(176, 0, 0));
  box_->setPalette(palette);
}

bool ShowUnreadableBox(QWidget* window) {
  for (KeyFilter* filter : window->findChildren<KeyFilter*>()) {
    auto* box = qobject_cast<QLineEdit*>(filter->parent());
    if (filter->Problem().isEmpty() || !box || !box->isEnabled()) continue;
    box->setFocus();
    box->selectAll();
    if (box->isVisible()) QToolTip::showText(box->mapToGlobal(box->rect().bottomLeft()), filter->Problem(), box);
    return true;
  }
  return false;
}

QString KeyFilter::TipText() const {
  if (!problem_.isEmpty()) return problem_;
  if (!TakesNumbers()) return box_->toolTip();
  const QString forms = QString::fromStdString(AcceptedFormsText(TakesInches()));
  return box_->toolTip().isEmpty() ? forms : box_->toolTip() + "\n" + forms;
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
  lastRefusal_ = QString::fromStdString(platform::Text(keys::KeysRefused)) + " " + allowed_;
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
    } else if (event->type() == QEvent::ToolTip) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), TipText(), box_);
      return true;
    } else if (event->type() == QEvent::FocusIn) {
      // After the click that gave the focus has placed the cursor.
      QTimer::singleShot(0, box_, [box = box_] { box->selectAll(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

void MakeShowOnly(QLineEdit* box) {
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  box->setPalette(palette);
}

}  // namespace ribwindows
