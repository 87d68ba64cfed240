#pragma once
// The square leading-edge window: a square strip set on edge in the nose of the rib. It
// stays open beside the main window; every Apply is drawn at once.
#include <QDialog>

#include "core/changes.h"
#include "core/ribdocument.h"

class QLineEdit;
class QPushButton;

namespace ribwindows {

class SquareLeadingEdgeWindow : public QDialog {
  Q_OBJECT
 public:
  SquareLeadingEdgeWindow(core::RibDocument& document, QWidget* parent = nullptr);

  // Shows the window beside `parent`, or brings the one already open there to the front.
  // A window shown again shows the document as it is now.
  static SquareLeadingEdgeWindow* ShowBeside(core::RibDocument& document, QWidget* parent);

  core::Changes Changed() const { return changed_; }

  // 0 side, 1 distance from the leading edge, 2 height above the chord line.
  QLineEdit* Box(int index) const { return boxes_[index]; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }

 private:
  bool Apply();  // false: a box cannot be read, nothing stored
  void ShowDocument();

  core::RibDocument& document_;
  core::ChangeChannel::Subscription subscription_;
  core::Changes changed_;
  QLineEdit* boxes_[3] = {};
  QPushButton* ok_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace ribwindows
