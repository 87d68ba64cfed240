#pragma once
// The block window: a jig block around the rib whose bottom stands on the building board
// at a chosen angle. Modal; Apply puts the rib on its block, "remove" takes it off,
// Cancel leaves the rib as it was.
#include <QDialog>

#include "core/changes.h"
#include "core/ribdocument.h"
#include "ribwindows/blockrules.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ribwindows {

class BlockWindow : public QDialog {
  Q_OBJECT
 public:
  BlockWindow(core::RibDocument& document, QWidget* parent = nullptr);

  core::Changes Changed() const { return changed_; }

  // Boxes 0 to 5: board depth, length ahead, length behind, seat depth, total height, angle.
  QLineEdit* Box(int index) const { return boxes_[index]; }
  // The tail option: 0 the upper contour, 1 the lower.
  QRadioButton* TailOption(int index) const { return tails_[index]; }
  QLabel* TotalLabel() const { return total_; }
  QLabel* LowestLabel() const { return lowest_; }
  QLabel* HighestLabel() const { return highest_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }
  QPushButton* RemoveButton() const { return remove_; }

 private:
  BlockBoxes Typed() const;
  void ShowTotal();
  void ShowAirfoilHeights();
  void AngleEdited();
  bool Apply();  // false: a box cannot be read, nothing stored
  void Remove();

  core::RibDocument& document_;
  core::ChangeChannel::Subscription subscription_;
  core::Changes changed_;
  QLineEdit* boxes_[6] = {};
  QRadioButton* tails_[2] = {};
  QLabel* total_ = nullptr;
  QLabel* lowest_ = nullptr;
  QLabel* highest_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
  QPushButton* remove_ = nullptr;
};

}  // namespace ribwindows
