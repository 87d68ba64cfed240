#include "commands/windowtitle.h"

#include "platform/texts.h"

namespace commands {

using platform::Text;

std::string WindowTitle(TitleForm form, const core::RibDocument& d) {
  const std::string program = platform::kProgramTitle;
  const std::string airfoil = " " + Text("MainTolbar", "11") + " : " + d.airfoil.name;
  switch (form) {
    case TitleForm::Program: return program;
    case TitleForm::Airfoil: return program + airfoil;
    case TitleForm::Project: return program + " " + Text("MainTolbar", "26") + " : " + d.project.title + airfoil;
  }
  return program;
}

TitleForm CurrentTitleForm(const core::RibDocument& d) {
  for (TitleForm form : {TitleForm::Project, TitleForm::Airfoil})
    if (d.project.windowTitle == WindowTitle(form, d)) return form;
  return TitleForm::Program;
}

}  // namespace commands
