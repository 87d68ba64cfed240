#include "output/dxfpairs.h"

#include <charconv>
#include <cmath>

#include "core/numformat.h"

namespace output {
namespace {
const core::NumberPattern kDxfReal("##0.0#####");
}  // namespace

void DxfPairs::Line(std::string_view line) {
  text_ += line;
  text_ += "\r\n";
}

void DxfPairs::Code(int code) {
  char line[16];
  char* end = std::to_chars(line, line + sizeof line - 2, code).ptr;
  *end++ = '\r';
  *end++ = '\n';
  text_.append(line, static_cast<std::size_t>(end - line));
}

void DxfPairs::Text(int code, std::string_view value) {
  Code(code);
  Line(value);
}

void DxfPairs::Integer(int code, long value) { Text(code, core::IntegerText(value)); }

void DxfPairs::Real(int code, double value) {
  Code(code);
  RealValue(value);
}

void DxfPairs::RealValue(double value) {
  if (!std::isfinite(value)) {
    finite_ = false;
    value = 0;
  }
  core::AppendNumber(text_, value, kDxfReal);
  text_ += "\r\n";
}

void DxfPairs::SectionStart(std::string_view name) {
  Text(0, "SECTION");
  Text(2, name);
}

void DxfPairs::SectionEnd() { Text(0, "ENDSEC"); }

void DxfPairs::Handle(long handle) { Integer(5, handle); }

void DxfPairs::LayerRecord(long handle, std::string_view name, int colour, std::string_view lineType) {
  Text(0, "LAYER");
  Handle(handle);
  Text(100, "AcDbSymbolTableRecord");
  Text(100, "AcDbLayerTableRecord");
  Text(2, name);
  Integer(70, 0);
  Integer(62, colour);
  Text(6, lineType);
}

void DxfPairs::LineTypeRecord(const DxfLineType& type) {
  Text(0, "LTYPE");
  Handle(type.handle);
  Text(100, "AcDbSymbolTableRecord");
  Text(100, "AcDbLinetypeTableRecord");
  Text(2, type.name);
  Integer(70, 0);
  Text(3, type.description);
  Integer(72, 65);  // 'A': the pattern is aligned to the ends
  Integer(73, static_cast<long>(type.elements.size()));
  double length = 0;
  for (double e : type.elements) length += std::fabs(e);
  Real(40, length);
  for (double e : type.elements) Real(49, e);
}

void DxfPairs::Polyline(long handle, std::string_view layer, const std::vector<DxfPoint>& points, bool closed) {
  Text(0, "POLYLINE");
  Handle(handle);
  Text(100, "AcDbEntity");
  Text(8, layer);
  Integer(66, 1);
  Text(100, "AcDb2dPolyline");
  Integer(70, closed ? 1 : 0);
  // A vertex's lines up to its x, the same for every vertex: composed once. Most of a
  // drawing's text is vertices.
  std::string head = "0\r\nVERTEX\r\n100\r\nAcDbVertex\r\n100\r\nAcDb2dVertex\r\n8\r\n";
  head += layer;
  head += "\r\n10\r\n";
  text_.reserve(text_.size() + points.size() * (head.size() + 40));
  for (const DxfPoint& p : points) {
    text_ += head;
    RealValue(p.x);
    text_ += "20\r\n";
    RealValue(p.y);
    text_ += "30\r\n0.0\r\n";
  }
  Text(0, "SEQEND");
}

void DxfPairs::Circle(long handle, std::string_view layer, DxfPoint centre, double radius) {
  Text(0, "CIRCLE");
  Handle(handle);
  Text(100, "AcDbEntity");
  Text(8, layer);
  Text(100, "AcDbCircle");
  Integer(39, 0);
  Real(10, centre.x);
  Real(20, centre.y);
  Real(30, 0);
  Real(40, radius);
}

}  // namespace output
