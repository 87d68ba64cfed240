#pragma once
// The language window `lang`: the language files beside the program, one to choose.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace mainwindow {

// The base names of the ".lng" files of `dir`, sorted.
std::vector<std::string> LanguageNames(const std::string& dir);

class LangWindow : public QDialog {
  Q_OBJECT
 public:
  // `captionsChanged` reloads the main window's captions and redraws after a new choice.
  LangWindow(QWidget* parent, std::function<void()> captionsChanged);

  QComboBox* Combo1() const { return combo1_; }
  QPushButton* ok() const { return ok_; }
  void ok_Click();

 private:
  QComboBox* combo1_;
  QPushButton* ok_;
  bool changed_ = false;
  std::function<void()> captionsChanged_;
};

// The language start-up: while no language is set, the window is shown (and "Please
// select a language" after a closing without a choice); then the language file is fixed.
void StartLanguage(QWidget* parent);

}  // namespace mainwindow
