#pragma once
// The whole panel as a cutting kit: every rib built from a template rib with its own
// airfoil and chord, cut as Export for cutting cuts it, named, nested on sheets of
// material, and written as one cut file per sheet, a printed check and a list of parts.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/cutexport.h"
#include "core/cutpart.h"
#include "core/nesting.h"
#include "core/ribdocument.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"
#include "platform/pageoutput.h"

namespace commands {

// A rib of the kit: its airfoil file, its chord, and the name engraved on it.
struct KitRib {
  std::string path;
  std::string name;
  double chordMm = 0;
};

// What went wrong, as the batch program's `refused: KEY`, and the user's text.
struct KitRefusal {
  std::string key;
  std::string message;
  std::string subject;  // the part or the file it is about, where there is one
};

// The ribs of the inputs: a series summary (".txt") names its rib files, beside it, with
// their chords (in millimetres, whatever the series' unit); a rib file's chord is the
// number after the last ":" of its title line (as a series writes it, " in" after it for
// inches), else `chordMm`. A summary whose rib files no longer match it (one gone, or a
// title with another chord) is refused as "stale-summary", naming the file.
// Each summary is a panel, and so are the rib files of one series (one folder, one
// "ROOT&TIP" name); other rib files make one panel together. With more than one panel,
// every name starts with its panel's prefix and "-": `prefixes` in the panels' order, else
// A, B, C... A count of prefixes other than the panels' is refused as "prefix".
struct KitRibList {
  std::vector<KitRib> ribs;
  int panels = 0;
  std::optional<KitRefusal> refusal;
};
KitRibList KitRibsOf(const std::vector<std::string>& inputs, double chordMm,
                     const std::vector<std::string>& prefixes = {});
// "A", "B", ... "Z", "AA", "AB": the prefix of the panel at `index` (from 0).
std::string PanelPrefix(int index);

// "R07" from a series' "clarky&sd7037R07.dat" or "...R07in.dat" (the letter and digits
// that end the name); otherwise the file's name without its extension.
std::string KitNameOf(const std::string& path);

struct KitSettings {
  core::SheetSize sheet;
  double thicknessMm = 0;  // of the material, for the list; 0: not given
  double gapMm = 2;
  CutSettings cut;  // format, kerf, the rib's own marks
  int copies = 1;   // of every rib: 2 for both wing halves
  bool caption = false;  // the template's caption engraved on every rib (the name is, always)
  bool strokedNames = false;  // names as single-stroke lines, for laser software without fonts
  // The printed check's paper, margins and overlap: the rib print's.
  core::PrintSetup check;
};
inline constexpr int kMostKitCopies = 99;

// The engraved name's largest capital height.
inline constexpr double kKitNameHeightMm = 4;
// A piece narrower than this everywhere (no disc this wide fits in it) is a sliver too
// small to pick out of the sheet, let alone to build with: it is left out.
inline constexpr double kSmallestPieceMm = 3;

struct KitPart {
  std::string name;    // the rib's, with a letter per piece where a cut parts it: R10a, R10b
  std::string rib;     // the rib's own name
  std::string source;  // the rib's file name
  double chordMm = 0;
  core::CutLayout layout;  // upright, where the rib's construction puts it
  int nameMark = -1;       // the engraved name among layout.marks, kept upright when turned
  core::PointMm nameCentre;
  double nameWidthMm = 0;
  core::NestPlacement placement;
};

// A rib that a cut through it (a hole or spar deeper than the rib) parts: the pieces kept,
// named from the leading edge back, and the slivers left out.
struct KitSplit {
  std::string rib;
  int pieces = 0;
  int leftOut = 0;
};

struct KitPlan {
  std::vector<KitPart> parts;  // every piece of every copy, and the blocks' jigs
  int ribs = 0;                // the ribs with their copies
  std::vector<KitSplit> splits;
  int sheets = 0;
  double partsAreaMm2 = 0;
  double usedPercent = 0;  // the parts' area over the sheets'
  std::optional<KitRefusal> refusal;
};

// Each rib: the template's set-up with the rib's airfoil and chord, as the rib windows
// would show it, cut upright with the settings' kerf, each piece a part of its own, each
// copy too; then all nested. Refusals:
// an airfoil file the reader refuses (its status name), "edges-longer-than-chord",
// "no-part", "no-rib", "no-rib-left" (the sheeting leaves nothing; the message names the
// rib and its file), "sheet", "too-large-part".
KitPlan PlanKit(const core::RibDocument& templateRib, const std::vector<KitRib>& ribs, const KitSettings& settings);

// The splits in plain words, one line each: "R10 falls into 2 pieces",
// "R24: 2 slivers under 3 mm across left out".
std::vector<std::string> KitSplitLines(const KitPlan& plan);

// Each sheet's parts where they lie on it, in order along it (by their left ends); the
// names as text, or as single-stroke lines.
std::vector<core::CutLayout> KitSheets(const KitPlan& plan, bool strokedNames = false);

// A PDF written at `path` through a page output of the caller's (Qt paints it).
using KitPdfOutput = std::function<std::unique_ptr<platform::PageOutput>(const std::string& path)>;

struct KitWriteResult {
  bool ok = false;
  std::vector<std::string> paths;    // written, in order
  std::vector<std::string> removed;  // an earlier kit's files this one has not
  platform::ErrorInfo error;
  std::string failedPath;  // the file the failure is about, where there is one
};
// DIR/sheet-01.dxf (or .svg) and on, DIR/kit.txt and, with a page output, DIR/kit.pdf and
// DIR/kit-check.pdf: all of them or, on any failure, none. The kit owns the folder: an earlier kit's files go
// with it, the user's other files stay (platform::WriteOwnedFolder).
// An earlier kit's file marked read-only is refused ("read-only") unless `readOnly` says
// to replace it (it stays read-only).
KitWriteResult WriteKit(const KitPlan& plan, const KitSettings& settings, const std::string& folder,
                        const KitPdfOutput& pdf = {},
                        platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse);

}  // namespace commands
