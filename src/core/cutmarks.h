#pragma once
// Engraving kept on the part it belongs to: a laser scores whatever lies under a mark, so a
// line that runs past its part's edge would score the neighbour nested beside it or the
// sheet beyond.
#include <vector>

#include "core/cutpart.h"

namespace core {

// What a mark keeps from the cut lines: clear of the kerf and of the part's own edge.
inline constexpr double kMarkClearanceMm = 0.5;

// The marks cut back to the part: each line to what lies inside the pieces' outlines and
// outside their openings and circles, `clearanceMm` off every cut line (one line may come
// out as several); each text kept only where its box so lies (the box as wide as
// `LabelWidth` reckons it), left out otherwise: a reference number then moves up or down
// beside its place (as large as it was, down to a third) to the nearest room clear of the
// lines (after the other marks), a caption goes into `displaced` where one is given, to be
// placed anew. Marks keep their order.
std::vector<CutMark> MarksOnPart(const std::vector<CutMark>& marks, const std::vector<CutPiece>& pieces,
                                 std::vector<CutMark>* displaced = nullptr, double clearanceMm = kMarkClearanceMm);

// Whether a text mark's box lies wholly inside the pieces, as above.
bool TextOnPart(const CutMark& text, const std::vector<CutPiece>& pieces, double clearanceMm = kMarkClearanceMm);

}  // namespace core
