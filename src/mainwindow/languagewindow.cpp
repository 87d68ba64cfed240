#include "mainwindow/languagewindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include "commands/windowtitle.h"
#include "core/ribdocument.h"
#include "files/ini.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace mainwindow {

namespace {
using platform::Q;
}  // namespace

LanguageWindow::LanguageWindow(core::RibDocument& document, Purpose purpose, QWidget* parent)
    : QDialog(parent), document_(document), purpose_(purpose) {
  setObjectName("lang");
  // Every other dialog closes: their captions would stay in the old language.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w != parent && w->isVisible() && qobject_cast<QDialog*>(w)) w->close();

  prompt_ = new QLabel(this);
  prompt_->setObjectName("lblPrompt");
  languages_ = new QComboBox(this);
  languages_->setObjectName("Combo1");
  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(languages_);
  layout->addWidget(buttons);
  setMinimumWidth(300);

  const std::vector<std::string> names = files::ListLanguages(document_.settings.programDir);
  // Each language under its own name ("Français"), the file's name where it gives none.
  for (const std::string& name : names) {
    const QString shown =
        Q(files::GetINIFile("LANGUAGE", "Name", files::LanguageFilePath(document_.settings.programDir, name)));
    languages_->addItem(shown.isEmpty() ? Q(name) : shown, Q(name));
  }
  languages_->setCurrentIndex(-1);
  // No language is chosen yet: each language asks in its own words.
  QStringList titles, prompts;
  for (const std::string& name : names) {
    const std::string file = files::LanguageFilePath(document_.settings.programDir, name);
    const QString title = Q(files::GetINIFile("LANGUAGE", "2", file));
    const QString prompt = Q(files::GetINIFile("LANGUAGE", "3", file));
    if (!title.isEmpty() && !titles.contains(title)) titles << title;
    if (!prompt.isEmpty() && !prompts.contains(prompt)) prompts << prompt;
  }
  setWindowTitle(titles.isEmpty() ? QString("Language") : titles.join(" / "));
  prompt_->setText(prompts.join("\n"));
  changed_ = false;
  if (purpose_ == Purpose::ChangeLanguage) {
    prompt_->setText(Q(platform::Text(keys::LanguagePrompt)));
    setWindowTitle(Q(platform::Text(keys::LanguageCaption)));
    languages_->setCurrentIndex(languages_->findData(Q(document_.settings.languageName)));
  } else {
    // The system's language is offered, so that OK alone starts in it.
    languages_->setCurrentIndex(
        languages_->findData(Q(PreferredLanguage(document_.settings.programDir, SystemLanguageCode()))));
    changed_ = languages_->currentIndex() >= 0;
  }
  connect(languages_, &QComboBox::activated, this, [this] { changed_ = true; });
  connect(ok_, &QPushButton::clicked, this, &LanguageWindow::Choose);
}

void LanguageWindow::Choose() {
  if (changed_ && languages_->currentIndex() >= 0) {
    files::ChooseLanguage(document_, languages_->currentData().toString().toStdString());
    // The captions, the window's title and every drawn text follow the new language.
    if (purpose_ == Purpose::ChangeLanguage) document_.changes.Announce(core::Change::Style | core::Change::Project);
  }
  accept();
}

std::string PreferredLanguage(const std::string& programDir, const std::string& systemCode) {
  const std::vector<std::string> names = files::ListLanguages(programDir);
  for (const std::string& name : names)
    if (!systemCode.empty() && files::GetINIFile("LANGUAGE", "Code", files::LanguageFilePath(programDir, name)) == systemCode)
      return name;
  for (const std::string& name : names)
    if (name == "English") return name;
  return names.empty() ? std::string() : names.front();
}

std::string SystemLanguageCode() { return QLocale().name().section('_', 0, 0).toStdString(); }

void LanguageChooserWindow::ShowChooser(core::RibDocument& document) {
  LanguageWindow window(document, LanguageWindow::Purpose::FirstChoice, nullptr);
  window.exec();
}

bool StartLanguage(core::RibDocument& document, LanguageChooser& chooser) {
  files::InstallLanguageLookup(document);
  document.settings.languageName = files::LanguageSetting(document);
  while (document.settings.languageName.empty()) {
    if (files::ListLanguages(document.settings.programDir).empty()) {
      // Without any language file there is nothing to choose and no text to say it with.
      platform::Inform("No language file (*.lng) was found in the program folder:\n" + document.settings.programDir +
                           "\n\nVandrell cannot show its texts without one. Reinstall Vandrell, or copy "
                           "English.lng into that folder.",
                       platform::kProgramTitle, platform::BoxIcon::Critical);
      return false;
    }
    chooser.ShowChooser(document);
    const std::string chosen = document.settings.languageName;
    document.settings.languageName = files::LanguageSetting(document);
    // A settings file that cannot be written must not keep the user choosing for ever:
    // the choice then holds for this session.
    if (document.settings.languageName.empty()) document.settings.languageName = chosen;
    if (document.settings.languageName.empty()) {
      // No language is set yet: the request comes in the language the chooser offered.
      const std::string preferred = PreferredLanguage(document.settings.programDir, SystemLanguageCode());
      std::string text =
          files::GetINIFile("LANGUAGE", "4", files::LanguageFilePath(document.settings.programDir, preferred));
      if (text.empty()) text = "Please select a language";
      platform::Inform(text, platform::kProgramTitle, platform::BoxIcon::Critical);
    }
  }
  document.settings.languageFile =
      files::LanguageFilePath(document.settings.programDir, document.settings.languageName);
  return true;
}

}  // namespace mainwindow
