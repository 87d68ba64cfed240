#pragma once
// The filter of the numeric boxes: characters outside the allowed set never reach the box,
// whether typed, pasted (Ctrl+V, the middle button, the context menu) or dropped; the box
// says why in a tip beside it. Backspace and the keys that type nothing (arrows, Enter,
// Escape) pass. The box also selects its whole text when it gets the focus.
//
// A number box (one that takes "." and ",") also reads what it holds as the window will:
// a text that cannot be read ("1,2,3", "7 1/0") turns red and says why in the box's tip,
// shown beside it when the user leaves the box; nothing stops the typing, so no keystroke
// is lost on the way to "7 1/2". Its tip ends with the forms it takes.
#include <QColor>
#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace ribwindows {

class KeyFilter : public QObject {
  Q_OBJECT
 public:
  KeyFilter(QLineEdit* box, QString allowed);
  void SetAllowed(QString allowed);
  // Whether a typed text gets through (Backspace, code 8, always does).
  static bool Accepts(const QString& typed, const QString& allowed);
  // What the box last told the user when it refused a text; empty when it refused none.
  const QString& LastRefusal() const { return lastRefusal_; }
  // Why the box's text cannot be read; empty when it reads, or the box holds no number.
  const QString& Problem() const { return problem_; }
  // What the box's tip shows now.
  QString TipText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refuse();
  void Read();
  bool TakesNumbers() const;
  bool TakesInches() const { return allowed_.contains('/'); }

  QLineEdit* box_;
  QString allowed_;
  QString lastAccepted_;
  QString lastRefusal_;
  QString problem_;
  QColor plainText_;
};

// Before Apply: the first box of `window` in use whose text cannot be read gets the focus,
// and its reason shows beside it; true when there is one (nothing is to be stored).
bool ShowUnreadableBox(QWidget* window);

// A box that only shows what a button chose (a file, a folder) or a value to compare with:
// read-only, looking it, and passed over by Tab, so that nothing typed there is lost.
void MakeShowOnly(QLineEdit* box);

}  // namespace ribwindows
