#pragma once
// What the spar and hole windows share: a table of numbered rows, of which the last one in
// use (the pending row) is what the boxes edit unless a number was clicked; Apply stores the
// boxes, Add keeps the pending row and opens the next, Modify stores into the selected row,
// Delete removes it. Plain C++ so the rules are tested without a screen; the windows only
// copy the boxes in and out.
//
// A refused row stores nothing at all: the table never holds a position that failed its
// check, so what is drawn and saved is always a row that passed. A committed row (below the
// pending one) always has a position: a row at 0 would end the table for drawing and hide
// every row after it.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "commands/ribedit.h"
#include "core/changes.h"
#include "core/ribdocument.h"
#include "ribwindows/boxreading.h"
#include "platform/messages.h"
#include "platform/texts.h"

namespace ribwindows {

// Touching an edge allows for the rounding of an inch or percentage position.
inline constexpr float kTouchMm = 1e-3f;
inline constexpr int kLastUsableSlot = 11;  // 12 rows; the table's thirteenth slot stays unused

// How a numbered label shows: the selected row blue, else the pending row black, both framed.
enum class LabelLook { Plain, Pending, Selected };
struct SlotLabel {
  std::string caption;  // "1" to "12"; empty beyond the pending row
  LabelLook look = LabelLook::Plain;
};
SlotLabel SlotLabelFor(int label, int pending, std::optional<int> selected);

// Whether a position text is blank (no row at all).
bool IsBlankPosition(const std::string& text);

// A position as the trace works it out: a length or "n%" of the chord, from the leading
// edge, or from the trailing edge when `fromTrailingEdge`.
float PositionMm(const std::string& text, bool fromTrailingEdge, const core::RibDocument& document);

// A position text that cannot be read, such as "1,2,3" or "1./2".
bool IsMalformedPosition(const std::string& text, const std::string& unitText);

// What every row's position check decides before the kind's own: a blank position is no
// row (allowed while pending), an unreadable one fails, and a committed row at 0 fails (it
// would end the table and hide the rows after it). Otherwise `settled` is false and `mm`
// is the position for the kind's own check.
struct PositionCheck {
  bool settled = false;
  bool fits = false;
  float mm = 0;
};
PositionCheck CheckPosition(const std::string& text, bool fromTrailingEdge, const core::RibDocument& document,
                            bool committing);

// The edge a row's position counts from, as the row keeps it: a blank position is no row,
// whichever edge it would count from.
std::uint8_t KeptEdge(const std::string& position, bool fromTrailingEdge);


// What an action asks of the window afterwards.
struct TableOutcome {
  core::Changes changed;           // what changed, announced already
  bool showFields = false;         // the boxes take `Fields()` of the row under edit
  bool focusPosition = false;      // the position box gets the focus, its text selected
};

// Rules of one kind of table. `Traits` gives:
//   Row, Fields; kSection and the message keys kFullKey, kNoSelectionKey, kPositionKey;
//   Table(document); FieldsOf(row); RowOf(fields, base row, document); Fits(row, document,
//   committing): the position check; PositionText(fields); Unreadable(fields, unit): the
//   first box whose text cannot be read; Edit(table): the edit that stores a table;
//   Marked(document): the row the main view marks; Warning(document, row, index): what the
//   row would leave of the rib, for the window.
template <class Traits>
class SlotTableEditor {
 public:
  using Row = typename Traits::Row;
  using Fields = typename Traits::Fields;
  using Table = std::remove_cvref_t<decltype(Traits::Table(std::declval<core::RibDocument&>()))>;

  explicit SlotTableEditor(core::RibDocument& d) : d_(d) {}

  int Pending() const { return std::min<int>(Traits::Table(d_).last, kLastUsableSlot); }
  std::optional<int> Selected() const { return selected_; }
  int UnderEdit() const { return selected_ ? *selected_ : Pending(); }
  bool Failed() const { return failed_; }
  // What the boxes show for the row under edit.
  Fields Shown() const { return Traits::FieldsOf(Traits::Table(d_)[static_cast<std::size_t>(UnderEdit())]); }
  SlotLabel Label(int label) const { return SlotLabelFor(label, Pending(), selected_); }

  // After the document was replaced (a project or airfoil opened, a new rib).
  void Reload() {
    selected_.reset();
    failed_ = false;
  }

  // Apply: a selected committed row is modified first; otherwise the boxes go into the
  // row under edit.
  TableOutcome Apply(const Fields& typed) {
    if (selected_ && *selected_ != Pending()) return Modify(typed);
    Table table = Traits::Table(d_);
    if (!Store(table, UnderEdit(), typed, false)) return Refused();
    TableOutcome out = Commit(std::move(table));
    out.showFields = true;
    return out;
  }

  // Add: keeps the pending row and opens the next. What the boxes hold is kept when they
  // edit the pending row; with another row selected they show that row, and the pending row
  // is kept as last applied.
  TableOutcome Add(const Fields& typed) {
    const bool boxesEditPending = !selected_ || *selected_ == Pending();
    selected_.reset();
    const int pending = Pending();
    Table table = Traits::Table(d_);
    const Fields row = boxesEditPending ? typed : Traits::FieldsOf(table[static_cast<std::size_t>(pending)]);
    if (!Store(table, pending, row, true)) return Refused();
    // The twelfth row is stored and stays the pending one.
    const bool full = pending + 1 > kLastUsableSlot;
    if (!full) table.last = static_cast<std::uint8_t>(pending + 1);
    TableOutcome out = Commit(std::move(table));
    out.showFields = true;
    out.focusPosition = true;
    if (full) platform::Inform(platform::Text(Traits::kSection, Traits::kFullKey), Title());
    return out;
  }

  // Select: clicking a number beyond the pending row does nothing.
  TableOutcome Select(int k) {
    TableOutcome out;
    if (k < 0 || k > Pending()) return out;
    selected_ = k;
    out.showFields = true;
    out.focusPosition = true;
    return out;
  }

  TableOutcome Modify(const Fields& typed) {
    if (!selected_) return NoSelection();
    Table table = Traits::Table(d_);
    if (!Store(table, *selected_, typed, *selected_ != Pending())) return Refused();
    selected_.reset();
    TableOutcome out = Commit(std::move(table));
    out.showFields = true;
    return out;
  }

  TableOutcome Delete() {
    if (!selected_) return NoSelection();
    Table table = Traits::Table(d_);
    const int k = *selected_;
    const int pending = Pending();
    for (int i = k; i < pending; ++i) table[static_cast<std::size_t>(i)] = table[static_cast<std::size_t>(i + 1)];
    table[static_cast<std::size_t>(pending)] = Row{};
    if (pending > 0) table.last = static_cast<std::uint8_t>(pending - 1);
    selected_.reset();
    failed_ = false;
    TableOutcome out = Commit(std::move(table));
    out.showFields = true;
    return out;
  }

  // Cancel may close the window unless the last check failed; then the error is told again
  // so that the user corrects the position the boxes still hold.
  bool MayClose(const std::string& positionTyped) {
    if (!failed_) return true;
    TellPositionError(positionTyped);
    return false;
  }

  std::string Title() const { return ChordWindowTitle(Traits::kSection, d_); }

 private:
  // Checks the boxes and puts them into `slot` of `table`; false when the check fails.
  bool Store(Table& table, int slot, const Fields& typed, bool committing) {
    // The window says it beside the boxes as it is typed; Cancel still closes.
    if (Traits::Unreadable(typed, d_.settings.unitText)) return false;
    const Row row = Traits::RowOf(typed, table[static_cast<std::size_t>(slot)], d_);
    if (!Traits::Fits(row, d_, committing)) {
      failed_ = true;
      TellPositionError(Traits::PositionText(typed));
      return false;
    }
    failed_ = false;
    table[static_cast<std::size_t>(slot)] = row;
    return true;
  }

  // The table as edited becomes the rib's, settled and announced together with the row
  // the main view marks now, so that it draws once.
  TableOutcome Commit(Table table) {
    const int underEdit = selected_ ? *selected_ : std::min<int>(table.last, kLastUsableSlot);
    int& mark = Traits::Marked(d_);
    const core::Changes marked = mark == underEdit ? core::Changes() : core::Change::View;
    mark = underEdit;
    TableOutcome out;
    out.changed = commands::ApplyEdit(d_, Traits::Edit(std::move(table)), marked).changed;
    return out;
  }

  void TellPositionError(const std::string& positionTyped) const {
    platform::Inform(platform::Text(Traits::kSection, Traits::kPositionKey) + " " + positionTyped, Title());
  }

  TableOutcome Refused() const {
    TableOutcome out;
    out.focusPosition = true;
    return out;
  }

  TableOutcome NoSelection() const {
    platform::Inform(platform::Text(Traits::kSection, Traits::kNoSelectionKey), Title());
    return {};
  }

  core::RibDocument& d_;
  std::optional<int> selected_;
  bool failed_ = false;
};

}  // namespace ribwindows
