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

void ResetSetup(RibDocument& document) {
  const RibSetup fresh;
  document.style = Style{};
  document.rib.caption.fontSize = fresh.caption.fontSize;
  document.rib.chord = fresh.chord;
  document.rib.sheeting = fresh.sheeting;
  document.rib.trailingEdge = fresh.trailingEdge;
  document.settings.airfoilDir = document.settings.programDir;
  document.settings.seriesAirfoilDir = document.settings.programDir;
  document.settings.lastOpenDir = document.settings.airfoilDir;
  document.print = PrintSetup{};
  document.rib.leadingEdge = fresh.leadingEdge;
  document.rib.blocks.topHeight = fresh.blocks.topHeight;
  document.rib.blocks.leadingExtension = fresh.blocks.leadingExtension;
  document.rib.blocks.trailingExtension = fresh.blocks.trailingExtension;
  document.rib.spars[0].positionText = "0";
  document.rib.holes[0].positionText = "0";
  document.rib.tabs.lengthText = fresh.tabs.lengthText;
  document.rib.tabs.rearText = fresh.tabs.rearText;
  document.rib.tabs.lowerDistance.text = fresh.tabs.lowerDistance.text;
  document.rib.tabs.upperDistance.text = fresh.tabs.upperDistance.text;
  document.rib.caption.x = fresh.caption.x;
  document.rib.caption.y = fresh.caption.y;
  document.rib.leadingEdgeStyle = fresh.leadingEdgeStyle;
}

}  // namespace core
