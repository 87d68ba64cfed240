#include "mainwindow/undohistory.h"

#include <QAction>
#include <QUndoCommand>
#include <QUndoStack>

#include "commands/ribedit.h"
#include "mainwindow/undorules.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace mainwindow {

namespace {
using platform::Q;
}  // namespace

// One change of the rib: the set-up before and after, and the [MenuEdit] key of its name.
// Running it only says which set-up to put back; the history does it once the stack has
// moved, so that the modified flag is read from the stack's new place.
class RibStep : public QUndoCommand {
 public:
  RibStep(UndoHistory& history, core::RibSetup before, core::RibSetup after, const char* nameKey)
      : history_(history), before_(std::move(before)), after_(std::move(after)), nameKey_(nameKey) {
    Rename();
  }
  void redo() override { history_.chosen_ = &after_; }
  void undo() override { history_.chosen_ = &before_; }
  void Rename() { setText(Q(platform::Text("MenuEdit", nameKey_))); }

 private:
  UndoHistory& history_;
  core::RibSetup before_;
  core::RibSetup after_;
  const char* nameKey_;
};

UndoHistory::UndoHistory(core::RibDocument& document, QObject* parent)
    : QObject(parent), document_(document), stack_(new QUndoStack(this)), undo_(new QAction(this)),
      redo_(new QAction(this)), seen_(document.rib) {
  undo_->setObjectName("mnuEditUndo");
  redo_->setObjectName("mnuEditRedo");
  undo_->setShortcuts(QKeySequence::Undo);
  redo_->setShortcuts(QKeySequence::Redo);
  // From the windows that stay open beside the main one too (spars, holes); a modal window
  // shadows the main window, and with it these shortcuts.
  undo_->setShortcutContext(Qt::ApplicationShortcut);
  redo_->setShortcutContext(Qt::ApplicationShortcut);
  connect(undo_, &QAction::triggered, this, &UndoHistory::Undo);
  connect(redo_, &QAction::triggered, this, &UndoHistory::Redo);
  connect(stack_, &QUndoStack::indexChanged, this, &UndoHistory::ShowState);
  subscription_ = document_.changes.Listen([this](core::Changes what) { Changed(what); });
  StartAfresh();
}

UndoHistory::~UndoHistory() { subscription_.Reset(); }

void UndoHistory::Changed(core::Changes what) {
  if (restoring_) return;
  if (what.Has(core::Change::Airfoil) || what.Has(core::Change::NewRib)) {
    StartAfresh();
    return;
  }
  // The thickness and camber tool's changed airfoil is shown over the rib while its window is
  // open; it becomes the rib's own only when saved and opened as the airfoil, which starts a
  // fresh history. It is no step, or Cancel would leave one that undoes nothing.
  seen_.reshape = document_.rib.reshape;
  if (document_.rib != seen_) {
    auto* step = new RibStep(*this, seen_, document_.rib, StepNameKey(seen_, document_.rib));
    seen_ = document_.rib;
    stack_->push(step);  // runs redo(), which has nothing to put back
    chosen_ = nullptr;
  }
  // A save: this place in the history is the one on disk.
  if (what.Has(core::Change::Project) && !document_.project.modified) stack_->setClean();
}

void UndoHistory::StartAfresh() {
  stack_->clear();
  seen_ = document_.rib;
  // A rib never saved (a new airfoil) stays unsaved however far back one goes.
  if (document_.project.modified) stack_->resetClean();
  else stack_->setClean();
  ShowState();
}

void UndoHistory::Undo() {
  if (!stack_->canUndo()) return;
  stack_->undo();
  PutBack();
}

void UndoHistory::Redo() {
  if (!stack_->canRedo()) return;
  stack_->redo();
  PutBack();
}

void UndoHistory::PutBack() {
  if (!chosen_) return;
  const core::RibSetup& rib = *chosen_;
  chosen_ = nullptr;
  seen_ = rib;
  // Put back as it was made, settled then: nothing is worked out again, and what the
  // listeners announce meanwhile (an open window's marks) is no step.
  restoring_ = true;
  commands::ApplyEdit(document_, commands::RestoreRib{rib, stack_->isClean()});
  restoring_ = false;
}

void UndoHistory::ShowState() {
  const std::string undoName = stack_->canUndo() ? stack_->undoText().toStdString() : std::string();
  const std::string redoName = stack_->canRedo() ? stack_->redoText().toStdString() : std::string();
  undo_->setText(Q(UndoMenuText(platform::Text(keys::UndoEntry), undoName)));
  redo_->setText(Q(UndoMenuText(platform::Text(keys::RedoEntry), redoName)));
  undo_->setEnabled(stack_->canUndo());
  redo_->setEnabled(stack_->canRedo());
}

void UndoHistory::LoadCaptions() {
  for (int i = 0; i < stack_->count(); ++i)
    if (auto* step = dynamic_cast<RibStep*>(const_cast<QUndoCommand*>(stack_->command(i)))) step->Rename();
  ShowState();
}

}  // namespace mainwindow
