#include "mainwindow/langwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include "core/ribstate.h"
#include "platform/texts.h"

namespace mainwindow {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

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

  for (const std::string& name : files::ListLanguages(s.programDir)) combo1_->addItem(Q(name));
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
    files::ChooseLanguage(s, combo1_->currentText().toStdString());
    if (!s.choosingLanguage && captionsChanged_) captionsChanged_();
  }
  accept();
}

void LangChooser::ShowChooser(core::SharedState&) {
  LangWindow window(nullptr, nullptr);
  window.exec();
}

}  // namespace mainwindow
