#include "commands/windowtitle.h"

#include "platform/texts.h"

namespace commands {

using platform::Text;

std::string WindowTitle(const core::RibDocument& d) {
  const std::string program = platform::kProgramTitle;
  const std::string airfoil = " " + Text("MainTolbar", "11") + " : " + d.airfoil.name;
  switch (d.project.titleNames) {
    case core::TitleNames::Program: return program;
    case core::TitleNames::Airfoil: return program + airfoil;
    case core::TitleNames::Project: return program + " " + Text("MainTolbar", "26") + " : " + d.project.title + airfoil;
    case core::TitleNames::Comparison:
      return program + "  " + Text("OutilCompare", "5") + " " + d.project.comparedFirst + " " +
             Text("OutilCompare", "6") + " " + d.project.comparedSecond;
    case core::TitleNames::Former: return program + "  " + d.airfoil.name;
  }
  return program;
}

}  // namespace commands
