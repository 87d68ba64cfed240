#pragma once
// The input window: edits one of the rib's main dimensions (chord, sheeting, edge-piece
// depths) or the number of reference lines.
//
// The pattern every window of the program follows: it receives what it edits by reference
// when it is made, checks what the user typed with headless rules (inputsettings.h),
// stores on OK, announces the change through the document's channel, and tells its caller
// whether it was accepted and what changed.
#include <QDialog>

#include "core/ribdocument.h"
#include "ribwindows/inputsettings.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ribwindows {

class InputWindow : public QDialog {
  Q_OBJECT
 public:
  InputWindow(core::RibDocument& document, InputKind kind, QWidget* parent = nullptr);

  // What an accepted window changed (nothing after Cancel).
  core::Changes Changed() const { return changed_; }

  QLineEdit* ValueBox() const { return valueBox_; }
  QLabel* Prompt() const { return prompt_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }
  // Beside the sheeting box: what the typed thickness would leave of the rib.
  QLabel* Warning() const { return warning_; }

 private:
  void Store();
  void ShowWarning();

  core::RibDocument& document_;
  InputKind kind_;
  core::Changes changed_;
  QLabel* prompt_;
  QLineEdit* valueBox_;
  QLabel* warning_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  QPushButton* helpButton_;
};

}  // namespace ribwindows
