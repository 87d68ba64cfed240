#pragma once
// A place for texts that come and go (a hint and the warning that replaces it, a result):
// as tall as the longest text it may hold at whatever width it gets, so that nothing around
// it moves, and the window does not grow, when the text changes.
#include <QStringList>
#include <QWidget>

class QLabel;
class QStackedLayout;

namespace ribwindows {

class LabelRoom : public QWidget {
 public:
  explicit LabelRoom(QWidget* parent);
  // A label shown in the room, one at a time; the first added shows first.
  void Add(QLabel* label);
  void Show(QLabel* label);
  // Texts the room must have space for; measured, never shown.
  void Reserve(const QStringList& texts);

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A window's least height takes no account of wrapped lines: the room's own least height
  // follows what its texts need at its width, once the window's layout has settled (a
  // passing narrow width would make the window tall for good).
  void RefitSoon();
  void Refit();

  QStackedLayout* stack_;
  QList<QLabel*> samples_;
  bool refitPending_ = false;
};

// Makes `window` never shorter than its wrapped texts need at its narrowest. A window opens
// at most two thirds of a small screen high, and its wrapped labels then lost their last lines.
void KeepWrappedTextsWhole(QWidget& window);

}  // namespace ribwindows
