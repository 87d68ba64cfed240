#pragma once
// The row of numbered labels of the spar and hole windows: "1" to the pending row's number,
// the selected one blue, else the pending one black, both framed. A click on a label tells
// its index.
#include <QWidget>
#include <array>
#include <functional>

#include "ribwindows/slottableeditor.h"

class QLabel;

namespace ribwindows {

class SlotLabels : public QWidget {
  Q_OBJECT
 public:
  explicit SlotLabels(QWidget* parent = nullptr);
  // Shows every label as `look` gives it.
  void Show(const std::function<SlotLabel(int)>& look);
  QLabel* Label(int index) const { return labels_[static_cast<std::size_t>(index)]; }

 signals:
  void clicked(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLabel*, kLastUsableSlot + 1> labels_{};
};

}  // namespace ribwindows
