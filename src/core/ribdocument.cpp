#include "core/ribdocument.h"

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

RibDocument::RibDocument(const RibDocument& other)
    : settings(other.settings),
      project(other.project),
      airfoil(other.airfoil),
      prepared(other.prepared),
      rib(other.rib),
      view(other.view),
      style(other.style),
      print(other.print) {}

RibDocument& RibDocument::operator=(const RibDocument& other) {
  settings = other.settings;
  project = other.project;
  airfoil = other.airfoil;
  prepared = other.prepared;
  rib = other.rib;
  view = other.view;
  style = other.style;
  print = other.print;
  return *this;  // the listeners stay with this document
}

std::string VersionText() {
  return std::to_string(VANDRELL_VERSION_MAJOR) + "." + std::to_string(VANDRELL_VERSION_MINOR) + "." +
         std::to_string(VANDRELL_VERSION_PATCH) + "-E";
}

void ResetSetup(RibDocument& d) {
  const RibSetup fresh;
  d.style = Style{};
  d.rib.caption.fontSize = fresh.caption.fontSize;
  d.rib.chord = fresh.chord;
  d.rib.sheeting = fresh.sheeting;
  d.rib.trailingEdge = fresh.trailingEdge;
  d.settings.airfoilDir = d.settings.programDir;
  d.settings.seriesAirfoilDir = d.settings.programDir;
  d.settings.lastOpenDir = d.settings.airfoilDir;
  d.print = PrintSetup{};
  d.rib.leadingEdge = fresh.leadingEdge;
  d.rib.blocks.topHeight = fresh.blocks.topHeight;
  d.rib.blocks.leadingExtension = fresh.blocks.leadingExtension;
  d.rib.blocks.trailingExtension = fresh.blocks.trailingExtension;
  d.rib.spars[0].positionText = "0";
  d.rib.holes[0].positionText = "0";
  d.rib.tabs.lengthText = fresh.tabs.lengthText;
  d.rib.tabs.rearText = fresh.tabs.rearText;
  d.rib.tabs.lowerDistance.text = fresh.tabs.lowerDistance.text;
  d.rib.tabs.upperDistance.text = fresh.tabs.upperDistance.text;
  d.rib.caption.x = fresh.caption.x;
  d.rib.caption.y = fresh.caption.y;
  d.rib.leadingEdgeStyle = fresh.leadingEdgeStyle;
}

}  // namespace core
