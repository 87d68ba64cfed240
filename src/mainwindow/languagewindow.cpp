#include "mainwindow/languagewindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include "core/ribdocument.h"
#include "platform/texts.h"

namespace mainwindow {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

LanguageWindow::LanguageWindow(core::RibDocument& document, Purpose purpose, QWidget* parent)
    : QDialog(parent), document_(document), purpose_(purpose) {
  setObjectName("lang");
  const core::RibDocument& s = document_;
  // Every other dialog closes: their captions would stay in the old language.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w != parent && w->isVisible() && qobject_cast<QDialog*>(w)) w->close();

  languages_ = new QComboBox(this);
  languages_->setObjectName("Combo1");
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(languages_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  layout->addLayout(buttons);
  setMinimumWidth(300);
  setWindowTitle("Language");

  for (const std::string& name : files::ListLanguages(s.settings.programDir)) languages_->addItem(Q(name));
  languages_->setCurrentIndex(-1);
  if (purpose_ == Purpose::ChangeLanguage) {
    setWindowTitle(Q(platform::Text("LANGUAGE", "2")));
    languages_->setCurrentIndex(languages_->findText(Q(s.settings.languageName)));
  }
  changed_ = false;
  connect(languages_, &QComboBox::activated, this, [this] { changed_ = true; });
  connect(ok_, &QPushButton::clicked, this, &LanguageWindow::Choose);
}

void LanguageWindow::Choose() {
  if (changed_ && languages_->currentIndex() >= 0) {
    files::ChooseLanguage(document_, languages_->currentText().toStdString());
    // The captions and every drawn text follow the new language.
    if (purpose_ == Purpose::ChangeLanguage) document_.changes.Announce(core::Change::Style);
  }
  accept();
}

void LanguageChooserWindow::ShowChooser(core::RibDocument& document) {
  LanguageWindow window(document, LanguageWindow::Purpose::FirstChoice, nullptr);
  window.exec();
}

}  // namespace mainwindow
