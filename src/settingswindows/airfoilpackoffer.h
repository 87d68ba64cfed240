#pragma once
// The offer of the companion airfoil pack, made at the first start and from the Help menu:
// one question with the folder the pack would go to (which the user may change), then one
// message telling how it went. The rules are in airfoilpack.h.
#include <QDialog>
#include <string>

#include "core/ribdocument.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace settingswindows {

// The question: copy the pack into the folder shown below it.
std::string AirfoilPackQuestion();
// The pack declined: where to find the set-up and the airfoil folder later.
void DeclineAirfoilPack();

// The configuration window: the question, the destination with its Choose button, and
// Yes, No and Help.
class ConfigurationWindow : public QDialog {
  Q_OBJECT
 public:
  ConfigurationWindow(const core::RibDocument& document, const std::string& destination, QWidget* parent = nullptr);
  QLabel* Question() const { return question_; }
  QLineEdit* FolderBox() const { return folder_; }
  QPushButton* ChooseButton() const { return choose_; }
  QPushButton* YesButton() const { return yes_; }
  QPushButton* NoButton() const { return no_; }
  QPushButton* HelpButton() const { return help_; }
  std::string Destination() const;

 private:
  void ChooseFolder();

  QLabel* question_;
  QLineEdit* folder_;
  QPushButton* choose_;
  QPushButton* yes_;
  QPushButton* no_;
  QPushButton* help_;
};

// Runs the offer: the window, then on Yes the copy and its report, on No the advice.
// The pack is offered for the user's documents folder unless the airfoil folder is theirs.
void OfferAirfoilPack(core::RibDocument& document, QWidget* parent = nullptr);

}  // namespace settingswindows
