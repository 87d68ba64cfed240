#pragma once
// How wide a cut piece is where it is widest: whether a hand can still pick it out of the
// sheet, or it is a sliver left where a cut runs right through a thin rib.
#include "core/cutpart.h"

namespace core {

// Whether a disc `acrossMm` across fits inside the piece, clear of its openings and round
// holes: the piece's width is that of the largest such disc (its widest inscribed circle).
// A strip 2 mm wide holds no 3 mm disc, however long it is.
bool PieceHoldsDisc(const CutPiece& piece, double acrossMm);

}  // namespace core
