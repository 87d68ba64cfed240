#include "mainwindow/langwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "core/ribstate.h"
#include "files/ini.h"
#include "mainwindow/startup.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace mainwindow {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

std::vector<std::string> LanguageNames(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string file = it->path().filename().string();
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".lng") == 0) names.push_back(file.substr(0, file.size() - 4));
  }
  std::sort(names.begin(), names.end());
  return names;
}

LangWindow::LangWindow(QWidget* parent, std::function<void()> captionsChanged)
    : QDialog(parent), captionsChanged_(std::move(captionsChanged)) {
  setObjectName("lang");
  core::SharedState& s = core::App();
  // Every other dialog closes: their captions would stay in the old language.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w != parent && w->isVisible() && qobject_cast<QDialog*>(w)) w->close();

  combo1_ = new QComboBox(this);
  combo1_->setObjectName("Combo1");
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(combo1_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  layout->addLayout(buttons);
  setMinimumWidth(300);
  setWindowTitle("Language");

  for (const std::string& name : LanguageNames(s.programDir)) combo1_->addItem(Q(name));
  combo1_->setCurrentIndex(-1);
  if (!s.choosingLanguage) {
    setWindowTitle(Q(platform::Text("LANGUAGE", "2")));
    combo1_->setCurrentIndex(combo1_->findText(Q(s.languageName)));
  }
  changed_ = false;
  connect(combo1_, &QComboBox::activated, this, [this] { changed_ = true; });
  connect(ok_, &QPushButton::clicked, this, &LangWindow::ok_Click);
}

void LangWindow::ok_Click() {
  core::SharedState& s = core::App();
  if (changed_ && combo1_->currentIndex() >= 0) {
    s.languageName = combo1_->currentText().toStdString();
    s.iniWriteOk = files::WriteINIFile("Language", "Langue", s.languageName, s.iniFile);
    if (!s.choosingLanguage) {
      UseLanguage(s);
      if (captionsChanged_) captionsChanged_();
    }
  }
  accept();
}

void StartLanguage(QWidget* parent) {
  core::SharedState& s = core::App();
  while (true) {
    s.languageName = files::GetINIFile("Language", "Langue", s.iniFile);
    if (s.languageName.empty()) {
      // With no language file to choose from the chooser could never be left.
      if (LanguageNames(s.programDir).empty()) break;
      s.choosingLanguage = true;
      LangWindow window(parent, nullptr);
      window.exec();
      // The choice holds even when the settings file could not take it.
      std::string stored = files::GetINIFile("Language", "Langue", s.iniFile);
      if (!stored.empty()) s.languageName = stored;
    }
    if (!s.languageName.empty()) break;
    platform::Inform("Please select a language", platform::kProgramTitle, platform::BoxIcon::Critical);
  }
  UseLanguage(s);
  s.choosingLanguage = false;
}

}  // namespace mainwindow
