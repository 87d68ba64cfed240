#pragma once
// The offer of the companion airfoil pack, made by the configuration window at the first
// start and from the Help menu: asks whether to run the pack's program, lets the user find
// it, starts it.
#include <QDialog>
#include <string>

#include "core/ribdocument.h"

class QLabel;
class QPushButton;

namespace settingswindows {

// The pack program's file name on this platform.
std::string KaldrexProgramName();

// The question: install the pack now, and the airfoil folder on lines of its own.
std::string AirfoilPackQuestion(const core::RibDocument& s);
// The pack declined: where to find the set-up and the airfoil folder later.
void DeclineAirfoilPack();
// The folder chooser until the pack's program is found (started) or the user gives up.
void FindAndStartAirfoilPack(const core::RibDocument& s);

// The configuration window: the question with Yes, No and Help.
class ConfigurationWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ConfigurationWindow(const core::RibDocument& s, QWidget* parent = nullptr);
  QLabel* Question() const { return question_; }
  QPushButton* YesButton() const { return yes_; }
  QPushButton* NoButton() const { return no_; }
  QPushButton* HelpButton() const { return help_; }

 private:
  QLabel* question_;
  QPushButton* yes_;
  QPushButton* no_;
  QPushButton* help_;
};

// Runs the offer: the window, then the search on Yes or the advice on No.
void OfferAirfoilPack(const core::RibDocument& s, QWidget* parent = nullptr);

}  // namespace settingswindows
