#pragma once
// Reads back what the DXF writer wrote: the entities of the ENTITIES section, one line of
// summary each, in the form the ezdxf check script prints too.
#include <string>
#include <vector>

#include "core/ribstate.h"

namespace dxftest {

struct Entity {
  std::string type;    // POLYLINE or CIRCLE
  std::string handle;  // as written, " 501"
  std::string layer;
  std::string flag;    // group 70 of a polyline
  std::vector<std::pair<std::string, std::string>> vertices;  // X and Y texts
  std::string centreX, centreY, radius;
};

// The value lines in file order, after checking that every line ends with CR LF.
std::vector<std::pair<std::string, std::string>> Pairs(const std::string& text);
std::vector<Entity> Entities(const std::string& text);
// "POLYLINE COFFR 503 closed 4" / "CIRCLE TROU 504": layer, handle, closure, vertex count;
// without the handles when `handles` is false.
std::vector<std::string> Summary(const std::vector<Entity>& entities, bool handles = true);

// A rib on `airfoil` (a path) with the program's defaults, prepared as after opening it.
core::SharedState Rib(const std::string& airfoil);

}  // namespace dxftest
