#pragma once
// The airfoil tools' flows once the user has asked: the thickness and camber change, the
// saving of derived airfoil files (inclined and oblique ribs too), the comparison and the
// former put into the document. Messages go through the platform; changes are announced.
#include <string>
#include <vector>

#include "commands/derivedairfoils.h"
#include "core/airfoiltools.h"
#include "core/ribdocument.h"
#include "core/toolviews.h"
#include "files/airfoilfile.h"

namespace commands {

struct ThicknessCamberApplied {
  bool ok = false;
  std::string thicknessText;  // what the boxes show afterwards
  std::string camberText;
};
// Apply: ScaleThicknessCamber, the user told what is refused (titled `caption`); on success
// stores the changed airfoil in the document, shows it and announces the view. A refusal
// leaves the view without the changed airfoil.
ThicknessCamberApplied ApplyThicknessCamber(core::RibDocument& document, const std::string& thicknessText,
                                            const std::string& camberText, const std::string& caption);

// The tools that save a derived airfoil; each remembers, for the session, where it saved last.
enum class DerivedAirfoilTool { ThicknessCamber, InclinedRib, ObliqueRib };

// Asks where to save a derived airfoil (with `proposedName`, in the folder the tool saved in
// last, else as ProposedOutputFolder says), asks before replacing a file, writes it
// atomically and says so in the status bar. Returns the path written, "" when the user
// cancelled or the writing failed (the user is told which file).
std::string SaveDerivedAirfoil(const core::RibDocument& document, DerivedAirfoilTool tool, const std::string& title,
                               const std::string& filterText, const std::string& proposedName,
                               const std::string& contents);

// The thickness and camber file of the changed airfoil in the document, with the boxes' texts.
std::string ThicknessCamberContents(const core::RibDocument& document, const std::string& thicknessText,
                                    const std::string& camberText);

// The status bar text while the changed airfoil shows.
std::string ThicknessCamberPanelText(const core::RibDocument& document);

// Ends the thickness and camber view (Cancel).
void EndThicknessCamber(core::RibDocument& document);

// The comparison takes the rib's place: the rib is cleared, the chord kept, the two airfoils
// shown. Both paths join the recent files.
void ShowComparison(core::RibDocument& document, core::AirfoilComparison& comparison, const core::Length& chord,
                    const std::string& firstPath, files::AirfoilData first, const std::string& secondPath,
                    files::AirfoilData second);
// The status bar text of the comparison: the names, each airfoil's greatest thickness and
// camber, and the chord.
std::string ComparisonPanelText(const core::RibDocument& document, const core::AirfoilComparison& c);

// The former: a coordinate file drawn as it is, on a new rib (the caller cleared it).
void ShowFormer(core::RibDocument& document, const std::string& path, files::AirfoilData data);

}  // namespace commands
