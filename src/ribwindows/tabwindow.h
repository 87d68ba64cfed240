#pragma once
// The building-tab window: the board's side, distance and angle, the tab's length and its
// distance from the trailing edge, with a sketch of the rib on its board. Modal; Apply puts
// the rib on its tabs, "remove" takes it off them, Cancel leaves the rib as it was.
#include <QDialog>
#include <QWidget>

#include "core/changes.h"
#include "core/ribdocument.h"
#include "ribwindows/tabrules.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ribwindows {

// The rib on its board as the boxes give it, drawn small.
class TabSketch : public QWidget {
  Q_OBJECT
 public:
  TabSketch(const core::RibDocument& document, QWidget* parent = nullptr);
  void Show(const TabBoxes& boxes);
  const TabBoxes& Shown() const { return boxes_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const core::RibDocument& document_;
  TabBoxes boxes_;
};

class TabWindow : public QDialog {
  Q_OBJECT
 public:
  TabWindow(core::RibDocument& document, QWidget* parent = nullptr);

  // What the window changed in the document (nothing after Cancel alone).
  core::Changes Changed() const { return changed_; }

  // Boxes in the order of their index: 0 lower distance, 1 length, 2 rear distance,
  // 3 angle, 4 upper distance.
  QLineEdit* Box(int index) const { return boxes_[index]; }
  QRadioButton* SideOption(int index) const { return sides_[index]; }
  QLabel* ReachLabel() const { return reach_; }
  TabSketch* Sketch() const { return sketch_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }
  QPushButton* RemoveButton() const { return remove_; }

 private:
  TabBoxes Typed() const;
  void PositionEdited(int index);
  void AngleEdited();
  void SideChosen();
  void ShowReach();
  bool Apply();
  void Remove();
  void Follow(core::Changes what);

  core::RibDocument& document_;
  core::ChangeChannel::Subscription subscription_;
  core::Changes changed_;
  QLineEdit* boxes_[5] = {};
  QLabel* captions_[5] = {};
  QLabel* units_[5] = {};
  QRadioButton* sides_[2] = {};
  QLabel* reach_ = nullptr;
  TabSketch* sketch_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
  QPushButton* remove_ = nullptr;
  double length_ = 0;  // read as typed, for the reach label
  double rear_ = 0;
};

}  // namespace ribwindows
