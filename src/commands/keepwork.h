#pragma once
// Work is never dropped without asking: quitting and everything that replaces the rib (a
// new rib, an airfoil or a project opened, a file dropped, the tools that clear the rib)
// ask the same question while the rib holds changes not saved.
#include <string>

#include "core/ribdocument.h"

namespace commands {

// Changes that would be lost: the rib was modified since it was saved (a comparison on
// screen holds no rib of its own).
bool HasUnsavedChanges(const core::RibDocument& document);

// While there are unsaved changes: `question` with Save, Discard and Cancel. Save writes
// the project in place (File > Save), asking for a name only for a rib of no file. True
// when the work may go: nothing to lose, saved, or discarded.
bool KeepWork(core::RibDocument& document, const std::string& question);

// Before the rib is replaced: the question above while it is modified; else, when given,
// `plainQuestion` (Yes or No, No by default) under `title`.
bool MayReplaceRib(core::RibDocument& document, const std::string& plainQuestion = {}, const std::string& title = {});

}  // namespace commands
