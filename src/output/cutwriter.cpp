#include "output/cutwriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "output/cutformats.h"
#include "platform/fileio.h"

namespace output {

namespace {

using core::CutCircle;
using core::CutLayout;
using core::CutMark;
using core::CutPiece;
using core::PointMm;

constexpr int kCutColour = 1;   // red
constexpr int kMarkColour = 5;  // blue
constexpr int kJigColour = 3;   // green
constexpr int kSheetColour = 8; // grey
constexpr double kMarginMm = kCutMarginMm;

}  // namespace

// Micrometres are the finest the parts are made in; more decimals would be noise.
std::string CutNumber(double v) {
  if (!std::isfinite(v)) v = 0;
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 3);
  if (ec != std::errc()) return "0.0";
  std::string text(buffer, end);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.push_back('0');
  if (text == "-0.0") text = "0.0";
  return text;
}

core::BoundsMm CutFileBounds(const CutLayout& layout, const SheetFrame* sheet) {
  if (sheet) return {0, sheet->lengthMm, 0, sheet->widthMm, false};
  core::BoundsMm b = core::BoundsOf(layout);
  if (b.empty) b = {0, 1, 0, 1, false};
  return b;
}

namespace {

// Non-ASCII characters as DXF's \U+XXXX escapes, which every reader decodes whatever the
// drawing's code page.
std::string DxfText(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(c < 0x20 ? ' ' : static_cast<char>(c));
      ++i;
      continue;
    }
    int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    unsigned code = length == 1 ? 0xFFFD : c & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) {
      if (i + static_cast<std::size_t>(k) >= utf8.size()) break;
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
    }
    char escape[16];
    std::snprintf(escape, sizeof escape, "\\U+%04X", code > 0xFFFF ? 0xFFFDu : code);
    out += escape;
    i += static_cast<std::size_t>(length);
  }
  return out;
}

class Dxf {
 public:
  Dxf(bool r2000, const SheetFrame* sheet) : r2000_(r2000), sheet_(sheet) {}

  std::string Write(const CutLayout& layout) {
    core::BoundsMm b = CutFileBounds(layout, sheet_);
    // The entities come first so that the header knows the next free handle.
    Dxf entities(r2000_, sheet_);
    entities.next_ = kFirstEntityHandle;
    if (sheet_) {
      const double l = sheet_->lengthMm, w = sheet_->widthMm;
      entities.Polyline({{0, 0}, {l, 0}, {l, w}, {0, w}}, kSheetLayer, true);
    }
    // A laser's order: the engraving while every part still lies held in the sheet, then the
    // openings, then the outlines, so that no part falls free before its holes are cut.
    for (const CutMark& m : layout.marks) entities.Mark(m);
    for (const auto& [pieces, layer] : {std::pair{&layout.rib, kCutLayer}, std::pair{&layout.jig, kJigLayer}}) {
      for (const CutPiece& p : *pieces) entities.Openings(p, layer);
      for (const CutPiece& p : *pieces) entities.Polyline(p.outer, layer, true);
    }

    next_ = entities.next_;
    Header(b);
    if (r2000_) {
      Pair(0, "SECTION");
      Pair(2, "CLASSES");
      Pair(0, "ENDSEC");
    }
    Tables(b);
    if (r2000_) Blocks();
    Pair(0, "SECTION");
    Pair(2, "ENTITIES");
    text_ += entities.text_;
    Pair(0, "ENDSEC");
    if (r2000_) Objects();
    Pair(0, "EOF");
    return text_;
  }

 private:
  // Fixed handles for the tables, blocks and objects; entities count on from here.
  enum : unsigned {
    kVportTable = 0x10, kVport, kLtypeTable, kLtypeByBlock, kLtypeByLayer, kLtypeContinuous,
    kLayerTable, kLayer0, kLayerCut, kLayerMark, kLayerJig, kStyleTable, kStyleStandard,
    kViewTable, kUcsTable, kAppidTable, kAppidAcad, kDimstyleTable, kDimstyleStandard,
    kBlockRecordTable, kModelSpaceRecord, kPaperSpaceRecord, kModelSpaceBlock, kModelSpaceEnd,
    kPaperSpaceBlock, kPaperSpaceEnd, kRootDictionary, kGroupDictionary, kLayerSheet,
    kFirstEntityHandle = 0x100
  };

  bool r2000_;
  const SheetFrame* sheet_;
  std::string text_;
  unsigned next_ = kFirstEntityHandle;

  void Pair(int code, const std::string& value) {
    text_ += std::to_string(code);
    text_ += "\r\n";
    text_ += value;
    text_ += "\r\n";
  }
  void Int(int code, long value) { Pair(code, std::to_string(value)); }
  void Real(int code, double value) { Pair(code, CutNumber(value)); }
  static std::string Hex(unsigned handle) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", handle);
    return buffer;
  }
  void Handle(unsigned handle, int code = 5) { Pair(code, Hex(handle)); }
  void Owner(unsigned handle) {
    if (r2000_) Pair(330, Hex(handle));
  }
  void Subclass(const char* name) {
    if (r2000_) Pair(100, name);
  }

  void Variable(const char* name) { Pair(9, name); }
  void Point(int code, PointMm p) {
    Real(code, p.x);
    Real(code + 10, p.y);
  }

  void Header(const core::BoundsMm& b) {
    Pair(0, "SECTION");
    Pair(2, "HEADER");
    Variable("$ACADVER");
    Pair(1, r2000_ ? "AC1015" : "AC1009");
    if (r2000_) {
      Variable("$ACADMAINTVER");
      Int(70, 6);
    }
    Variable("$DWGCODEPAGE");
    Pair(3, "ANSI_1252");
    Variable("$INSBASE");
    Point(10, {0, 0});
    Real(30, 0);
    Variable("$EXTMIN");
    Point(10, {b.left, b.bottom});
    Real(30, 0);
    Variable("$EXTMAX");
    Point(10, {b.right, b.top});
    Real(30, 0);
    Variable("$LIMMIN");
    Point(10, {b.left - kMarginMm, b.bottom - kMarginMm});
    Variable("$LIMMAX");
    Point(10, {b.right + kMarginMm, b.top + kMarginMm});
    Variable("$LUNITS");
    Int(70, 2);
    Variable("$LUPREC");
    Int(70, 3);
    if (r2000_) {
      Variable("$INSUNITS");
      Int(70, 4);  // millimetres
    }
    Variable("$MEASUREMENT");
    Int(70, 1);  // metric
    if (!r2000_) {
      Variable("$HANDLING");
      Int(70, 1);
    }
    Variable("$HANDSEED");
    Pair(5, Hex(next_));
    Pair(0, "ENDSEC");
  }

  void TableStart(const char* name, unsigned handle, int count) {
    Pair(0, "TABLE");
    Pair(2, name);
    Handle(handle);
    if (r2000_) Pair(330, "0");
    Subclass("AcDbSymbolTable");
    Int(70, count);
  }
  void RecordStart(const char* kind, unsigned handle, unsigned table, const char* subclass, const char* name) {
    Pair(0, kind);
    Handle(handle, std::string(kind) == "DIMSTYLE" ? 105 : 5);
    Owner(table);
    Subclass("AcDbSymbolTableRecord");
    Subclass(subclass);
    Pair(2, name);
    Int(70, 0);
  }
  void TableEnd() { Pair(0, "ENDTAB"); }

  void LineType(unsigned handle, const char* name, const char* description) {
    RecordStart("LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord", name);
    Pair(3, description);
    Int(72, 65);
    Int(73, 0);
    Real(40, 0);
  }

  void Layer(unsigned handle, const char* name, int colour) {
    RecordStart("LAYER", handle, kLayerTable, "AcDbLayerTableRecord", name);
    Int(62, colour);
    Pair(6, r2000_ ? "Continuous" : "CONTINUOUS");
  }

  // A view that shows every part when the file opens.
  void ViewportTable(const core::BoundsMm& b) {
    TableStart("VPORT", kVportTable, 1);
    RecordStart("VPORT", kVport, kVportTable, "AcDbViewportTableRecord", r2000_ ? "*Active" : "*ACTIVE");
    Point(10, {0, 0});
    Point(11, {1, 1});
    Point(12, {(b.left + b.right) / 2, (b.bottom + b.top) / 2});
    Point(13, {0, 0});
    Point(14, {1, 1});
    Point(15, {1, 1});
    Real(16, 0);
    Real(26, 0);
    Real(36, 1);
    Real(17, 0);
    Real(27, 0);
    Real(37, 0);
    Real(40, (b.top - b.bottom) * 1.2 + 2 * kMarginMm);
    Real(41, std::clamp((b.right - b.left + 2 * kMarginMm) / (b.top - b.bottom + 2 * kMarginMm), 0.2, 5.0));
    Real(42, 50);
    Real(43, 0);
    Real(44, 0);
    Real(50, 0);
    Real(51, 0);
    Int(71, 0);
    Int(72, 100);
    Int(73, 1);
    Int(74, 3);
    Int(75, 0);
    Int(76, 0);
    Int(77, 0);
    Int(78, 0);
    TableEnd();
  }

  void Tables(const core::BoundsMm& b) {
    Pair(0, "SECTION");
    Pair(2, "TABLES");
    ViewportTable(b);

    if (r2000_) {
      TableStart("LTYPE", kLtypeTable, 3);
      LineType(kLtypeByBlock, "ByBlock", "");
      LineType(kLtypeByLayer, "ByLayer", "");
      LineType(kLtypeContinuous, "Continuous", "Solid line");
    } else {
      TableStart("LTYPE", kLtypeTable, 1);
      LineType(kLtypeContinuous, "CONTINUOUS", "Solid line");
    }
    TableEnd();

    TableStart("LAYER", kLayerTable, sheet_ ? 5 : 4);
    Layer(kLayer0, "0", 7);
    Layer(kLayerCut, kCutLayer, kCutColour);
    Layer(kLayerMark, kMarkLayer, kMarkColour);
    Layer(kLayerJig, kJigLayer, kJigColour);
    if (sheet_) Layer(kLayerSheet, kSheetLayer, kSheetColour);
    TableEnd();

    TableStart("STYLE", kStyleTable, 1);
    RecordStart("STYLE", kStyleStandard, kStyleTable, "AcDbTextStyleTableRecord", r2000_ ? "Standard" : "STANDARD");
    Real(40, 0);
    Real(41, 1);
    Real(50, 0);
    Int(71, 0);
    Real(42, 2.5);
    Pair(3, "txt");
    Pair(4, "");
    TableEnd();

    TableStart("VIEW", kViewTable, 0);
    TableEnd();
    TableStart("UCS", kUcsTable, 0);
    TableEnd();
    TableStart("APPID", kAppidTable, 1);
    RecordStart("APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
    TableEnd();

    TableStart("DIMSTYLE", kDimstyleTable, 1);
    Subclass("AcDbDimStyleTable");
    RecordStart("DIMSTYLE", kDimstyleStandard, kDimstyleTable, "AcDbDimStyleTableRecord", r2000_ ? "Standard" : "STANDARD");
    TableEnd();

    if (r2000_) {
      TableStart("BLOCK_RECORD", kBlockRecordTable, 2);
      RecordStart("BLOCK_RECORD", kModelSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Model_Space");
      RecordStart("BLOCK_RECORD", kPaperSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Paper_Space");
      TableEnd();
    }
    Pair(0, "ENDSEC");
  }

  void Block(unsigned begin, unsigned end, unsigned record, const char* name, bool paper) {
    Pair(0, "BLOCK");
    Handle(begin);
    Owner(record);
    Subclass("AcDbEntity");
    if (paper) Int(67, 1);
    Pair(8, "0");
    Subclass("AcDbBlockBegin");
    Pair(2, name);
    Int(70, 0);
    Point(10, {0, 0});
    Real(30, 0);
    Pair(3, name);
    Pair(1, "");
    Pair(0, "ENDBLK");
    Handle(end);
    Owner(record);
    Subclass("AcDbEntity");
    if (paper) Int(67, 1);
    Pair(8, "0");
    Subclass("AcDbBlockEnd");
  }

  void Blocks() {
    Pair(0, "SECTION");
    Pair(2, "BLOCKS");
    Block(kModelSpaceBlock, kModelSpaceEnd, kModelSpaceRecord, "*Model_Space", false);
    Block(kPaperSpaceBlock, kPaperSpaceEnd, kPaperSpaceRecord, "*Paper_Space", true);
    Pair(0, "ENDSEC");
  }

  void Objects() {
    Pair(0, "SECTION");
    Pair(2, "OBJECTS");
    Pair(0, "DICTIONARY");
    Handle(kRootDictionary);
    Pair(330, "0");
    Pair(100, "AcDbDictionary");
    Int(281, 1);
    Pair(3, "ACAD_GROUP");
    Pair(350, Hex(kGroupDictionary));
    Pair(0, "DICTIONARY");
    Handle(kGroupDictionary);
    Pair(330, Hex(kRootDictionary));
    Pair(100, "AcDbDictionary");
    Int(281, 1);
    Pair(0, "ENDSEC");
  }

  void EntityStart(const char* kind, const char* layer) {
    Pair(0, kind);
    Handle(next_++);
    Owner(kModelSpaceRecord);
    Subclass("AcDbEntity");
    Pair(8, layer);
  }

  void Polyline(const std::vector<PointMm>& points, const char* layer, bool closed) {
    if (points.size() < 2) return;
    if (r2000_) {
      EntityStart("LWPOLYLINE", layer);
      Subclass("AcDbPolyline");
      Int(90, static_cast<long>(points.size()));
      Int(70, closed ? 1 : 0);
      Real(43, 0);
      for (const PointMm& p : points) Point(10, p);
      return;
    }
    EntityStart("POLYLINE", layer);
    Int(66, 1);
    Point(10, {0, 0});
    Real(30, 0);
    Int(70, closed ? 1 : 0);
    for (const PointMm& p : points) {
      EntityStart("VERTEX", layer);
      Point(10, p);
      Real(30, 0);
      Int(70, 0);
    }
    EntityStart("SEQEND", layer);
  }

  void Circle(const CutCircle& c, const char* layer) {
    EntityStart("CIRCLE", layer);
    Subclass("AcDbCircle");
    Point(10, c.centre);
    Real(30, 0);
    Real(40, c.radiusMm);
  }

  void Openings(const CutPiece& p, const char* layer) {
    for (const auto& hole : p.holes) Polyline(hole, layer, true);
    for (const CutCircle& c : p.circles) Circle(c, layer);
  }

  void Mark(const CutMark& m) {
    if (m.text.empty()) {
      Polyline(m.points, kMarkLayer, false);
      return;
    }
    EntityStart("TEXT", kMarkLayer);
    Subclass("AcDbText");
    Point(10, m.baseline);
    Real(30, 0);
    Real(40, m.heightMm);
    Pair(1, DxfText(m.text));
    if (m.angleDegrees != 0) Real(50, m.angleDegrees);
    Subclass("AcDbText");
  }
};

}  // namespace

std::string CutFileText(const CutLayout& layout, CutFormat format, const SheetFrame* sheet) {
  switch (format) {
    case CutFormat::DxfR12: return Dxf(false, sheet).Write(layout);
    case CutFormat::DxfR2000: return Dxf(true, sheet).Write(layout);
    case CutFormat::Svg: return CutSvgText(layout, sheet);
  }
  return {};
}

bool WriteCutFile(const CutLayout& layout, CutFormat format, const std::string& path, platform::ErrorInfo& error,
                  platform::ReadOnlyFiles readOnly) {
  const platform::FileOutcome written = platform::WriteFileAtomically(path, CutFileText(layout, format), readOnly);
  if (written.ok()) return true;
  error = platform::WriteErrorInfo(written, path);
  return false;
}

}  // namespace output
