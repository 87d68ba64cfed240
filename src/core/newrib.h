#pragma once
// The state side of a new rib: what the main window's new-rib command, the project reader
// and the tools that start from an empty rib reset. Window work (menus, buttons, the
// picture, the zoom list) and the settings stay with the caller.
#include "core/ribdocument.h"

namespace core {

// Clears the rib features: spar and hole tables, edge pieces, square leading edge,
// markCount, boardAngle, baseMode, block and tab values and the inserted text; zeroes
// maxThickness and maxCamber; resets the scroll values and the thickness/camber and
// comparison views. The inserted text keeps its size: the caller stores textFontSize
// under InsText/TailleFont afterwards.
void ResetRib(RibDocument& document);

// Everything a new rib resets in the state: ResetRib plus the flags of a fresh start
// (project saved, upside-down, outline shown, the thickness and edge-height labels hidden,
// airfoil name and title, airfoil loaded,
// project modified, former view) and zoom 100 %. The caller
// then reads the settings' defaults again (chord, sheeting, leading edge, blocks).
void ClearRib(RibDocument& document);

}  // namespace core
