#pragma once
// The rules of the defaults window: what it shows, what a unit option fills in, what it
// accepts and how it stores. The window edits a draft; nothing reaches the document or
// the settings file before OK. Plain functions so they are tested without a screen.
#include <array>
#include <string>

#include "core/ribdocument.h"

namespace settingswindows {

// The six default lengths, in the order of their boxes.
enum class DefaultLength { Chord, Sheeting, LeadingEdge, BlockHeight, BlockFront, BlockRear };
inline constexpr int kDefaultLengthCount = 6;

struct DefaultsDraft {
  std::string unitText;  // " mm" or " in"
  std::array<std::string, kDefaultLengthCount> lengths;
  core::PrintSetup print;  // the margins a unit brings; not shown in the window
  std::string airfoilDir;
  std::string seriesDir;
  bool operator==(const DefaultsDraft&) const = default;
};

// The draft as the window opens: the unit in force, the default lengths as the settings
// file keeps them (the open rib may have others), the print set-up and the two folders.
DefaultsDraft DraftFromSettings(const core::RibDocument& document);

// A unit option chosen: the unit, its default lengths and its margins.
void ChooseUnit(DefaultsDraft& draft, const std::string& unitText);

// What OK finds wrong first, with the box to put the focus on.
struct DefaultsProblem {
  enum Kind { None, MalformedLength, NoChord, MissingAirfoilDir, MissingSeriesDir } kind = None;
  int lengthIndex = -1;  // for the length problems
};
DefaultsProblem CheckDefaults(const DefaultsDraft& draft);
// The message of a problem (`FrmDefaut`, `Message` texts).
std::string ProblemText(const DefaultsProblem& problem, const DefaultsDraft& draft);

// Whether OK must first ask about a unit change (the new unit needs a new start).
bool UnitChanges(const DefaultsDraft& draft, const core::RibDocument& document);
// The question: FrmDefaut/17, a line break, FrmDefaut/18.
std::string UnitChangeQuestion();

// Writes `Defaut`, `Marges`, `Repertoires` and the per-user store from the draft. The
// folders take effect at once. The lengths and margins reach the document only while the
// unit stays the same and no airfoil is open: a rib on screen keeps its dimensions, and a
// new unit waits for the new start. Announces the settings change.
void StoreDefaults(core::RibDocument& document, const DefaultsDraft& draft);

}  // namespace settingswindows
