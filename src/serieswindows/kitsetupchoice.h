#pragma once
// The cutting kit window's choice of the rib set-up every rib takes: the current rib, the
// rib a series tool cleared, or a project file chosen with its button (the batch
// program's --template). Named in the window, so that a kit is never cut from a bare rib
// unawares.
#include <QWidget>
#include <optional>
#include <string>

#include "commands/cutkit.h"
#include "core/ribdocument.h"

class QComboBox;

namespace serieswindows {

class KitSetupChoice : public QWidget {
  Q_OBJECT
 public:
  KitSetupChoice(const core::RibDocument& document, QWidget* parent);

  // The choices; the project file's item holds the file's path.
  QComboBox* Box() const { return box_; }
  // Asks for the project file; kept when the user cancels.
  void ChooseProject();
  // The template rib of the choice, or why it cannot be had.
  std::optional<commands::KitRefusal> Template(core::RibDocument& templateRib) const;

 signals:
  void Changed();

 private:
  const core::RibDocument& document_;
  QComboBox* box_ = nullptr;
};

}  // namespace serieswindows
