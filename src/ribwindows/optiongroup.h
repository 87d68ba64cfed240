#pragma once
// Option buttons in a framed group, read and set by their index.
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

namespace ribwindows {

// A group of N options named name_0 … name_N-1, the first one chosen.
template <std::size_t N>
QGroupBox* OptionGroup(QWidget* parent, const QString& name, std::array<QRadioButton*, N>& options) {
  auto* group = new QGroupBox(parent);
  auto* layout = new QVBoxLayout(group);
  auto* buttons = new QButtonGroup(group);
  for (std::size_t i = 0; i < N; ++i) {
    options[i] = new QRadioButton(group);
    options[i]->setObjectName(QString("%1_%2").arg(name).arg(i));
    buttons->addButton(options[i], static_cast<int>(i));
    layout->addWidget(options[i]);
  }
  options[0]->setChecked(true);
  return group;
}

template <std::size_t N>
int CheckedOption(const std::array<QRadioButton*, N>& options) {
  for (std::size_t i = 0; i < N; ++i)
    if (options[i]->isChecked()) return static_cast<int>(i);
  return 0;
}

// A code outside the options (from an odd project file) shows as the first one.
template <std::size_t N>
void CheckOption(std::array<QRadioButton*, N>& options, int index) {
  options[static_cast<std::size_t>(index >= 0 && index < static_cast<int>(N) ? index : 0)]->setChecked(true);
}

}  // namespace ribwindows
