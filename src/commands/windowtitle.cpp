#include "commands/windowtitle.h"

#include "platform/textkeys.h"
#include "platform/texts.h"

namespace commands {

using platform::Text;

std::string WindowTitle(const core::RibDocument& document) {
  const std::string program = platform::kProgramTitle;
  const std::string airfoil = " " + Text(keys::AirfoilLabel) + " : " + document.airfoil.name;
  switch (document.project.titleNames) {
    case core::TitleNames::Program: return program;
    case core::TitleNames::Airfoil: return program + airfoil;
    case core::TitleNames::Project:
      return program + " " + Text(keys::FilesWord) + " : " + document.project.title + airfoil;
    case core::TitleNames::Comparison:
      return program + "  " + Text(keys::CompareCaptionBefore) + " " + document.project.comparedFirst + " " +
             Text(keys::CompareCaptionBetween) + " " + document.project.comparedSecond;
    case core::TitleNames::Former: return program + "  " + document.airfoil.name;
  }
  return program;
}

}  // namespace commands
