#pragma once
// The rib's history for Edit > Undo and Redo. It listens to the document: whenever an
// announced change leaves the rib set-up different from what it last saw, that change becomes
// one step holding the set-up before and after (a value copy), so undo and redo give back
// exactly what was there, typed texts included. A new airfoil, a project or a new rib starts
// a fresh history; the project's modified flag follows the saved step.
#include <QObject>
#include <QString>

#include "core/changes.h"
#include "core/ribdocument.h"

class QAction;
class QUndoStack;

namespace mainwindow {

class UndoHistory : public QObject {
  Q_OBJECT
 public:
  // Whoever changes the rib settles it before announcing (core::Settle), so what follows
  // from a change (board distances, the caption) belongs to the same step whatever the
  // order of the listeners.
  UndoHistory(core::RibDocument& document, QObject* parent);
  ~UndoHistory() override;

  QAction* UndoAction() const { return undo_; }
  QAction* RedoAction() const { return redo_; }
  const QUndoStack& Stack() const { return *stack_; }

  void Undo();
  void Redo();
  // Forgets every step: the rib as it is now is where the history starts.
  void StartAfresh();
  // The menu texts of the language in force.
  void LoadCaptions();

 private:
  friend class RibStep;
  void Changed(core::Changes what);
  // Puts the set-up the step just run chose back into the document and announces it.
  void PutBack();
  void ShowState();

  core::RibDocument& document_;
  QUndoStack* stack_;
  QAction* undo_;
  QAction* redo_;
  core::RibSetup seen_;  // the set-up as of the last step or restore
  const core::RibSetup* chosen_ = nullptr;  // what the step being run puts back
  bool restoring_ = false;
  core::ChangeChannel::Subscription subscription_;
};

}  // namespace mainwindow
