#include "ribwindows/squarerules.h"

#include "platform/messages.h"

namespace ribwindows {

SquareBoxes SquareBoxesFromDocument(const core::RibDocument& document) {
  const core::SquareLeadingEdge& q = document.rib.squareLeadingEdge;
  return {q.size.text, q.x.text, q.y.text};
}

SquareBoxes ApplySquareLeadingEdge(core::RibDocument& document, const SquareBoxes& boxes,
                                   const std::string& windowTitle) {
  const commands::EditOutcome outcome = commands::ApplyEdit(document, commands::SetSquareLeadingEdge{boxes});
  for (const commands::EditMessage& message : outcome.messages)
    platform::Inform(commands::EditMessageText(message), windowTitle);
  // The texts are stored as typed, or as corrected.
  return SquareBoxesFromDocument(document);
}

}  // namespace ribwindows
