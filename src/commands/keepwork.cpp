#include "commands/keepwork.h"

#include "commands/projectcommands.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

bool HasUnsavedChanges(const core::RibDocument& document) {
  return document.project.modified && !document.view.compareShown;
}

bool KeepWork(core::RibDocument& document, const std::string& question) {
  if (!HasUnsavedChanges(document)) return true;
  // The language's words, each with its access key: the toolkit's own have none here.
  using platform::Text;
  switch (platform::CurrentMessages().Show({question, platform::kProgramTitle, platform::BoxIcon::Question,
                                            platform::BoxButtons::SaveDiscardCancel, 1,
                                            {Text(keys::KeepWorkSaveButton), Text(keys::KeepWorkDiscardButton),
                                             Text(keys::KeepWorkCancelButton)}})) {
    case platform::BoxAnswer::Save: return SaveProjectAgain(document);
    case platform::BoxAnswer::Discard: return true;
    default: return false;
  }
}

bool MayReplaceRib(core::RibDocument& document, const std::string& plainQuestion, const std::string& title) {
  if (HasUnsavedChanges(document)) return KeepWork(document, platform::Text(keys::ReplaceModified));
  return plainQuestion.empty() ||
         platform::AskYesNo(plainQuestion, title, platform::BoxIcon::Question, true) == platform::BoxAnswer::Yes;
}

}  // namespace commands
