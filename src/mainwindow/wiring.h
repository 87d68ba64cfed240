#pragma once
// What the main window takes from the settings, project, trace and help layers.
#include <QImage>
#include <string>

#include "core/ribstate.h"
#include "files/airfoilfile.h"

class QPainter;

namespace mainwindow {

// The address of the update page of this edition.
extern const char* const kVersionPageUrl;

// The settings at the main window's load: the first-run set-up (defaults written, firstRun
// set) or the settings read and the directories checked.
void LoadSettingsAtStart(core::SharedState& s);
// After an airfoil is opened: the path goes first in the recent files.
void AddRecentFile(core::SharedState& s, const std::string& path);
// The state side of a new rib: features cleared, flags of a fresh start, zoom 100 %.
void ClearRibState(core::SharedState& s);
// Warns when the airfoil directories are missing or are the program's directory.
void CheckDirectories(core::SharedState& s);
// The rib defaults of the settings (chord, sheeting, leading edge, blocks).
void ReadDefaults(core::SharedState& s);
// Draws the rib on the main view's surface at the zoom and scroll offsets of the state.
void PaintRib(core::SharedState& s, QImage& surface);
// Paints the open window's preview (its twips, y from the window's top) with `painter`.
void PaintPreview(QPainter& painter, double dpi, const files::AirfoilData& data);
// A value of the per-user settings store's Install section (Name, Organisation).
std::string InstallSetting(const std::string& key);

}  // namespace mainwindow
