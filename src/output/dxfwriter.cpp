#include "output/dxfwriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/ribconstruction.h"
#include "output/dxfpairs.h"
#include "platform/fileio.h"

namespace output {

namespace {

using core::RibPart;

// Header variables in file order. Variables named together take the same values; each
// value is "<kind><code>:<value>" with kind r (real), i (integer form) or t (text).
struct HeaderRow {
  const char* names;
  const char* values;
};
constexpr HeaderRow kHeader[] = {
    {"$ACADVER", "t1:AC1004"},
    {"$INSBASE", "r10:0 r20:0"},
    {"$EXTMIN", "r10:-10 r20:-50"},
    {"$EXTMAX", "r10:220 r20:50"},
    {"$LIMMIN", "r10:-9.184627 r20:4.296983"},
    {"$LIMMAX", "r10:44.815373 r20:28.296983"},
    {"$VIEWCTR", "r10:6 r20:4.5"},
    {"$VIEWSIZE", "i40:9"},
    {"$SNAPMODE", "i70:1"},
    {"$SNAPUNIT", "r10:0.0625 r20:0.0625"},
    {"$SNAPBASE", "r10:0 r20:0"},
    {"$SNAPANG", "i50:0"},
    {"$SNAPSTYLE $SNAPISOPAIR $GRIDMODE", "i70:0"},
    {"$GRIDUNIT", "r10:0.0625 r20:0.0625"},
    {"$ORTHOMODE", "i70:0"},
    {"$REGENMODE $FILLMODE", "i70:1"},
    {"$QTEXTMODE", "i70:0"},
    {"$DRAGMODE", "i70:2"},
    {"$LTSCALE", "r40:0.44"},
    {"$OSMODE", "i70:0"},
    {"$ATTMODE", "i70:1"},
    {"$TEXTSIZE", "r40:0.2"},
    {"$TRACEWID", "r40:0.05"},
    {"$TEXTSTYLE", "t7:STANDARD"},
    {"$CLAYER", "t8:LAYER01"},
    {"$CELTYPE", "t6:CONTINUOUS"},
    {"$CECOLOR", "i62:7"},
    {"$DIMSCALE", "i40:1"},
    {"$DIMASZ", "r40:0.18"},
    {"$DIMEXO", "r40:0.0625"},
    {"$DIMDLI", "r40:0.38"},
    {"$DIMRND $DIMDLE", "i40:0"},
    {"$DIMEXE", "r40:0.18"},
    {"$DIMTP $DIMTM", "i40:0"},
    {"$DIMTXT", "r40:0.18"},
    {"$DIMCEN", "r40:0.09"},
    {"$DIMTSZ", "i40:0"},
    {"$DIMTOL $DIMLIM", "i70:0"},
    {"$DIMTIH $DIMTOH", "i70:1"},
    {"$DIMSE1 $DIMSE2 $DIMTAD $DIMZIN", "i70:0"},
    {"$DIMBLK", "t1:"},
    {"$DIMASO $DIMSHO", "i70:1"},
    {"$DIMPOST $DIMAPOST", "t1:"},
    {"$DIMALT", "i70:0"},
    {"$DIMALTD", "i70:2"},
    {"$DIMALTF", "r40:25.4"},
    {"$DIMLFAC", "i40:1"},
    {"$LUNITS", "i70:2"},
    {"$LUPREC", "i70:4"},
    {"$AXISMODE", "i70:0"},
    {"$AXISUNIT", "r10:0 r20:0"},
    {"$SKETCHINC", "r40:0.1"},
    {"$FILLETRAD", "r40:0.125"},
    {"$AUNITS $AUPREC", "i70:0"},
    {"$MENU", "t1:acad"},
    {"$ELEVATION $THICKNESS", "i40:0"},
    {"$VIEWDIR", "r10:0 r20:0 r30:1"},
    {"$LIMCHECK", "i70:0"},
    {"$BLIPMODE", "i70:1"},
    {"$CHAMFERA $CHAMFERB", "r40:0.5"},
    {"$FASTZOOM", "i70:1"},
    {"$SKPOLY", "i70:0"},
    {"$TDCREATE $TDUPDATE $TDINDWG $TDUSRTIMER", "i40:0"},
    {"$USRTIMER", "i70:1"},
    {"$ANGBASE", "i50:0"},
    {"$ANGDIR $PDMODE", "i70:0"},
    {"$PDSIZE", "i40:0"},
    {"$PLINEWID", "r40:0.008"},
    {"$COORDS", "i70:2"},
    {"$SPLFRAME", "i70:0"},
    {"$SPLINESEGS", "i70:10"},
    {"$ATTDIA", "i70:0"},
    {"$ATTREQ", "i70:1"},
    {"$USERI1 $USERI2 $USERI3 $USERI4 $USERI5", "i70:0"},
    {"$USERR1 $USERR2 $USERR3 $USERR4 $USERR5", "i40:0"},
};

// The blank-separated words of a row of the table above.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t start = 0;;) {
    start = text.find_first_not_of(' ', start);
    if (start == std::string_view::npos) return words;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(text.substr(start, end - start));
    start = end;
  }
}

void HeaderValue(DxfPairs& out, std::string_view value) {
  const char kind = value[0];
  const std::size_t colon = value.find(':');
  int code = 0;
  std::from_chars(value.data() + 1, value.data() + colon, code);
  const std::string_view v = value.substr(colon + 1);
  if (kind == 't') {
    out.Text(code, v);
    return;
  }
  double number = 0;
  std::from_chars(v.data(), v.data() + v.size(), number);
  if (kind == 'i') out.Integer(code, static_cast<long>(number));
  else out.Real(code, number);
}

void WriteHeader(DxfPairs& out) {
  out.SectionStart("HEADER");
  for (const HeaderRow& row : kHeader)
    for (std::string_view name : Words(row.names)) {
      out.Text(9, name);
      for (std::string_view value : Words(row.values)) HeaderValue(out, value);
    }
  out.SectionEnd();
}

void WriteViewportTable(DxfPairs& out) {
  out.Text(0, "TABLE");
  out.Text(2, "VPORT");
  out.Handle(10);
  out.Text(100, "AcDbSymbolTable");
  out.Integer(70, 10);
  out.Text(0, "VPORT");
  out.Handle(11);
  out.Text(100, "AcDbSymbolTableRecord");
  out.Text(100, "AcDbViewportTableRecord");
  out.Text(2, "*ACTIVE");
  out.Integer(70, 0);
  out.Real(10, 0);
  out.Real(20, 0);
  out.Real(11, 2);
  out.Real(21, 2);
  for (int code : {12, 22, 13, 23, 14, 24, 15, 25, 16, 26, 36, 17, 27, 37, 40, 41, 42, 43, 44, 50, 51}) out.Real(code, 0);
  for (int code = 71; code <= 78; ++code) out.Integer(code, 0);
  out.Text(0, "ENDTAB");
}

void WriteLineTypeTable(DxfPairs& out, double divisor) {
  out.Text(0, "TABLE");
  out.Text(2, "LTYPE");
  out.Handle(50);
  out.Text(100, "AcDbSymbolTable");
  out.Text(70, "10");  // this table's count is written without the blank
  const DxfLineType types[] = {
      {100, "CONT", "Solid Line __________", {}},
      {101, "HIDDEN", "Cache __ __ __ __ __ __ __", {6.35, -3.175}},
      {102, "AXIS", "Centre ____ _ ____ _ ____", {31.75, -6.35, 6.35, -6.35}},
  };
  for (DxfLineType type : types) {
    for (double& e : type.elements) e /= divisor;
    out.LineTypeRecord(type);
  }
  out.Text(0, "ENDTAB");
}

struct Layer {
  const char* name;
  int colour;
  const char* lineType;
};
constexpr Layer kLayers[] = {
    {"Layer01", 7, "CONT"}, {"TALON", 10, "CONT"}, {"AXIS", 10, "AXIS"},
    {"COFFR", 180, "CONT"}, {"LONG", 210, "CONT"}, {"TROU", 195, "CONT"},
};

void WriteLayerTable(DxfPairs& out) {
  out.Text(0, "TABLE");
  out.Text(2, "LAYER");
  out.Handle(25);
  out.Text(100, "AcDbSymbolTable");
  out.Text(70, "10");
  long handle = 30;
  for (const Layer& layer : kLayers) out.LayerRecord(handle++, layer.name, layer.colour, layer.lineType);
  out.Text(0, "ENDTAB");
}

// Where each element of the construction goes: its group of the entity section, its layer
// and its handle. Handles are shared by element kind, not unique.
struct EntityKind {
  RibPart part;
  int group;
  const char* layer;
  long handle;
};
constexpr EntityKind kEntityKinds[] = {
    {RibPart::BlockLower, 3, "COFFR", 504},
    {RibPart::BlockUpper, 3, "COFFR", 504},
    {RibPart::TabRearEdge, 4, "TALON", 504},
    {RibPart::TabFrontEdge, 4, "TALON", 504},
    {RibPart::TabBoardLine, 4, "TALON", 502},
    {RibPart::TabBase, 4, "TALON", 504},
    {RibPart::TabTop, 4, "TALON", 504},
    {RibPart::Outline, 5, "Layer01", 501},
    // Edge pieces: what the view shows of them, the plain cut or the square strip, and
    // the trailing-edge cut.
    {RibPart::LeadingEdgeCut, 7, "COFFR", 503},
    {RibPart::SquareLeadingEdge, 7, "COFFR", 503},
    {RibPart::TrailingEdgeCut, 7, "COFFR", 503},
    {RibPart::SheetingUpper, 8, "COFFR", 503},
    {RibPart::SheetingLower, 8, "COFFR", 503},
    {RibPart::SheetingClosing, 8, "COFFR", 503},
    {RibPart::SparAxis, 9, "AXIS", 502},
    {RibPart::SparNotch, 9, "LONG", 503},
    {RibPart::SparRectangle, 9, "LONG", 503},
    {RibPart::SparCentreLine, 9, "AXIS", 502},
    {RibPart::SparRound, 9, "LONG", 504},
    {RibPart::HoleCircle, 10, "TROU", 504},
    {RibPart::HoleRectangle, 10, "TROU", 504},
    {RibPart::HoleCentreLine, 10, "AXIS", 502},
};

// A cut or square of no extent means there is no such piece (a depth or side of 0).
bool NoPiece(const core::RibElement& e) {
  if (e.part != RibPart::LeadingEdgeCut && e.part != RibPart::SquareLeadingEdge && e.part != RibPart::TrailingEdgeCut)
    return false;
  for (const core::PointMm& p : e.points)
    if (p.x != e.points.front().x || p.y != e.points.front().y) return false;
  return true;
}

const EntityKind* KindOf(RibPart part) {
  for (const EntityKind& k : kEntityKinds)
    if (k.part == part) return &k;
  return nullptr;
}

class EntityWriter {
 public:
  EntityWriter(DxfPairs& out, const core::RibConstruction& c, double divisor)
      : out_(out), c_(c), divisor_(divisor) {}

  DxfPoint Map(core::PointMm p) const { return {(p.x + c_.blockFrontMm) / divisor_, p.y / divisor_}; }

  void Polyline(long handle, const char* layer, const std::vector<core::PointMm>& points, bool closed,
                bool repeatFirst = false) {
    std::vector<DxfPoint> mapped;
    mapped.reserve(points.size() + 1);
    for (const core::PointMm& p : points) mapped.push_back(Map(p));
    if (repeatFirst && !mapped.empty()) mapped.push_back(mapped.front());
    out_.Polyline(handle, layer, mapped, closed);
  }

  void ChordLine() {
    for (const core::RibElement* e : core::ElementsOf(c_, RibPart::ChordLine)) Polyline(502, "AXIS", e->points, false);
  }

  void Group(int group) {
    for (const core::RibElement& e : c_.elements) {
      const EntityKind* kind = KindOf(e.part);
      if (!kind || kind->group != group || NoPiece(e)) continue;
      if (e.shape == core::RibShape::Circle) {
        if (!e.points.empty()) out_.Circle(kind->handle, kind->layer, Map(e.points.front()), e.radiusMm / divisor_);
      } else {
        // A rectangular hole ends on its first corner again, so that readers that ignore the
        // closed flag still cut it closed.
        Polyline(kind->handle, kind->layer, e.points, e.closed, e.part == RibPart::HoleRectangle);
      }
    }
  }

 private:
  DxfPairs& out_;
  const core::RibConstruction& c_;
  double divisor_;
};

}  // namespace

double DxfUnitDivisor(const core::RibDocument& document) { return document.settings.unitText == " in" ? 25.4 : 1.0; }

DxfBuild BuildDxf(const core::RibDocument& document) {
  const core::RibConstruction c = core::BuildRib(document);
  const double divisor = DxfUnitDivisor(document);
  DxfPairs out;
  WriteHeader(out);

  out.SectionStart("TABLES");
  WriteViewportTable(out);
  WriteLineTypeTable(out, divisor);
  WriteLayerTable(out);
  out.SectionEnd();

  out.SectionStart("ENTITIES");
  EntityWriter entities(out, c, divisor);
  entities.Polyline(501, "Layer01", c.fileOutline, false);
  entities.ChordLine();
  for (int group : {3, 4, 5}) entities.Group(group);
  entities.ChordLine();
  for (int group : {7, 8, 9, 10}) entities.Group(group);
  out.SectionEnd();
  out.Text(0, "EOF");

  DxfBuild build;
  build.text = out.str();
  // A chord of no length gives a drawing of no size: as unusable as one with a NaN in it.
  build.finite =
      out.Finite() && c.droppedNonFinite == 0 && document.rib.chord.mm > 0 && std::isfinite(document.rib.chord.mm);
  return build;
}

static bool WriteDxfOnce(const core::RibDocument& document, const std::string& path, platform::ErrorInfo& error,
                         platform::ReadOnlyFiles readOnly) {
  DxfBuild build = BuildDxf(document);
  if (!build.finite) {
    error = {platform::kErrOverflow, "Overflow"};
    return false;
  }
  const platform::FileOutcome written = platform::WriteFileAtomically(path, build.text, readOnly);
  if (!written.ok()) {
    error = platform::WriteErrorInfo(written, path);
    return false;
  }
  return true;
}

bool WriteDxf(const core::RibDocument& document, const std::string& path, platform::ErrorInfo& error,
              platform::ReadOnlyFiles readOnly) {
  try {
    return WriteDxfOnce(document, path, error, readOnly);
  } catch (...) {
    error = platform::CurrentExceptionError();
    return false;
  }
}

}  // namespace output
