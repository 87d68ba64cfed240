#pragma once
// The language window `lang`: the language files beside the program, one to choose.
#include <QDialog>
#include <functional>

#include "files/language.h"

class QComboBox;
class QPushButton;

namespace mainwindow {

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

// The window as the language start-up shows it while no language is set.
class LangChooser : public files::LanguageChooser {
 public:
  void ShowChooser(core::SharedState& s) override;
};

}  // namespace mainwindow
