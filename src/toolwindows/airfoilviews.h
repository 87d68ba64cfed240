#pragma once
// The tools that replace the rib in the main view: the comparison of two airfoils and the
// former, with the drawings of every special view (the thickness and camber view too) for the
// screen and the printer. The main window owns one and registers its drawings.
#include <string>

#include "core/ribdocument.h"
#include "core/toolviews.h"
#include "core/viewgeometry.h"
#include "platform/drawtarget.h"

class QWidget;

namespace toolwindows {

enum class ToolView { Comparison, ThicknessCamber, Former };

class AirfoilViews {
 public:
  explicit AirfoilViews(core::RibDocument& document) : document_(document) {}

  // Tools > Compare 2 airfoils: asks before the rib is cleared, then the chord and the two
  // airfoils; nothing changes until both are chosen.
  void Compare(QWidget* parent);
  // Tools > Former: a coordinate file drawn as it is, on a new rib.
  void Former(QWidget* parent);

  const core::AirfoilComparison& Comparison() const { return comparison_; }
  core::AirfoilComparison& Comparison() { return comparison_; }

  void Draw(ToolView view, platform::DrawTarget& target, const core::ViewPlacement& at) const;
  // The status bar's airfoil panel while the view shows.
  std::string PanelText(ToolView view) const;

 private:
  core::RibDocument& document_;
  core::AirfoilComparison comparison_;
  std::string keptFirstPath_;  // "Keep as airfoil #1" ticked: offered again next time
};

}  // namespace toolwindows
