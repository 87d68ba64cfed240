#pragma once
// The main menu's rules apart from the window: which commands need an airfoil, the
// questions asked before new rib and exit, and the road that puts an opened airfoil in
// place. Plain functions so they are tested without a screen.
#include <string>
#include <vector>

#include "core/ribstate.h"
#include "files/airfoilfile.h"

namespace mainwindow {

// Menu entries and buttons (control names) that need an airfoil: disabled at start-up
// and by a new rib, enabled once an airfoil is prepared.
const std::vector<std::string>& AirfoilCommands();
// What a new rib enables again although no airfoil is loaded.
const std::vector<std::string>& NewRibEnables();
// Display entries whose check marks a new rib resets: all unchecked but mnu_affTrac.
const std::vector<std::string>& DisplayToggles();

// The exit question: TextButton/17 with the program's title, or FrmMainMessage/4 while a
// modified rib is open (not in the comparison view).
std::string ShutdownQuestion(const core::SharedState& s);
bool AskToQuit(const core::SharedState& s);

// Whether a session logout may end the program: the exit question when it may be asked;
// when it may not, a modified rib keeps the program (and the logout) from ending.
bool SessionMayEnd(const core::SharedState& s, bool mayAsk);

// What the new-rib command does before clearing.
enum class NewRibStep { ClearNow, AskFirst, Nothing };
NewRibStep NewRibDecision(const core::SharedState& s);
// Asks FrmMainMessage/5 and /6 when needed; true when the rib is to be cleared.
bool ConfirmNewRib(const core::SharedState& s);

// The chord written after the first ":" of the title line, in the unit in force. A text
// that gives no positive length leaves the chord as it is.
void ChordFromTitle(core::SharedState& s);

// What the window does for the airfoil road.
class AirfoilRoadView {
 public:
  virtual ~AirfoilRoadView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  // Adds the path to the recent files and rebuilds their menu entries.
  virtual void RecentFileOpened(const std::string& path) = 0;
};

// Puts an airfoil read whole from `path` into the shared state and prepares it (which
// redraws). The previous airfoil stays in place until the new one is read whole, so a
// failure never leaves a half-changed rib. Errors end in the general error report.
void InstallOpenedAirfoil(core::SharedState& s, const std::string& path, files::AirfoilData data,
                          AirfoilRoadView& view);

// The recent-files entry: asks before reading from drive a:, does nothing when the file
// is gone, shows the reader's refusal and keeps the current airfoil on failure.
void OpenRecentAirfoil(core::SharedState& s, const std::string& path, AirfoilRoadView& view);

// The state side of a new rib: features cleared, flags of a fresh start, zoom 100 %; the
// inserted text's size is stored for the next rib, the rib defaults read again.
void ClearRibState(core::SharedState& s);

// The address of the update page of this edition (a build setting).
extern const char* const kVersionPageUrl;

// The calculator command: starts one, or tells that there is none.
void StartCalculator();

// The decimal-mark warning at start-up (Message/10 to /15, title /16); true when the user
// chose to end the program.
bool DecimalMarkRefused(char decimalMark);

}  // namespace mainwindow
