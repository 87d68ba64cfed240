#pragma once
// The language window `lang`: the language files beside the program, one to choose.
#include <QDialog>

#include "files/language.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace mainwindow {

class LanguageWindow : public QDialog {
  Q_OBJECT
 public:
  // At the first start no language is set yet; from the menu, a new choice is announced as
  // a change of style (captions and drawn texts follow it).
  enum class Purpose { FirstChoice, ChangeLanguage };
  LanguageWindow(core::RibDocument& document, Purpose purpose, QWidget* parent);

  QComboBox* LanguageList() const { return languages_; }
  QPushButton* OkButton() const { return ok_; }
  QLabel* Prompt() const { return prompt_; }
  void Choose();

 private:
  core::RibDocument& document_;
  Purpose purpose_;
  QLabel* prompt_;
  QComboBox* languages_;
  QPushButton* ok_;
  bool changed_ = false;
};

// The window as the language start-up shows it while no language is set.
class LanguageChooserWindow : public files::LanguageChooser {
 public:
  void ShowChooser(core::RibDocument& s) override;
};

}  // namespace mainwindow
