#pragma once
// Reads back the ENTITIES section of a written DXF file, one summary line per entity, in the
// form the ezdxf check script prints too.
#include <string>
#include <vector>

#include "core/ribdocument.h"

namespace dxftest {

struct Entity {
  std::string type, handle, layer, flag, radius;              // flag: group 70 of a polyline
  std::vector<std::pair<std::string, std::string>> vertices;  // X and Y texts
};

// Also checks that every line of the file ends with CR LF.
std::vector<Entity> Entities(const std::string& text);
// "POLYLINE COFFR 503 closed 4" / "CIRCLE TROU 504"; without the handles when `handles` is false.
std::vector<std::string> Summary(const std::vector<Entity>& entities, bool handles = true);
// A rib on the airfoil file at `airfoil` with the program's defaults, as after opening it.
core::RibDocument Rib(const std::string& airfoil);

}  // namespace dxftest
