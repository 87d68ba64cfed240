#include "mainwindow/wiring.h"

#include "core/newrib.h"
#include "core/numformat.h"
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
  core::ClearRib(s);
  // The inserted text keeps its size, which the settings keep for the next rib.
  s.iniWriteOk = files::WriteINIFile("InsText", "TailleFont", core::PlainNumberText(s.textFontSize), s.iniFile);
}

void CheckDirectories(core::SharedState&) {}

void ReadDefaults(core::SharedState&) {}

void PaintRib(core::SharedState&, QImage&) {}

void PaintPreview(QPainter&, double, const files::AirfoilData&) {}

std::string InstallSetting(const std::string&) { return std::string(); }

}  // namespace mainwindow
