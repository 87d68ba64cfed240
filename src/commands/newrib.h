#pragma once
// The new-rib command's document side: View > Clear all data and the tools that start
// from an empty rib.
#include "core/ribdocument.h"

namespace commands {

// Features cleared, flags of a fresh start, zoom 100 %; the inserted text's size is
// stored for the next rib and the rib defaults are read from the settings again.
void ClearRibState(core::RibDocument& document);

// The edit ClearRib (ClearRibState, the program's title, Change::NewRib announced so that
// the windows return to their state at start), then the airfoil-folder check.
void NewRib(core::RibDocument& document);

}  // namespace commands
