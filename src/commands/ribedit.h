#pragma once
// Every change of the rib's set-up, from a rib window, vandrell-cli or the cutting kit, is
// one edit applied by ApplyEdit: it checks the values, stores them, settles what follows
// (core::Settle), marks the project modified and announces the change. It tells no one:
// a refusal or a warning comes back as a language key with its words, for the caller to
// show in a box or print. So the window and the batch program make the same rib of the
// same change.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/changes.h"
#include "core/ribdocument.h"

namespace commands {

// The four lengths of the input window. The length keeps the text as typed.
enum class RibLength { Chord, Sheeting, LeadingEdge, TrailingEdge };
struct SetLength {
  RibLength which = RibLength::Chord;
  core::Length value;
};

// The number of reference lines, as typed (a whole number; above 255 it is clamped).
struct SetReferenceLines {
  std::string typed;
};

// The building tabs' boxes, as typed. The document keeps the board distance over the upper
// surface and the angle negated (the tab drawing measures both downward).
struct TabBoxes {
  core::TabBoard board = core::TabBoard::UnderLowerSurface;
  std::string lowerDistance;  // chord line down to the board
  std::string length;         // a length or "n%" of the chord
  std::string rear;           // from the trailing edge, likewise
  std::string angle;          // degrees, as typed
  std::string upperDistance;  // chord line up to the board
};
struct SetTabs {
  TabBoxes boxes;
};

// The block's boxes, as typed.
struct BlockBoxes {
  std::string baseHeight;  // board below the chord line at the front
  std::string leading;     // ahead of the leading edge
  std::string trailing;    // behind the trailing edge
  std::string seat;        // depth of the rib's seat
  std::string topHeight;   // total height at the front
  std::string angle;       // board angle, degrees
  core::BlockTail tail = core::BlockTail::UpperContour;
};
struct SetBlocks {
  BlockBoxes boxes;
};

// Takes the rib off its tabs or its block (the values stay for the next time); nothing
// happens when the rib does not stand on that base.
struct TakeOffBase {
  core::BaseMode base = core::BaseMode::Tabs;
};

// The inserted text: its words, place and size (0 keeps the size).
struct TextBoxes {
  std::string text;
  std::string x;  // from the leading edge along the chord
  std::string y;  // above the chord line, negative below
  float size = 9;
};
struct SetText {
  TextBoxes boxes;
};

// The square leading edge's boxes; applying it replaces the plain piece.
struct SquareBoxes {
  std::string size;  // side of the square strip
  std::string x;     // centre from the leading edge
  std::string y;     // centre above the chord line (negative below)
};
struct SetSquareLeadingEdge {
  SquareBoxes boxes;
};

struct SetUpsideDown {
  bool on = false;
};

// A spar or hole table whole, its rows checked by the window that built them.
struct SetSpars {
  core::SparTable table;
};
struct SetHoles {
  core::HoleTable table;
};

// View > Clear all data: the features go, the defaults come back from the settings.
struct ClearRib {};

// Undo and redo: a set-up put back whole, as it was settled when it was made; modified
// unless it is the one last saved.
struct RestoreRib {
  core::RibSetup rib;
  bool saved = false;
};

using RibEdit = std::variant<SetLength, SetReferenceLines, SetTabs, SetBlocks, TakeOffBase, SetText,
                             SetSquareLeadingEdge, SetUpsideDown, SetSpars, SetHoles, ClearRib, RestoreRib>;

// What the user is told: the language file's text of `section`/`key`, then `words`.
struct EditMessage {
  std::string section;
  std::string key;
  std::string words;
  bool operator==(const EditMessage&) const = default;
};
std::string EditMessageText(const EditMessage& message);

struct EditOutcome {
  bool refused = false;       // nothing was stored
  std::string refusalKey;     // the batch program's word for a refusal ("chord")
  core::Changes changed;      // what was announced
  std::vector<EditMessage> messages;  // the refusal, or what was corrected on the way
};

// `alsoChanged`: what the caller changed beside the edit (a window's marked row),
// announced with it so that the view redraws once.
EditOutcome ApplyEdit(core::RibDocument& document, const RibEdit& edit, core::Changes alsoChanged = {});

// The largest side of a square leading edge: 50 mm, or 2 in.
float SquareSideLimitMm(const std::string& unitText);

// A board angle typed in a box, within -20..20 degrees.
inline constexpr float kBoardAngleLimit = 20;

}  // namespace commands
