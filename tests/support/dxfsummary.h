#pragma once
// Reads back the ENTITIES section of a written DXF file, one summary line per entity, in the
// form the ezdxf check script prints too.
#include <string>
#include <vector>

#include "core/cutpart.h"
#include "core/ribdocument.h"

namespace dxftest {

// A group: its code without the blanks before it, and its value.
struct Pair {
  std::string code, value;
};
// The file as groups; checks that every line ends with CR LF.
std::vector<Pair> Pairs(const std::string& text);

// Every entity of the ENTITIES section, whatever its kind, with its numbers read: a
// polyline's points (its own or its VERTEXes'), a circle's centre, a text's insertion point.
struct Item {
  std::string type, layer, flag, text;  // flag: the first group 70, without its blanks
  std::vector<core::PointMm> points;
  double radius = 0, height = 0, angle = 0;
  bool Polyline() const { return type == "POLYLINE" || type == "LWPOLYLINE"; }
  bool Closed() const { return Polyline() && flag == "1"; }
};
std::vector<Item> Items(const std::string& text);

struct Entity {
  std::string type, handle, layer, flag, radius;              // flag: group 70 of a polyline
  std::vector<std::pair<std::string, std::string>> vertices;  // X and Y texts
};

// The polylines and circles with their numbers as written; checks the line ends as Pairs does.
std::vector<Entity> Entities(const std::string& text);
// "POLYLINE COFFR 503 closed 4" / "CIRCLE TROU 504"; without the handles when `handles` is false.
std::vector<std::string> Summary(const std::vector<Entity>& entities, bool handles = true);
// A rib on the airfoil file at `airfoil` with the program's defaults, as after opening it.
core::RibDocument Rib(const std::string& airfoil);

}  // namespace dxftest
