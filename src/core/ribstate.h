#pragma once
// The one shared program state: the airfoil, the rib set-up, the view, colours, print
// settings, paths and flags. Every window reads it when it opens and writes it back on
// OK/Apply; the trace, the writers and the readers work on it directly.
//
// Lengths are millimetres in 32-bit floats, each beside the text the user typed.
// Airfoil coordinates are chord fractions in doubles. Point lists are 1-based: element 0
// of ptsX, airfoilX, ... is unused so indexes read as in the algorithms.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

inline constexpr int kStations = 401;      // station j at chord fraction 1 - j/400
inline constexpr int kTableSlots = 13;     // spar and hole tables: slots 0..12
inline constexpr int kMaxPoints = 32767;   // point indexes are 16-bit

using StationTable = std::array<double, kStations>;

// Drawn elements in the order of the colour and line-style settings.
enum Element {
  kElemProfil, kElemCoffrage, kElemAxe, kElemLong, kElemBa, kElemBf,
  kElemTrou, kElemRep, kElemBloc, kElemProfil1, kElemProfil2, kElementCount
};
// Line widths exist for the first nine elements except the chord axis.
enum WidthElement {
  kWidthProfil, kWidthCoffrage, kWidthLong, kWidthBa, kWidthBf,
  kWidthTrou, kWidthRep, kWidthBloc, kWidthCount
};

struct SparTable {
  std::array<std::string, kTableSlots> sparPosText{};
  std::array<float, kTableSlots> sparPos{};
  std::array<std::string, kTableSlots> sparWidthText{};
  std::array<float, kTableSlots> sparWidth{};
  std::array<std::string, kTableSlots> sparHeightText{};
  std::array<float, kTableSlots> sparHeight{};
  std::array<std::string, kTableSlots> sparInsetText{};
  std::array<float, kTableSlots> sparInset{};
  std::array<std::uint8_t, kTableSlots> sparUpper{};   // 0 none, 1 from sheeting, 2 from contour
  std::array<std::uint8_t, kTableSlots> sparLower{};
  std::array<std::uint8_t, kTableSlots> sparType{};    // 0 notch, 1 hanging, 2 round, 3 inset
  std::array<std::uint8_t, kTableSlots> sparFromTE{};
  std::array<std::string, kTableSlots> sparReserved{}; // kept for the project file
  std::uint8_t sparLast = 0;
};

struct HoleTable {
  std::array<std::string, kTableSlots> holePosText{};
  std::array<float, kTableSlots> holePos{};
  std::array<std::string, kTableSlots> holeSizeText{};
  std::array<float, kTableSlots> holeSize{};
  std::array<std::string, kTableSlots> holeHeightText{};
  std::array<float, kTableSlots> holeHeight{};
  std::array<std::string, kTableSlots> holeOffsetText{};
  std::array<float, kTableSlots> holeOffset{};
  std::array<float, kTableSlots> holeCentred{};        // 1 mid-thickness, 0 chord line
  std::array<std::uint8_t, kTableSlots> holeFromTE{};
  std::array<std::uint8_t, kTableSlots> holeRect{};
  std::array<std::string, kTableSlots> holeReserved{};
  std::uint8_t holeLast = 0;
};

struct SharedState {
  // 1. Paths and program context
  std::string programDir;
  std::string iniFile;
  std::string helpFile;
  std::string languageName;
  std::string languageFile;
  std::string versionText;
  std::string unitText = " mm";
  std::string airfoilDir;
  std::string seriesAirfoilDir;
  std::string lastOpenDir;
  std::string projectPath;
  std::string projectTitle;
  std::string dxfPath;
  std::string messageText;
  std::string inputKind;
  double pi = 3.14159265358979323846;
  std::uint8_t firstRun = 0;

  // 2. Program flags
  bool projectModified = false;
  bool projectSaved = false;
  bool dialogCancelled = false;
  std::uint8_t messageAnswer = 0;
  bool iniWriteOk = false;
  bool airfoilLoaded = false;
  bool inverted = false;
  bool traceShown = true;
  bool compareShown = false;
  bool epCourbShown = false;
  bool formerShown = false;
  bool choosingLanguage = false;
  std::uint8_t baseMode = 0;  // 0 nothing, 1 blocks, 11 building tabs
  // Check marks of the display menu that the trace reads.
  bool showThickness = false;   // mnu_affepr
  bool showLeHeight = false;    // mnu_affhautba
  bool showTeHeight = false;    // mnu_affhautbf

  // 3. Airfoil as read
  std::string airfoilPath;
  std::string airfoilName;
  std::string airfoilExt;
  std::string airfoilTitle;
  std::vector<double> airfoilX{0.0};
  std::vector<double> airfoilY{0.0};
  int pointCount = 0;
  bool readOk = false;
  bool quietRead = false;
  bool memorizeAsFirst = false;

  // 4. Airfoil prepared for drawing
  std::vector<double> ptsX{0.0};
  std::vector<double> ptsY{0.0};
  int ptsCount = 0;
  int upperCount = 0;
  std::vector<double> lowerX{0.0};
  std::vector<double> lowerY{0.0};
  int lowerCount = 0;
  StationTable upperAt{};
  StationTable lowerAt{};
  double yMax = 0;
  double yMin = 0;
  double maxThickness = 0;
  double maxThicknessStation = -1;
  double maxCamber = 0;
  int maxCamberStation = -1;

  // 5. Rib set-up
  float chord = 200;
  std::string chordText = "200";
  float sheetingThickness = 1.5f;
  std::string sheetingText = "1.5";
  float leadingEdgeDepth = 0;
  std::string leadingEdgeText = "0";
  std::uint8_t leadingEdgeStyle = 1;  // 1 plain piece, 0 square leading edge
  float trailingEdgeDepth = 0;
  std::string trailingEdgeText = "0";
  std::uint8_t markCount = 0;
  float squareLeSize = 0;
  std::string squareLeSizeText = "0";
  float squareLeX = 0;
  std::string squareLeXText = "0";
  float squareLeY = 0;
  std::string squareLeYText = "0";
  std::string reservedLine16;  // project file line 16, kept as read

  SparTable spars;
  HoleTable holes;

  // Building tabs
  std::int16_t tabSide = 0;  // 0 board under the lower surface, else over the upper
  std::string tabLowerDistText = "0";
  double tabLowerDist = 0;
  std::string tabUpperDistText = "0";
  double tabUpperDist = 0;  // stored negated
  std::string tabLengthText = "0";
  double tabLength = 0;
  std::string tabRearText = "0";
  double tabRear = 0;
  double tabReach = 0;
  float boardAngle = 0;  // degrees, -20..20

  // Blocks
  std::string blockHeight0Text = "0";
  float blockHeight0 = 0;
  std::string blockLeText = "0";
  float blockLe = 0;
  std::string blockTeText = "0";
  float blockTe = 0;
  std::string blockDepthText = "0";
  float blockDepth = 0;
  std::string blockHeight4Text = "0";
  float blockHeight4 = 0;
  float blockTotal = 0;
  std::uint8_t blockTailSide = 0;  // 0 upper contour, 1 lower

  // Inserted text
  std::string annotationText;
  std::string textXText = "0";
  float textX = 0;
  std::string textYText = "0";
  float textY = 0;
  float textFontSize = 9;
  bool annotationIsUser = false;

  // Thickness and camber change
  double newThickness = 0;
  double newCamber = 0;
  StationTable epCourbUpper{};
  StationTable epCourbLower{};

  // 6. View state and values the trace leaves behind
  float zoom = 1;
  float scale = 56.7f;
  float scaleY = 56.7f;
  float chordTwips = 0;
  float chordTwipsY = 0;
  float originX = 0;
  float originY = 0;
  std::int16_t hScroll = 0;
  std::int16_t vScroll = 0;
  float relSheeting = 0;
  double trailingEdgeMid = 0;
  float sheetStartStation = 0;
  float sheetEndStation = 400;
  std::int16_t sheetOverlap = 0;
  float blockOffset = 0;  // how far the base moved the origin, mm
  StationTable upperAngle{}, upperDx{}, upperDy{};
  StationTable lowerAngle{}, lowerDx{}, lowerDy{};

  // 7. Colours (palette indexes), line styles and widths
  std::array<std::int16_t, kElementCount> colour{};
  std::array<std::int16_t, kElementCount> lineStyle{};
  std::array<std::int16_t, kWidthCount> lineWidth{};

  // 8. Print settings
  float margeHaut = 10;
  std::string margeHautText = "10";
  float margeBas = 15;
  std::string margeBasText = "15";
  float recouvrement = 20;
  std::string recouvrementText = "20";
  float ydprint = 50;
  std::string ydprintText = "50";
  std::uint8_t numIndex = 0;

  SharedState();
};

// Settings keys of the colour, line-style and width tables, in table order.
extern const std::array<const char*, kElementCount> kColourKeys;
extern const std::array<const char*, kElementCount> kLineStyleKeys;
extern const std::array<const char*, kWidthCount> kLineWidthKeys;
extern const std::array<std::int16_t, kElementCount> kDefaultColours;

// The program's one state.
SharedState& App();

// Defaults of sections 5, 7 and 8, the directories and the inserted text, in the reset order.
void ResetSetup(SharedState& s);

// "1.0.0-E" from the build's version numbers.
std::string VersionText();

}  // namespace core
