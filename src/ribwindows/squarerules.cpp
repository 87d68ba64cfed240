#include "ribwindows/squarerules.h"

#include "platform/messages.h"
#include "platform/texts.h"
#include "ribwindows/boxreading.h"

namespace ribwindows {

using platform::Text;

SquareBoxes SquareBoxesFromDocument(const core::RibDocument& d) {
  const core::SquareLeadingEdge& q = d.rib.squareLeadingEdge;
  return {q.size.text, q.x.text, q.y.text};
}

float SquareSideLimitMm(const std::string& unitText) { return unitText == " in" ? 50.8f : 50.0f; }

SquareBoxes ApplySquareLeadingEdge(core::RibDocument& d, const SquareBoxes& boxes, const std::string& windowTitle) {
  core::SquareLeadingEdge& q = d.rib.squareLeadingEdge;
  const std::string& unit = d.settings.unitText;
  SquareBoxes shown = boxes;
  q.size = LengthFromBox(boxes.size, unit);
  if (q.size.mm > SquareSideLimitMm(unit)) {
    const bool inches = unit == " in";
    platform::Inform(Text("FrmBacarre", "5") + (inches ? " 2 inches" : " 50 mm"), windowTitle);
    shown.size = inches ? "2" : "50";
    q.size = {SquareSideLimitMm(unit), shown.size};
  }
  q.x = LengthFromBox(boxes.x, unit);
  if (q.x.mm > d.rib.chord.mm) {
    platform::Inform(Text("FrmBacarre", "6"), windowTitle);
    // The text goes to 0 with the value, or a project read back would bring the
    // refused position back.
    shown.x = "0";
    q.x = {0, "0"};
  }
  q.y = LengthFromBox(boxes.y, unit);
  d.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;
  d.project.modified = true;
  return shown;
}

}  // namespace ribwindows
