#include "core/ribstate.h"

#include <cmath>

namespace core {

const std::array<const char*, kElementCount> kColourKeys = {
    "coulprofil", "coulcoffrage", "coulaxe", "coulong", "coulba", "coulbf",
    "coultrou", "coulrep", "coulbloc", "coulprofil1", "coulprofil2"};
const std::array<const char*, kElementCount> kLineStyleKeys = {
    "lineprofil", "linecoffrage", "lineaxe", "linelong", "lineba", "linebf",
    "linetrou", "linerep", "linebloc", "lineprofil1", "lineprofil2"};
const std::array<const char*, kWidthCount> kLineWidthKeys = {
    "profil", "eplinecoffrage", "eplinelong", "eplineba", "eplinebf",
    "eplinetrou", "eplinerep", "eplinebloc"};
const std::array<std::int16_t, kElementCount> kDefaultColours = {0, 9, 12, 13, 9, 9, 5, 12, 1, 5, 9};

SharedState::SharedState() {
  pi = 4.0 * std::atan(1.0);
  colour = kDefaultColours;
  lineStyle.fill(0);
  lineStyle[kElemAxe] = 3;
  lineWidth.fill(1);
}

SharedState& App() {
  static SharedState state;
  return state;
}

std::string VersionText() {
  return std::to_string(VANDRELL_VERSION_MAJOR) + "." + std::to_string(VANDRELL_VERSION_MINOR) + "." +
         std::to_string(VANDRELL_VERSION_PATCH) + "-E";
}

void ResetSetup(SharedState& s) {
  s.colour = kDefaultColours;
  s.lineStyle.fill(0);
  s.lineStyle[kElemAxe] = 3;
  s.lineWidth.fill(1);
  s.textFontSize = 9;
  s.chord = 200;
  s.chordText = "200";
  s.sheetingThickness = 1.5f;
  s.sheetingText = "1.5";
  s.trailingEdgeDepth = 0;
  s.trailingEdgeText = "0";
  s.airfoilDir = s.programDir;
  s.seriesAirfoilDir = s.programDir;
  s.lastOpenDir = s.airfoilDir;
  s.margeHaut = 10;
  s.margeHautText = "10";
  s.margeBas = 15;
  s.margeBasText = "15";
  s.recouvrement = 20;
  s.recouvrementText = "20";
  s.numIndex = 0;
  s.leadingEdgeDepth = 0;
  s.leadingEdgeText = "0";
  s.blockHeight4 = 0;
  s.blockHeight4Text = "0";
  s.blockLe = 0;
  s.blockLeText = "0";
  s.blockTe = 0;
  s.blockTeText = "0";
  s.spars.sparPosText[0] = "0";
  s.holes.holePosText[0] = "0";
  s.tabLengthText = "0";
  s.tabRearText = "0";
  s.tabLowerDistText = "0";
  s.tabUpperDistText = "0";
  s.textX = 0;
  s.textXText = "0";
  s.textY = 0;
  s.textYText = "0";
  s.ydprint = 50;
  s.ydprintText = "50";
  s.leadingEdgeStyle = 1;
}

}  // namespace core
