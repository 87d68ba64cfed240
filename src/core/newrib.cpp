#include "core/newrib.h"

namespace core {

void ResetRib(RibDocument& document) {
  // Everything of the set-up returns to its default but the chord, the sheeting, the text
  // size and the view's side; those are the user's standing choices.
  RibSetup fresh;
  fresh.chord = document.rib.chord;
  fresh.sheeting = document.rib.sheeting;
  fresh.caption.fontSize = document.rib.caption.fontSize;
  fresh.upsideDown = document.rib.upsideDown;
  fresh.reshape = document.rib.reshape;
  document.rib = std::move(fresh);

  document.prepared.maxThickness = 0;
  document.prepared.maxCamber = 0;
  document.view.hScroll = 0;
  document.view.vScroll = 0;
  document.view.thicknessCamberShown = false;
  document.view.compareShown = false;
}

void ClearRib(RibDocument& document) {
  document.project.saved = false;
  // A new rib belongs to no file: File > Save asks for one.
  document.project.path.clear();
  document.project.asRead = {};
  ResetRib(document);
  document.rib.upsideDown = false;
  document.view.outlineShown = true;
  // The display menu's check marks start unchecked with every new rib; the flags with them.
  document.view.showThickness = false;
  document.view.showLeadingEdgeHeight = false;
  document.view.showTrailingEdgeHeight = false;
  document.airfoil.name.clear();
  document.airfoil.title.clear();
  document.airfoil.loaded = false;
  document.project.modified = false;
  document.view.formerShown = false;
  document.view.zoom = 1;
}

}  // namespace core
