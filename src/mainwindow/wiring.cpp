#include "mainwindow/wiring.h"

#include "files/ini.h"

namespace mainwindow {

const char* const kVersionPageUrl = VANDRELL_VERSION_URL;

void LoadSettingsAtStart(core::SharedState& s) {
  const bool firstRun = files::GetINIFile("Repertoires", "Install", s.iniFile).empty();
  core::ResetSetup(s);
  s.firstRun = firstRun ? 1 : 0;
}

void AddRecentFile(core::SharedState&, const std::string&) {}

void ClearRibState(core::SharedState& s) {
  s.inverted = false;
  s.traceShown = true;
  s.airfoilName.clear();
  s.airfoilTitle.clear();
  s.airfoilLoaded = false;
  s.projectModified = false;
  s.dialogCancelled = false;
  s.quietRead = false;
  s.formerShown = false;
}

void CheckDirectories(core::SharedState&) {}

void ReadDefaults(core::SharedState&) {}

void PaintRib(core::SharedState&, QImage&) {}

void PaintPreview(QPainter&, double, const files::AirfoilData&) {}

std::string InstallSetting(const std::string&) { return std::string(); }

}  // namespace mainwindow
