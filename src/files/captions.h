#pragma once
// Where the main window's captions and the common texts come from in the language file.
// The main window walks these tables at start-up and after a change of language.
#include <array>
#include <string>
#include <string_view>

#include "core/caption.h"
#include "core/ribconstruction.h"
#include "platform/textkeys.h"

namespace files {

using TextKey = platform::TextKey;

// A menu control's caption: `prefix` and the text; `fallback` when the text is empty.
struct MenuCaption {
  std::string_view control;
  TextKey text;
  std::string_view prefix = {};
  std::string_view fallback = {};
};

// Menus in the order the window sets them (MenuOutils has no keys 8 and 9).
extern const std::array<MenuCaption, 58> kMenuCaptions;

// Tool-bar button i (1..8) takes the tool tip MainTolbar/i. Buttons 2, 3, 5 and 7 carry the
// commands named here; the other positions are separators or places of the zoom list and
// the command buttons.
struct ToolbarTip {
  int button;
  TextKey tip;
  std::string_view command;  // empty for a position without a command
};
extern const std::array<ToolbarTip, 8> kToolbarTips;

// The six command buttons beside the view.
struct CommandButtonTexts {
  std::string_view control;
  TextKey caption;
  TextKey toolTip;
};
extern const std::array<CommandButtonTexts, 6> kCommandButtons;

// The caption of a menu entry as shown, with its prefix and fallback applied.
std::string MenuCaptionText(const MenuCaption& entry);
// The entry of a menu control, or nullptr when the control takes no caption from the file.
const MenuCaption* FindMenuCaption(std::string_view control);

// Texts loaded once with the main window's captions and used by many windows.
struct CommonTexts {
  std::string ok;          // TextButton/1
  std::string cancel;      // TextButton/2
  std::string help;        // TextButton/3
  std::string close;       // TextButton/4
  std::string apply;       // TextButton/5
  std::string airfoilLabel;  // MainTolbar/11, the airfoil label
  std::string chordLabel;    // MainTolbar/13, the chord label
  std::string ribWord;     // MainTolbar/25, the rib word of the series files
  std::string filesWord;   // MainTolbar/26, the word for files in filters and captions
};

inline constexpr TextKey kCommonTextKeys[] = {keys::OkButton,    keys::CancelButton, keys::HelpButton,
                                               keys::CloseButton, keys::ApplyButton,  keys::AirfoilLabel,
                                               keys::ChordLabel,  keys::RibWord,      keys::FilesWord};

CommonTexts LoadCommonTexts();

// The words the rib construction prints and the automatic caption's words, in the
// language in force.
core::RibLabels RibLabelsInLanguage();
core::CaptionWords CaptionWordsInLanguage();

}  // namespace files
