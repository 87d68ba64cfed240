#pragma once
// The rib document: everything the program knows about the one rib it works on, split into
// parts that each have one home for their defaults. `main` owns the one document; windows
// and commands receive it (or the part they edit) by reference and announce what they
// changed through `changes`.
//
// Lengths are millimetres in 32-bit floats, each with the text the user typed (`Length`).
// Airfoil coordinates are chord fractions in doubles.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/changes.h"

namespace core {

inline constexpr int kStations = 401;      // station j at chord fraction 1 - j/400
inline constexpr int kTableSlots = 13;     // spar and hole tables: slots 0..12
inline constexpr int kMaxPoints = 32767;   // point indexes are 16-bit
inline constexpr double kPi = 3.14159265358979323846;

using StationTable = std::array<double, kStations>;

// A length as the user typed it and in millimetres. The text is kept so that an inch
// fraction (1.1/2) shows again as typed; both go into the project file.
struct Length {
  float mm = 0;
  std::string text;
  bool operator==(const Length&) const = default;
};

// The numbers of these codes are stored in project files as they are; values outside the
// named ones are kept as read.
enum class BaseMode : std::uint8_t { None = 0, Blocks = 1, Tabs = 11 };
enum class LeadingEdgeStyle : std::uint8_t { Square = 0, Plain = 1 };  // any other: plain
enum class SparCut : std::uint8_t { None = 0, FromSheeting = 1, FromContour = 2 };
enum class SparShape : std::uint8_t { Notch = 0, Hanging = 1, Round = 2, Inset = 3 };
enum class HoleShape : std::uint8_t { Round = 0, Rectangle = 1 };
enum class BlockTail : std::uint8_t { UpperContour = 0, LowerContour = 1 };
// Where the building board lies: under the lower surface, or (any other value) over the upper.
enum class TabBoard : std::int16_t { UnderLowerSurface = 0, OverUpperSurface = 1 };

// Drawn elements in the order of the colour and line-style settings.
enum class Element {
  Airfoil, Sheeting, ChordAxis, Spar, LeadingEdge, TrailingEdge,
  Hole, ReferenceLine, Block, CompareFirst, CompareSecond
};
inline constexpr int kElementCount = 11;
// Line widths exist for the first nine elements except the chord axis.
enum class WidthElement { Airfoil, Sheeting, Spar, LeadingEdge, TrailingEdge, Hole, ReferenceLine, Block };
inline constexpr int kWidthCount = 8;

// ---- Program settings and paths ----
struct ProgramSettings {
  std::string programDir;
  std::string iniFile;
  std::string languageName;
  std::string languageFile;
  std::string versionText;
  std::string unitText = " mm";  // " mm" or " in"
  std::string airfoilDir;
  std::string seriesAirfoilDir;
  std::string lastOpenDir;
  bool firstRun = false;  // the settings file had no completed set-up at start
  bool operator==(const ProgramSettings&) const = default;
};

// ---- The project file the rib belongs to ----

// The lines of the project file as they were read (or last written), so that a save gives
// back the very bytes of every value the user did not change: a number written " 1 " or
// "1.50", an empty reserved line, LF line ends, text after the end line.
struct ProjectFileLine {
  std::string key;      // which value the line holds, as the writer names it
  std::string meaning;  // the line our writer makes of the value read from it
  std::string bytes;    // the line in the file, its line end included
  bool operator==(const ProjectFileLine&) const = default;
};
struct ProjectFileLines {
  std::vector<ProjectFileLine> lines;  // empty: the rib has no file, or one of the older layout
  std::string trailing;                // whatever followed the end line
  bool operator==(const ProjectFileLines&) const = default;
};

// What the main window's title names: the program alone, the airfoil open, the project and
// its airfoil, the two airfoils compared or the former shown. Its words are composed when
// it is shown, in the language in force (commands::WindowTitle).
enum class TitleNames { Program, Airfoil, Project, Comparison, Former };

struct ProjectInfo {
  std::string path;     // the project file's whole path; empty while the rib has none
  std::string title;    // file name without folder
  std::string dxfPath;  // the last DXF export
  TitleNames titleNames = TitleNames::Program;
  std::string comparedFirst, comparedSecond;  // the airfoils the comparison's title names
  bool modified = false;
  bool saved = false;
  ProjectFileLines asRead;  // of the file at `path`
  bool operator==(const ProjectInfo&) const = default;
};

// A point of an airfoil outline, in chord fractions.
struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// ---- The airfoil as read from its file ----
struct AirfoilAsRead {
  std::string path;
  std::string name;  // file name without extension: the rib's name
  std::string ext;
  std::string title;
  std::vector<Point> points;  // file order
  bool loaded = false;  // nothing is drawn while false
  bool operator==(const AirfoilAsRead&) const = default;
};

// ---- The airfoil prepared for drawing (computed from AirfoilAsRead) ----
struct PreparedAirfoil {
  std::vector<Point> outline;  // the densified outline, file order
  // The leading edge's place in `outline`: the upper surface runs from the trailing edge to
  // it, the lower surface on from it.
  std::size_t noseIndex = 0;
  std::vector<Point> lower;  // the lower surface, trailing to leading edge
  StationTable upperAt{};  // heights (chord fractions) at the 401 stations
  StationTable lowerAt{};
  double yMax = 0;
  double yMin = 0;
  double maxThickness = 0;
  double maxThicknessStation = -1;
  double maxCamber = 0;
  int maxCamberStation = -1;
  bool operator==(const PreparedAirfoil&) const = default;
};

// ---- The rib set-up: what the user shapes and the project file keeps ----
struct SparRow {
  std::string positionText;  // a length or "n%" of the chord; worked out at each draw
  Length width;
  Length height;
  Length inset;
  SparCut upper = SparCut::None;
  SparCut lower = SparCut::None;
  SparShape shape = SparShape::Notch;
  std::uint8_t fromTrailingEdge = 0;  // 1: the position counts from the trailing edge
  std::string reserved;               // kept for the project file
  bool operator==(const SparRow&) const = default;
};

struct HoleRow {
  std::string positionText;
  Length size;
  Length height;
  Length offset;
  float centred = 0;  // 1: on mid-thickness, else on the chord line
  std::uint8_t fromTrailingEdge = 0;
  HoleShape shape = HoleShape::Round;
  std::string reserved;
  bool operator==(const HoleRow&) const = default;
};

// A fixed-capacity table: rows 0..12 and the index of the last one in use. Drawing stops at
// the first row whose position is 0; the project file keeps every row up to `last`.
template <class Row>
struct SlotTable {
  std::array<Row, kTableSlots> rows{};
  std::uint8_t last = 0;
  Row& operator[](std::size_t i) { return rows[i]; }
  const Row& operator[](std::size_t i) const { return rows[i]; }
  bool operator==(const SlotTable&) const = default;
};
using SparTable = SlotTable<SparRow>;
using HoleTable = SlotTable<HoleRow>;

struct SquareLeadingEdge {
  Length size{0, "0"};
  Length x{0, "0"};
  Length y{0, "0"};
  bool operator==(const SquareLeadingEdge&) const = default;
};

struct BuildingTabs {
  TabBoard board = TabBoard::UnderLowerSurface;
  Length lowerDistance{0, "0"};
  Length upperDistance{0, "0"};  // millimetres stored negated, the text as typed
  std::string lengthText = "0";  // lengths or "n%" of the chord
  std::string rearText = "0";
  bool operator==(const BuildingTabs&) const = default;
};

struct Blocks {
  Length baseHeight{0, "0"};  // chord line to the building board
  Length topHeight{0, "0"};
  Length leadingExtension{0, "0"};   // ahead of the leading edge
  Length trailingExtension{0, "0"};  // behind the trailing edge
  Length seatDepth{0, "0"};
  BlockTail tail = BlockTail::UpperContour;
  bool operator==(const Blocks&) const = default;
};

struct InsertedText {
  std::string text;
  Length x{0, "0"};
  Length y{0, "0"};
  float fontSize = 9;       // settings InsText/TailleFont
  bool isUserText = false;  // false: the automatic caption, recomposed on changes
  bool operator==(const InsertedText&) const = default;
};

struct ThicknessCamberChange {
  double newThickness = 0;
  double newCamber = 0;
  StationTable upperAt{};
  StationTable lowerAt{};
  bool operator==(const ThicknessCamberChange&) const = default;
};

struct RibSetup {
  Length chord{200, "200"};
  Length sheeting{1.5f, "1.5"};  // 0: no sheeting line
  Length leadingEdge{0, "0"};    // depth of the plain piece
  LeadingEdgeStyle leadingEdgeStyle = LeadingEdgeStyle::Plain;
  Length trailingEdge{0, "0"};
  std::uint8_t markCount = 0;  // reference lines
  SquareLeadingEdge squareLeadingEdge;
  std::string reservedLine16;  // project file line 16, kept as read
  SparTable spars;
  HoleTable holes;
  BaseMode baseMode = BaseMode::None;
  BuildingTabs tabs;
  float boardAngle = 0;  // degrees, -20..20
  Blocks blocks;
  InsertedText caption;
  bool upsideDown = false;
  ThicknessCamberChange reshape;
  bool operator==(const RibSetup&) const = default;
};

// ---- How the main view shows the rib ----
struct ViewState {
  float zoom = 1;
  std::int16_t hScroll = 0;
  std::int16_t vScroll = 0;
  bool outlineShown = true;  // the densified outline's points
  bool showThickness = false;
  bool showLeadingEdgeHeight = false;
  bool showTrailingEdgeHeight = false;
  bool compareShown = false;
  bool thicknessCamberShown = false;
  bool formerShown = false;
  // The spar and hole rows their open windows edit, marked on the screen; -1: none.
  int markedSpar = -1;
  int markedHole = -1;
  bool operator==(const ViewState&) const = default;
};

// ---- Colours (palette indexes), line styles and widths ----
struct Style {
  std::array<std::int16_t, kElementCount> colour{0, 9, 12, 13, 9, 9, 5, 12, 1, 5, 9};
  std::array<std::int16_t, kElementCount> lineStyle{0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0};
  std::array<std::int16_t, kWidthCount> lineWidth{1, 1, 1, 1, 1, 1, 1, 1};

  std::int16_t ColourOf(Element e) const { return colour[static_cast<std::size_t>(e)]; }
  std::int16_t LineStyleOf(Element e) const { return lineStyle[static_cast<std::size_t>(e)]; }
  std::int16_t WidthOf(WidthElement e) const { return lineWidth[static_cast<std::size_t>(e)]; }
  std::int16_t& ColourOf(Element e) { return colour[static_cast<std::size_t>(e)]; }
  std::int16_t& LineStyleOf(Element e) { return lineStyle[static_cast<std::size_t>(e)]; }
  std::int16_t& WidthOf(WidthElement e) { return lineWidth[static_cast<std::size_t>(e)]; }
  bool operator==(const Style&) const = default;
};

// ---- Printing ----
struct PrintSetup {
  Length topMargin{10, "10"};
  Length bottomMargin{15, "15"};
  Length overlap{20, "20"};            // of tiled sheets
  Length chordLineFromTop{50, "50"};   // 2 in when the unit is inches
  std::uint8_t paperIndex = 0;
  bool operator==(const PrintSetup&) const = default;
};

struct RibDocument {
  ProgramSettings settings;
  ProjectInfo project;
  AirfoilAsRead airfoil;
  PreparedAirfoil prepared;
  RibSetup rib;
  ViewState view;
  Style style;
  PrintSetup print;
  ChangeChannel changes;  // not part of the value: copies start with no listeners

  RibDocument() = default;
  RibDocument(const RibDocument& other);
  RibDocument& operator=(const RibDocument& other);
};

// Settings keys of the colour, line-style and width tables, in table order.
extern const std::array<const char*, kElementCount> kColourKeys;
extern const std::array<const char*, kElementCount> kLineStyleKeys;
extern const std::array<const char*, kWidthCount> kLineWidthKeys;

// The settings' defaults in the reset order: style, text size, chord, sheeting, trailing
// edge, directories, print set-up, leading edge, blocks, first spar and hole, tabs, text
// position, leading-edge style.
void ResetSetup(RibDocument& document);

// "1.0.0-E" from the build's version numbers.
std::string VersionText();

}  // namespace core
