#pragma once
// Qt's own dialogs (the print dialog with its options, the printer's properties) are laid
// out for a large screen; on a small or scaled one they ran off its edge.
#include <QObject>
#include <functional>

class QDialog;
class QWidget;

namespace platform {

// Makes `window` no larger than the room of the screen it is on, less its frame, and moves it
// wholly onto that screen. Where its contents need more, they are squeezed rather than cut
// off by the screen's edge.
void FitOnScreen(QWidget& window);

// While alive, every dialog that shows or grows (the print dialog's options, the
// properties window it opens) is fitted onto its screen; `whenShown` may name it first.
class DialogsFitTheScreen : public QObject {
 public:
  explicit DialogsFitTheScreen(std::function<void(QDialog&)> whenShown = {});
  ~DialogsFitTheScreen() override;
  DialogsFitTheScreen(const DialogsFitTheScreen&) = delete;
  DialogsFitTheScreen& operator=(const DialogsFitTheScreen&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(QDialog&)> whenShown_;
};

}  // namespace platform
