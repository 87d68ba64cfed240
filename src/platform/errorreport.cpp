#include "platform/errorreport.h"

#include <exception>
#include <ios>
#include <new>

#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace platform {

std::string GeneralErrorText(const ErrorInfo& error) {
  std::string text = Text(keys::ErrorWord);
  text.append(" # ").append(std::to_string(error.number)).append(" ");
  // A line feed, not a bare carriage return: on a terminal that would overwrite the first line.
  text.append(Text(keys::ErrorBeforeProgram)).append(" ").append(kProgramTitle).append("\n");
  text.append(error.description);
  return text;
}

ErrorInfo CurrentExceptionError() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return {kErrOutOfMemory, "Out of memory"};
  } catch (const std::ios_base::failure& e) {
    return {kErrDeviceIo, e.what()};
  } catch (const std::exception& e) {
    return {kErrInternal, e.what()};
  } catch (...) {
    return {kErrInternal, "Internal error"};
  }
}

bool AskReplaceReadOnly(const std::string& path, const std::string& title) {
  BoxRequest box;
  box.text = Text(keys::ReplaceReadOnlyFile) + "\n" + path;
  box.title = title;
  box.icon = BoxIcon::Question;
  box.buttons = BoxButtons::YesNo;
  box.defaultButton = 2;
  return CurrentMessages().Show(box) == BoxAnswer::Yes;
}

std::string ReportGeneralError(const std::string& tag, const ErrorInfo& error) {
  std::string text = GeneralErrorText(error);
  std::string title = Text(keys::ErrorWord);
  title.append(tag);
  Inform(text, title, BoxIcon::Information);
  return text;
}

}  // namespace platform
