#include "platform/errorreport.h"

#include "platform/messages.h"
#include "platform/texts.h"

namespace platform {

std::string GeneralErrorText(const ErrorInfo& error) {
  return Text("Erreur", "1") + " # " + std::to_string(error.number) + " " + Text("Erreur", "2") + " " +
         kProgramTitle + "\r" + error.description;
}

std::string ReportGeneralError(const std::string& tag, const ErrorInfo& error) {
  std::string text = GeneralErrorText(error);
  Inform(text, Text("Erreur", "1") + tag, BoxIcon::Information);
  return text;
}

}  // namespace platform
