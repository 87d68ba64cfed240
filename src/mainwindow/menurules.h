#pragma once
// The main menu's rules apart from the window: its commands, which of them need an
// airfoil, the question asked before exit. Plain functions so they are tested
// without a screen.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ribdocument.h"

namespace mainwindow {

// The commands of the menus and the command buttons.
enum class Command {
  OpenProject, OpenAirfoil, SaveProjectAs, ExportDxf, PageSetup,
  PrinterSetup, PrintPreview, Print, Exit, ViewUpsideDown,
  Defaults, Colours, ShowLeadingEdgeHeight, ShowTrailingEdgeHeight, ShowThickness,
  InsertText, ShowOutline, NewRib, Language, Chord,
  Sheeting, LeadingEdgeMenu, LeadingEdgePiece, SquareLeadingEdge, Spars,
  Holes, TrailingEdge, BuildingTabs, ReferenceLines, Blocks,
  Washout, CompareAirfoils, RibSheet, RibSeries, RibSeriesWithIntermediates,
  ThicknessCamber, ObliqueRib, InclinedRib, Dihedral, CoordinatesEditor,
  Former, Calculator, HelpTopics, About, CheckVersion,
  AirfoilFolders, AirfoilButton, ChordButton, LeadingEdgeButton, SparsButton,
  HolesButton, TrailingEdgeButton, Save, ZoomIn, ZoomOut,
  Fit, ExportForCutting, CutKit
};

// The control's name: the object name of its menu entry or button, by which the caption
// table of the language files finds it.
std::string_view ControlName(Command command);
std::optional<Command> CommandForControl(std::string_view controlName);
// Every command, in menu order.
const std::vector<Command>& AllCommands();

// Commands that need an airfoil: disabled at start-up and by a new rib, enabled once an
// airfoil is prepared.
const std::vector<Command>& AirfoilCommands();
// What a new rib enables again although no airfoil is loaded: nothing that shapes the rib.
const std::vector<Command>& NewRibEnables();
// Display entries whose check marks a new rib resets: all unchecked but ShowOutline.
const std::vector<Command>& DisplayToggles();
// The commands that would change nothing visible while a view takes the rib's place (the
// comparison, the former), and so wait until the rib is back: none without such a view.
// The chord stays: it sets the scale of both views.
std::vector<Command> CommandsIdleInView(const core::ViewState& v);

// Whether quitting would lose changes to the rib (the comparison view's chord is not the rib's).
bool HasUnsavedChanges(const core::RibDocument& document);
// Quitting: without a question when nothing would be lost; else Save, Discard or Cancel.
// Save runs the project save; a cancelled or failed save keeps the program open.
bool AskToQuit(core::RibDocument& document);

// Whether a session logout may end the program: the quit question when it may be asked;
// when it may not, unsaved changes keep the program (and the logout) from ending.
bool SessionMayEnd(core::RibDocument& document, bool mayAsk);

// The address of the update page of this edition (a build setting).
extern const char* const kVersionPageUrl;

// The calculator command: starts one, or tells that there is none.
void StartCalculator();

// The decimal-mark notice of the first start (Message/10 to /15, title /16), shown when the
// user's locale writes another mark than the point; the program reads "." whatever it is.
void TellDecimalMark(char decimalMark);

}  // namespace mainwindow
