#pragma once
// File > Print, the print preview, the colours window's test page and `vandrell-cli print`:
// the drawing of the active view laid at full scale over one sheet or tiled sheets, with
// alignment crosses where sheets join and, if the user keeps them, a scale bar and a label.
#include <functional>
#include <string>
#include <vector>

#include "core/pagetiling.h"
#include "core/ribdocument.h"
#include "core/viewgeometry.h"
#include "platform/drawtarget.h"
#include "platform/pageoutput.h"

namespace commands {

// What is printed: a view that draws itself at a placement (the comparison, thickness and
// camber or former view), or, without one, the rib.
struct PrintRequest {
  std::function<void(platform::DrawTarget& target, const core::ViewPlacement& at)> draw;
  double lengthMm = -1;  // along the paper; below 0: the rib's printed length
  // The airfoils named in the question: none for the rib's own, two for a comparison.
  std::vector<std::string> airfoilNames;
  // One sheet, no tiling and no label (the test page); drawn at the sheet's corner.
  bool singleSheet = false;
  bool extras = true;  // scale bar and sheet label
};

// The per-user switch of the scale bar and label (on unless the user turned it off).
bool SheetExtrasWanted();
void SetSheetExtrasWanted(bool on);

// The menu's words for printing, without mnemonic or dots: the title of a failed print.
std::string PrintTitle();

// The confirmation: TextButton/14 and the airfoil's name, or both names in a comparison.
std::string PrintQuestion(const core::RibDocument& document, const std::vector<std::string>& comparedNames);

// The label of a sheet: "Sheet 2 / 3", the airfoil's name (both names in a comparison) and
// the chord in the unit in force.
std::string SheetLabel(const core::RibDocument& document, const std::vector<std::string>& comparedNames, int sheet,
                       int sheetCount);

// The placement of the drawing on sheet `sheet` (zoom 1, millimetres on the sheet), the chord line
// where the page set-up puts it; a view that takes the rib's place is moved to fit the sheet.
core::ViewPlacement SheetPlacement(const core::RibDocument& document, const core::PagePlan& plan, int sheet);

// Draws every sheet of `plan` on `output`, from Begin to End. False, with the reason, when
// the output fails at any step; nothing is reported to the user here.
bool SendSheets(const core::RibDocument& document, const PrintRequest& what, const core::PagePlan& plan,
                platform::PageOutput& output, std::string& error);

// The plan of a request: its own length, or the rib's; one sheet when it asks for one.
core::PagePlan PlanFor(const core::RibDocument& document, const PrintRequest& what);

// How the rib of `what` sits across its sheet (a view of its own is not checked: never cut).
core::SheetFit SheetFitFor(const core::RibDocument& document, const PrintRequest& what);

// Moves the chord line to the place that holds the whole rib (the settings file unchanged).
void PlaceChordLineToFit(core::RibDocument& document, const core::SheetFit& fit);

// Before a print or a preview: when the rib would be cut off at the sheet's edge, says so and
// offers to move the chord line so that the rib fits, kept as the page set-up keeps it.
// True when it was moved.
bool OfferFittingChordLine(core::RibDocument& document, const PrintRequest& what);

// A print taken as data, asking nothing: plans the sheets, puts the chord line where the
// whole rib fits the sheet when `fitChordLine` (the settings file unchanged), and sends them
// to `output`.
struct PrintResult {
  enum class Status { Printed, Refused, Failed };
  Status status = Status::Printed;
  std::string refusal;  // "no-room", "needs-overlap"
  std::string text;     // the refusal in the user's words, or why the output failed
  bool cutOff = false;  // the rib reaches past the sheet at its chord line, sent all the same
};
PrintResult PrintSheets(core::RibDocument& document, const PrintRequest& what, platform::PageOutput& output,
                        bool fitChordLine);
// After a job sent to `output`: a PDF written is told in the status bar; a failure is said,
// as an error, with the file and its cause, and the next job asks again where to print.
// Returns `sent`.
bool TellPrintOutcome(platform::PageOutput& output, bool sent, const std::string& error);

enum class PrintOutcome { Printed, Declined, SetupCancelled, Failed };

// The menu's print: asks, sends the user to the page set-up (through `pageSetup`, false
// when cancelled) while the tiling has no overlap or no room, offers to move the chord line
// when the rib would be cut off, lets the user choose where to
// print when nothing is set up, then PrintSheets with the hourglass. A PDF written is told
// in the status bar; a failure names the file and the cause, and the next print asks again
// where to print.
PrintOutcome Print(core::RibDocument& document, const PrintRequest& what, platform::PageOutput& output,
                   const std::function<bool()>& pageSetup);

}  // namespace commands
