#pragma once
// The language window `lang`: the language files beside the program, one to choose; and
// the start-up's choice of a language.
#include <QDialog>
#include <string>

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

// What the start-up shows while no language is set. On a choice it calls
// files::ChooseLanguage; closing it without a choice leaves the language unset.
class LanguageChooser {
 public:
  virtual ~LanguageChooser() = default;
  virtual void ShowChooser(core::RibDocument& document) = 0;
};

// The language offered first: the file whose LANGUAGE/Code is `systemCode` (the system's
// language, such as "fr"), else English, else the first file; empty without any file.
std::string PreferredLanguage(const std::string& programDir, const std::string& systemCode);
// The system's language code as the files name it ("fr" for fr_CA).
std::string SystemLanguageCode();

// The language window, as the start-up shows it.
class LanguageChooserWindow : public LanguageChooser {
 public:
  void ShowChooser(core::RibDocument& document) override;
};

// Start-up: the language of INI Language/Langue; while there is none, the chooser, and after
// a chooser closed without a choice the critical box "Please select a language". Installs the
// lookup and sets languageName and languageFile; the caller then loads the main window's
// captions. Needs s.settings.programDir and s.settings.iniFile.
// Returns false, after saying so once, when the program directory holds no language file at
// all: asking again could never succeed, so the program ends.
bool StartLanguage(core::RibDocument& document, LanguageChooser& chooser);

}  // namespace mainwindow
