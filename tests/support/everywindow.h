#pragma once
// Every window of the program but the main one, each made afresh over one document, for the
// tests that look at all of them alike (sizes, texts).
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ribdocument.h"
#include "core/ribseries.h"
#include "files/seriesfiles.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/cutexportwindow.h"
#include "mainwindow/languagewindow.h"
#include "platform/texts.h"
#include "ribwindows/blockwindow.h"
#include "ribwindows/holewindow.h"
#include "ribwindows/inputwindow.h"
#include "ribwindows/sparwindow.h"
#include "ribwindows/squareleadingedgewindow.h"
#include "ribwindows/tabwindow.h"
#include "ribwindows/textwindow.h"
#include "serieswindows/coordinateswindow.h"
#include "serieswindows/cutkitwindow.h"
#include "serieswindows/seriestablewindow.h"
#include "serieswindows/serieswindow.h"
#include "settingswindows/airfoilpackoffer.h"
#include "settingswindows/colourswindow.h"
#include "settingswindows/defaultswindow.h"
#include "settingswindows/printwindow.h"
#include "sharedwindows/openairfoilwindow.h"
#include "toolwindows/dihedralwindow.h"
#include "toolwindows/ribsheetwindow.h"
#include "toolwindows/slantedribwindows.h"
#include "toolwindows/thicknesscamberwindow.h"

namespace testsupport {

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

// A series of twelve ribs between two starter airfoils, its positions as wide as a spaced
// series shows them; `paths` gets the rib files' paths.
inline files::SeriesJob TwelveRibSeries(std::vector<std::string>& paths) {
  files::SeriesJob job;
  job.folder = "/tmp";
  job.rootName = "clarky";
  job.tipName = "sd7037";
  job.rootChordMm = 240;
  job.tipChordMm = 150;
  job.ribs = core::EvenSeriesRibs(240, 150, core::kTipSlot - 1);
  for (core::SeriesRib& rib : job.ribs) {
    rib.positionMm = 1234.5 * rib.fraction;
    paths.push_back("/tmp/" + files::RibFileName(job, rib.number));
  }
  return job;
}

inline std::vector<std::pair<std::string, WindowMaker>> EveryWindow(core::RibDocument& doc) {
  using namespace ribwindows;
  std::vector<std::pair<std::string, WindowMaker>> windows;
  for (auto [name, kind] : {std::pair{"chord", InputKind::Chord}, {"sheeting", InputKind::Sheeting},
                            {"leading edge", InputKind::LeadingEdge}, {"trailing edge", InputKind::TrailingEdge},
                            {"reference lines", InputKind::ReferenceLines}})
    windows.emplace_back(name, [&doc, kind] { return std::make_unique<InputWindow>(doc, kind); });
  const std::vector<std::pair<std::string, WindowMaker>> others = {
      {"spars", [&] { return std::make_unique<SparWindow>(doc); }},
      {"holes", [&] { return std::make_unique<HoleWindow>(doc); }},
      {"tabs", [&] { return std::make_unique<TabWindow>(doc); }},
      {"blocks", [&] { return std::make_unique<BlockWindow>(doc); }},
      {"square leading edge", [&] { return std::make_unique<SquareLeadingEdgeWindow>(doc); }},
      {"text", [&] { return std::make_unique<TextWindow>(doc); }},
      {"about", [&] { return std::make_unique<mainwindow::AboutBox>(doc.settings.versionText); }},
      {"cut export", [] { return std::make_unique<mainwindow::CutExportWindow>(); }},
      {"language", [&] {
         return std::make_unique<mainwindow::LanguageWindow>(doc, mainwindow::LanguageWindow::Purpose::ChangeLanguage,
                                                             nullptr);
       }},
      {"defaults", [&] { return std::make_unique<settingswindows::DefaultsWindow>(doc); }},
      {"colours", [&] { return std::make_unique<settingswindows::ColoursWindow>(doc); }},
      {"print", [&] { return std::make_unique<settingswindows::PrintWindow>(doc, 297.0); }},
      {"test page",
       [&] { return std::make_unique<settingswindows::TestPagePreview>(doc.settings.versionText, nullptr, &doc); }},
      {"airfoil pack",
       [&] {
         return std::make_unique<settingswindows::ConfigurationWindow>(doc, "/home/utilisateur/Documents/Profils Vandrell");
       }},
      {"open airfoil", [&] {
         return std::make_unique<sharedwindows::OpenAirfoilWindow>(doc.settings, platform::Text("frmopen", "1"), true);
       }},
      {"dihedral", [&] { return std::make_unique<toolwindows::DihedralWindow>(doc.settings); }},
      {"rib sheet", [&] { return std::make_unique<toolwindows::RibSheetWindow>(doc); }},
      {"inclined rib", [&] { return std::make_unique<toolwindows::InclinedRibWindow>(doc); }},
      {"oblique rib", [&] { return std::make_unique<toolwindows::ObliqueRibWindow>(doc); }},
      {"thickness camber", [&] { return std::make_unique<toolwindows::ThicknessCamberWindow>(doc); }},
      {"coordinates", [&] { return std::make_unique<serieswindows::CoordinatesWindow>(doc.settings); }},
      {"even series", [&] {
         return std::make_unique<serieswindows::SeriesWindow>(doc, serieswindows::SeriesKind::Even, nullptr, nullptr);
       }},
      {"spaced series", [&] {
         return std::make_unique<serieswindows::SeriesWindow>(doc, serieswindows::SeriesKind::Spaced, nullptr, nullptr);
       }},
      {"cut kit", [&] { return std::make_unique<serieswindows::CutKitWindow>(doc); }},
      {"series table", [] {
         std::vector<std::string> paths;
         const files::SeriesJob job = TwelveRibSeries(paths);
         return std::make_unique<serieswindows::SeriesTableWindow>(job, paths, nullptr);
       }},
  };
  windows.insert(windows.end(), others.begin(), others.end());
  return windows;
}

}  // namespace testsupport
