#pragma once
// The airfoil tools' work taken as data, with no question and no message: a new thickness
// and camber, an inclined rib, an oblique rib. Each says why it refuses in the user's words
// and under a word key; the tool windows show it in a box, `vandrell-cli` prints it.
#include <optional>
#include <string>
#include <vector>

#include "core/airfoilprep.h"
#include "core/airfoiltools.h"
#include "core/ribdocument.h"
#include "files/airfoilfile.h"
#include "platform/errorreport.h"

namespace commands {

struct ToolRefusal {
  std::string key;   // "angle-missing", "percent-too-large", ...
  std::string text;  // in the user's language
};

// The airfoil an inclined or oblique rib starts from: the current one, or a file picked.
using SourceAirfoil = core::AirfoilAsRead;
SourceAirfoil CurrentSourceAirfoil(const core::RibDocument& document);
SourceAirfoil SourceAirfoilOf(const std::string& path, files::AirfoilData data);

// A file to write: the name proposed and what it holds.
struct DerivedFile {
  std::string name;
  std::string contents;
};

struct ThicknessCamberOutcome {
  core::ThicknessCamberResult result;
  std::optional<ToolRefusal> refusal;
  std::optional<platform::ErrorInfo> error;  // an airfoil with no thickness to scale
  std::string notice;                        // said, no stop: a symmetrical airfoil keeps no camber
  std::string thicknessText;                 // the new values as the boxes show them: "9.50"
  std::string camberText;
};
ThicknessCamberOutcome ScaleThicknessCamber(const core::PreparedAirfoil& airfoil, const std::string& thicknessText,
                                             const std::string& camberText);

// The words before the values in the file's title line, in the user's language.
struct ThicknessCamberWords {
  std::string thickness;
  std::string camber;
};
ThicknessCamberWords ThicknessCamberWordsInLanguage();
std::string ThicknessCamberFileText(const std::string& airfoilName, const ThicknessCamberWords& words,
                                    const ThicknessCamberOutcome& outcome);

struct InclinedRibPlan {
  std::optional<ToolRefusal> refusal;
  double degrees = 0;
  double factor = 1;  // the ordinates' scale
};
InclinedRibPlan PlanInclinedRib(const std::string& angleText);
DerivedFile InclinedRibFile(const SourceAirfoil& airfoil, const InclinedRibPlan& rib);

struct ObliqueRibPlan {
  std::optional<ToolRefusal> refusal;
  core::ObliqueRib lengths;
  double degrees = 0;
  std::string unitText;
};
// `mode` 0: the oblique length L is given, 1: the square length M.
ObliqueRibPlan PlanObliqueRib(int mode, const std::string& lengthText, const std::string& angleText,
                          const std::string& unitText);
// The first words of the file's title line, in the user's language.
std::string ObliqueRibTitleWords();
DerivedFile ObliqueRibFile(const SourceAirfoil& airfoil, const ObliqueRibPlan& rib, const std::string& titleWords);

}  // namespace commands
