#pragma once
// The main window's title in the language in force: the program alone, with the airfoil
// open, or with the project and its airfoil. A change of language composes it again.
#include <string>

#include "core/ribdocument.h"

namespace commands {

enum class TitleForm { Program, Airfoil, Project };

std::string WindowTitle(TitleForm form, const core::RibDocument& d);

// The form of the document's present title, read in the language in force (ask before the
// language changes); a title of no known form counts as the program's alone.
TitleForm CurrentTitleForm(const core::RibDocument& d);

}  // namespace commands
