#pragma once
// The main window's title in the language in force, composed from what the document says
// it names (core::TitleNames) each time it is shown, so that a change of language needs no
// other step.
#include <string>

#include "core/ribdocument.h"

namespace commands {

std::string WindowTitle(const core::RibDocument& document);

}  // namespace commands
