#pragma once
// The filter of the numeric boxes: characters outside the allowed set never reach the box,
// whether typed, pasted (Ctrl+V, the middle button, the context menu) or dropped; the box
// says why in a tip beside it. Backspace and the keys that type nothing (arrows, Enter,
// Escape) pass. The box also selects its whole text when it gets the focus.
#include <QObject>
#include <QString>

class QLineEdit;

namespace ribwindows {

class KeyFilter : public QObject {
  Q_OBJECT
 public:
  KeyFilter(QLineEdit* box, QString allowed);
  void SetAllowed(QString allowed) { allowed_ = std::move(allowed); }
  // Whether a typed text gets through (Backspace, code 8, always does).
  static bool Accepts(const QString& typed, const QString& allowed);
  // What the box last told the user when it refused a text; empty when it refused none.
  const QString& LastRefusal() const { return lastRefusal_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refuse();

  QLineEdit* box_;
  QString allowed_;
  QString lastAccepted_;
  QString lastRefusal_;
};

}  // namespace ribwindows
