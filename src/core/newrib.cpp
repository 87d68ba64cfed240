#include "core/newrib.h"

namespace core {

void ResetRib(RibDocument& s) {
  // Everything of the set-up returns to its default but the chord, the sheeting, the text
  // size and the view's side; those are the user's standing choices.
  RibSetup fresh;
  fresh.chord = s.rib.chord;
  fresh.sheeting = s.rib.sheeting;
  fresh.caption.fontSize = s.rib.caption.fontSize;
  fresh.upsideDown = s.rib.upsideDown;
  fresh.reshape = s.rib.reshape;
  s.rib = std::move(fresh);

  s.prepared.maxThickness = 0;
  s.prepared.maxCamber = 0;
  s.view.hScroll = 0;
  s.view.vScroll = 0;
  s.view.thicknessCamberShown = false;
  s.view.compareShown = false;
}

void ClearRib(RibDocument& s) {
  s.project.saved = false;
  // A new rib belongs to no file: File > Save asks for one.
  s.project.path.clear();
  s.project.asRead = {};
  ResetRib(s);
  s.rib.upsideDown = false;
  s.view.outlineShown = true;
  // The display menu's check marks start unchecked with every new rib; the flags with them.
  s.view.showThickness = false;
  s.view.showLeadingEdgeHeight = false;
  s.view.showTrailingEdgeHeight = false;
  s.airfoil.name.clear();
  s.airfoil.title.clear();
  s.airfoil.loaded = false;
  s.project.modified = false;
  s.view.formerShown = false;
  s.view.zoom = 1;
}

}  // namespace core
