#pragma once
// The cutting kit window's rules apart from the window: what its boxes accept, what it
// remembers (the per-user store, section "Kit"), how a refusal reads in the user's words,
// and which files of an earlier kit a new one leaves behind.
#include <optional>
#include <string>
#include <vector>

#include "commands/cutkit.h"

namespace commands {

struct KitChoices {
  KitSettings settings;
  std::string folder;  // the folder the last kit went to; "" before the first
};
// Anything missing or unreadable reads as the default (100 x 1000 mm, gap 2, no kerf, R2000,
// no caption, names as text).
KitChoices LoadKitChoices();
void StoreKitChoices(const KitChoices& choices);

// The boxes as typed, in the unit in force (" mm" or " in", inches with fractions).
struct KitBoxTexts {
  std::string width, length, gap, kerf;
  output::CutFormat format = output::CutFormat::DxfR2000;
  std::string thickness;  // empty: not given
  std::string unit = " mm";
};
enum class KitBox { Width, Length, Gap, Kerf, Thickness };
struct KitBoxRefusal {
  KitBox box = KitBox::Width;
  std::string why;  // in the user's language
};
// The sheet's sides positive, the gap 0 or more, the kerf as Export for cutting takes it
// (empty: none), the thickness positive or empty. Millimetres are digits with at most one
// "."; inches may be fractions ("1/16").
std::optional<KitSettings> KitSettingsFromBoxes(const KitBoxTexts& boxes, KitBoxRefusal& refusal);
// A number as the boxes show it: "100", "2.5"; in inches "3.937".
std::string KitNumberText(double mm, const std::string& unit = " mm");

// Which rib set-up the kit gives every rib.
enum class KitSetup {
  CurrentRib,    // the rib in the main window
  BeforeSeries,  // the rib a series tool cleared to start its series
  ProjectFile,   // a project file's set-up, its airfoil not read
};
// A series tool starts from a cleared rib; the set-up it cleared is what the kit of that
// series wants. ConfirmSeriesTool keeps it here, for the rest of the session.
// `cleared`: the document as clearing left it.
void KeepSetupBeforeSeries(const core::RibSetup& before, const core::RibDocument& cleared);
void ForgetSetupBeforeSeries();
// The set-ups the kit window lists, in order, and the one it starts on: the one before the
// series while the rib is still as the series tool left it, else the current rib.
struct KitSetupOffer {
  std::vector<KitSetup> listed;
  KitSetup chosen = KitSetup::CurrentRib;
};
KitSetupOffer OfferedKitSetups(const core::RibDocument& document);
// The template rib of a set-up: the document as it is, with the set-up before the series, or
// cleared and given the project's set-up. A project that cannot be read is refused
// ("project", in the user's words).
std::optional<KitRefusal> KitTemplate(const core::RibDocument& document, KitSetup setup, const std::string& project,
                                      core::RibDocument& templateRib);

// A refusal of the kit in the user's words, naming the part or file it is about.
std::string KitRefusalWords(const KitRefusal& refusal);

// The files of a kit found in `folder` (the list, the PDF, sheet-NN.dxf and .svg).
std::vector<std::string> KitFilesIn(const std::string& folder);
// kit.txt, kit.pdf, "sheet-" with two or more digits and ".dxf" or ".svg": a kit's files,
// which a kit written over an earlier one replaces or removes.
bool IsKitFileName(const std::string& name);

}  // namespace commands
