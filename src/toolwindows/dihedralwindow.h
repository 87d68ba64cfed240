#pragma once
// `frmdiedre`: the dihedral calculator. Of the angle, the panel's span and the rise of its
// tip, the two typed last give the third as they are typed; a double-click on a box works
// it out from the other two.
#include <QDialog>
#include <array>
#include <vector>

#include "core/ribdocument.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace toolwindows {

class DihedralWindow : public QDialog {
  Q_OBJECT
 public:
  enum Box { Angle = 0, Span = 1, Rise = 2 };
  DihedralWindow(const core::ProgramSettings& settings, QWidget* parent = nullptr);

  QLineEdit* BoxAt(Box b) const { return boxes_[static_cast<std::size_t>(b)]; }
  QPushButton* OkButton() const { return ok_; }
  // Why a double-click gave no value.
  QLabel* NoteLabel() const { return note_; }
  // What a double-click on a box does.
  void Compute(Box b);
  // A box was typed into: the third is worked out once two hold values.
  void Typed(Box b);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const core::ProgramSettings& settings_;
  std::array<QLineEdit*, 3> boxes_{};
  std::vector<Box> typed_;  // the boxes holding typed values, the last typed first
  QLabel* note_;
  QPushButton* ok_;
};

}  // namespace toolwindows
