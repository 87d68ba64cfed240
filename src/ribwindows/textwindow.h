#pragma once
// The inserted-text window: one line of text on the rib drawing, its place and its size.
// By default the text is the rib's automatic caption; a text of the user's own stays.
#include <QDialog>

#include "core/changes.h"
#include "core/ribdocument.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ribwindows {

class TextWindow : public QDialog {
  Q_OBJECT
 public:
  TextWindow(core::RibDocument& document, QWidget* parent = nullptr);

  core::Changes Changed() const { return changed_; }

  // 0 the text, 1 distance from the leading edge, 2 height above the chord line.
  QLineEdit* Box(int index) const { return boxes_[index]; }
  QComboBox* SizeList() const { return sizes_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }

 private:
  bool Apply();  // false: a box cannot be read, nothing stored

  core::RibDocument& document_;
  core::Changes changed_;
  QLineEdit* boxes_[3] = {};
  QComboBox* sizes_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace ribwindows
