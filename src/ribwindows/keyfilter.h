#pragma once
// The key filter of the numeric boxes: typed characters outside the allowed set never
// reach the box; Backspace and the keys that type nothing (arrows, Enter, Escape) pass.
// The box also selects its whole text when it gets the focus. Pasted and dropped text is
// held to the same characters.
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* box_;
  QString allowed_;
};

}  // namespace ribwindows
