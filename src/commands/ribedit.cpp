#include "commands/ribedit.h"

#include <algorithm>
#include <cmath>

#include "commands/newrib.h"
#include "core/caption.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/settle.h"
#include "core/typednumber.h"
#include "files/captions.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

namespace {

using core::Change;

// One edit's work: the document is changed in place, the outcome says what changed.
class EditApplier {
 public:
  explicit EditApplier(core::RibDocument& document) : document_(document) {}

  EditOutcome operator()(const SetLength& e) {
    switch (e.which) {
      case RibLength::Chord:
        // Nothing can be drawn on a chord of 0, and the view would silently go blank.
        if (!(e.value.mm > 0)) return Refuse(keys::ChordZeroRefused, "chord");
        document_.rib.chord = e.value;
        return Stored(Change::Setup | Change::Chord);
      case RibLength::Sheeting: document_.rib.sheeting = e.value; return Stored(Change::Setup | Change::Sheeting);
      case RibLength::LeadingEdge:
        StoreEdgeDepth(e.value, document_.rib.leadingEdge, keys::LeadingEdgeDeeperThanChord);
        // Typing a depth chooses the plain piece.
        document_.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Plain;
        return Stored(Change::Setup);
      case RibLength::TrailingEdge:
        StoreEdgeDepth(e.value, document_.rib.trailingEdge, keys::TrailingEdgeDeeperThanChord);
        return Stored(Change::Setup);
    }
    return {};
  }

  EditOutcome operator()(const SetReferenceLines& e) {
    std::string typed = e.typed;
    if (core::LeadingNumber(typed) > 255) {
      Tell(keys::TooManyReferenceLines);
      typed = "255";
    }
    const long count = core::RoundHalfEven(core::LeadingNumber(typed));
    document_.rib.markCount = static_cast<std::uint8_t>(std::clamp(count, 0L, 255L));
    return Stored(Change::Setup);
  }

  EditOutcome operator()(const SetTabs& e) {
    const TabBoxes& boxes = e.boxes;
    const double chord = document_.rib.chord.mm;
    const double length = Position(boxes.length), rear = Position(boxes.rear);
    if (length > chord || rear > chord || length + rear > chord) return Refuse(keys::TabsBeyondChord, "tabs");
    core::BuildingTabs& t = document_.rib.tabs;
    t.board = boxes.board;
    t.lowerDistance = Typed(boxes.lowerDistance);
    const core::Length upper = Typed(boxes.upperDistance);
    t.upperDistance = {-upper.mm, upper.text};
    t.lengthText = boxes.length.empty() ? "0" : boxes.length;
    t.rearText = boxes.rear.empty() ? "0" : boxes.rear;
    return StandOnBase(core::BaseMode::Tabs, boxes.angle, core::CaptionSource::TabDialog);
  }

  EditOutcome operator()(const SetBlocks& e) {
    const BlockBoxes& boxes = e.boxes;
    core::Blocks& b = document_.rib.blocks;
    b.baseHeight = Typed(boxes.baseHeight);
    b.leadingExtension = Typed(boxes.leading);
    b.trailingExtension = Typed(boxes.trailing);
    b.seatDepth = Typed(boxes.seat);
    b.topHeight = Typed(boxes.topHeight);
    b.tail = boxes.tail;
    return StandOnBase(core::BaseMode::Blocks, boxes.angle, core::CaptionSource::BlockDialog);
  }

  EditOutcome operator()(const TakeOffBase& e) {
    if (document_.rib.baseMode != e.base) return {};
    document_.rib.baseMode = core::BaseMode::None;
    core::RecomposeCaption(document_, files::CaptionWordsInLanguage());
    return Stored(Change::Setup);
  }

  EditOutcome operator()(const SetText& e) {
    core::InsertedText& c = document_.rib.caption;
    c.text = e.boxes.text;
    // The project file keeps the text on one line: a pasted line break must not split it.
    std::replace_if(c.text.begin(), c.text.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    if (c.text.empty()) {
      // An emptied box asks for the automatic caption back; position 0, 0 hides the text.
      c.isUserText = false;
      core::RecomposeCaption(document_, files::CaptionWordsInLanguage());
    } else if (c.text.find(':') == std::string::npos) {
      // Every automatic caption has its " : ": a text without one is the user's, and must
      // not be replaced at the next chord change.
      c.isUserText = true;
    } else {
      core::RecogniseUserText(document_, files::CaptionWordsInLanguage());
    }
    c.x = Typed(e.boxes.x);
    c.y = Typed(e.boxes.y);
    if (e.boxes.size > 0) c.fontSize = e.boxes.size;
    return Stored(Change::Setup);
  }

  EditOutcome operator()(const SetSquareLeadingEdge& e) {
    core::SquareLeadingEdge& q = document_.rib.squareLeadingEdge;
    const std::string& unit = document_.settings.unitText;
    q.size = Typed(e.boxes.size);
    if (q.size.mm > SquareSideLimitMm(unit)) {
      const bool inches = unit == " in";
      Tell(keys::SquareSideTooLarge, inches ? " 2 inches" : " 50 mm");
      q.size = {SquareSideLimitMm(unit), inches ? "2" : "50"};
    }
    q.x = Typed(e.boxes.x);
    if (q.x.mm > document_.rib.chord.mm) {
      Tell(keys::SquareBeyondChord);
      // The text goes to 0 with the value, or a project read back would bring the
      // refused position back.
      q.x = {0, "0"};
    }
    q.y = Typed(e.boxes.y);
    document_.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;
    return Stored(Change::Setup);
  }

  EditOutcome operator()(const SetUpsideDown& e) {
    document_.rib.upsideDown = e.on;
    return Stored(Change::Setup);
  }

  EditOutcome operator()(const SetSpars& e) {
    document_.rib.spars = e.table;
    return Stored(Change::Setup);
  }

  EditOutcome operator()(const SetHoles& e) {
    document_.rib.holes = e.table;
    return Stored(Change::Setup);
  }

  EditOutcome operator()(const RestoreRib& e) {
    core::Changes what = Change::Setup | Change::Project | Change::Restored;
    if (document_.rib.chord != e.rib.chord) what = what | Change::Chord;
    if (document_.rib.sheeting != e.rib.sheeting) what = what | Change::Sheeting;
    document_.rib = e.rib;
    document_.project.modified = !e.saved;
    out_.changed = what;
    return out_;
  }

  EditOutcome operator()(const ClearRib&) {
    ClearRibState(document_);
    document_.project.titleNames = core::TitleNames::Program;
    out_.changed = Change::NewRib | Change::Setup | Change::Project;
    return out_;
  }

 private:
  core::Length Typed(const std::string& typed) const { return core::TypedLength(typed, document_.settings.unitText); }

  double Position(const std::string& typed) const {
    return core::PercentLength(typed.empty() ? "0" : typed, document_.rib.chord.mm, document_.settings.unitText);
  }

  // An edge piece deeper than the chord is told and set to 0, its text with it: the project
  // keeps the text, and a file read back must not bring the refused depth back.
  void StoreEdgeDepth(const core::Length& typed, core::Length& depth, platform::TextKey message) {
    depth = typed;
    if (depth.mm > document_.rib.chord.mm) {
      Tell(message);
      depth = {0, "0"};
    }
  }

  // The rib goes on its tabs or its block at the board angle typed. The angle is stored
  // negated, one for both bases, so that both windows show the same angle. The caption is
  // composed again also when the angle went back to 0: it must not keep naming the old one.
  EditOutcome StandOnBase(core::BaseMode base, const std::string& typedAngle, core::CaptionSource source) {
    const float angle =
        std::clamp(static_cast<float>(core::NumberFromText(typedAngle)), -kBoardAngleLimit, kBoardAngleLimit);
    document_.rib.boardAngle = angle == 0 ? 0.0f : -angle;
    document_.rib.baseMode = base;
    core::RecomposeCaption(document_, files::CaptionWordsInLanguage(), source);
    return Stored(Change::Setup);
  }

  void Tell(platform::TextKey message, std::string words = {}) {
    out_.messages.push_back({std::string(message.section), std::string(message.key), std::move(words)});
  }

  EditOutcome Refuse(platform::TextKey message, const char* refusalKey) {
    Tell(message);
    out_.refused = true;
    out_.refusalKey = refusalKey;
    return out_;
  }

  EditOutcome Stored(core::Changes changed) {
    // While the comparison shows, the chord it asks for is the comparison's, not the rib's.
    document_.project.modified = !(changed.Has(Change::Chord) && document_.view.compareShown);
    out_.changed = changed;
    return out_;
  }

  core::RibDocument& document_;
  EditOutcome out_;
};

}  // namespace

std::string EditMessageText(const EditMessage& message) {
  return platform::Text(message.section, message.key) + message.words;
}

float SquareSideLimitMm(const std::string& unitText) { return unitText == " in" ? 50.8f : 50.0f; }

EditOutcome ApplyEdit(core::RibDocument& document, const RibEdit& edit, core::Changes alsoChanged) {
  EditOutcome outcome = std::visit(EditApplier(document), edit);
  if (outcome.refused || !outcome.changed.Any()) return outcome;
  core::Settle(document, outcome.changed, files::CaptionWordsInLanguage());
  document.changes.Announce(outcome.changed | alsoChanged);
  return outcome;
}

}  // namespace commands
