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

// The boxes as typed, in millimetres.
struct KitBoxTexts {
  std::string width, length, gap, kerf;
  output::CutFormat format = output::CutFormat::DxfR2000;
};
enum class KitBox { Width, Length, Gap, Kerf };
struct KitBoxRefusal {
  KitBox box = KitBox::Width;
  std::string why;  // in the user's language
};
// The sheet's sides positive, the gap 0 or more, the kerf as Export for cutting takes it
// (empty: none). Numbers are digits with at most one ".".
std::optional<KitSettings> KitSettingsFromBoxes(const KitBoxTexts& boxes, KitBoxRefusal& refusal);
// A number as the boxes show it: "100", "2.5".
std::string KitNumberText(double mm);

// A refusal of the kit in the user's words, naming the part or file it is about.
std::string KitRefusalWords(const KitRefusal& refusal);

// The files of a kit found in `folder` (the list, the PDF, sheet-NN.dxf and .svg).
std::vector<std::string> KitFilesIn(const std::string& folder);
// kit.txt, kit.pdf, "sheet-" with two or more digits and ".dxf" or ".svg": a kit's files,
// which a kit written over an earlier one replaces or removes.
bool IsKitFileName(const std::string& name);

}  // namespace commands
