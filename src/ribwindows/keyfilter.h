#pragma once
// The key filter of the numeric boxes: typed characters outside the allowed set never
// reach the box; Backspace and the keys that type nothing (arrows, Enter, Escape) pass.
// Text that arrives otherwise (pasted, dropped, inserted) is refused whole when it would
// add a character the filter refuses. The box also selects its whole text when it gets the
// focus.
#include <QObject>
#include <QString>

class QLineEdit;
class QValidator;

namespace ribwindows {

class KeyFilter : public QObject {
  Q_OBJECT
 public:
  KeyFilter(QLineEdit* box, QString allowed);
  void SetAllowed(QString allowed);
  // Whether a typed text gets through (Backspace, code 8, always does).
  static bool Accepts(const QString& typed, const QString& allowed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* box_;
  QString allowed_;
  QValidator* validator_;
};

}  // namespace ribwindows
