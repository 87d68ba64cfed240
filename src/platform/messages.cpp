#include "platform/messages.h"

#include <cstdio>

#include "platform/installed.h"

namespace platform {
namespace {
BoxAnswer DefaultAnswer(const BoxRequest& r) {
  switch (r.buttons) {
    case BoxButtons::Ok: return BoxAnswer::Ok;
    case BoxButtons::YesNo: return r.defaultButton == 2 ? BoxAnswer::No : BoxAnswer::Yes;
    case BoxButtons::RetryCancel: return r.defaultButton == 2 ? BoxAnswer::Cancel : BoxAnswer::Retry;
    case BoxButtons::OkCancel: return r.defaultButton == 2 ? BoxAnswer::Cancel : BoxAnswer::Ok;
    case BoxButtons::SaveDiscardCancel:
      return r.defaultButton == 3 ? BoxAnswer::Cancel : r.defaultButton == 2 ? BoxAnswer::Discard : BoxAnswer::Save;
    case BoxButtons::YesNoCancel:
      return r.defaultButton == 3 ? BoxAnswer::Cancel : r.defaultButton == 2 ? BoxAnswer::No : BoxAnswer::Yes;
  }
  return BoxAnswer::Ok;
}
}  // namespace

Messages& CurrentMessages() {
  static StderrMessages fallback;
  Messages* m = InstalledService<Messages>();
  return m ? *m : fallback;
}

void Inform(const std::string& text, const std::string& title, BoxIcon icon) {
  CurrentMessages().Show(BoxRequest{text, title, icon, BoxButtons::Ok, 1});
}

BoxAnswer AskYesNo(const std::string& text, const std::string& title, BoxIcon icon, bool noIsDefault) {
  return CurrentMessages().Show(BoxRequest{text, title, icon, BoxButtons::YesNo, noIsDefault ? 2 : 1});
}

BoxAnswer StderrMessages::Show(const BoxRequest& request) {
  std::fprintf(stderr, "%s\n", request.text.c_str());
  return DefaultAnswer(request);
}

BoxAnswer RecordingMessages::Show(const BoxRequest& request) {
  shown.push_back(request);
  if (answers.empty()) return DefaultAnswer(request);
  BoxAnswer a = answers.front();
  answers.erase(answers.begin());
  return a;
}

ScopedMessages::ScopedMessages(Messages* messages) : previous_(InstalledService<Messages>()) {
  InstalledService<Messages>() = messages;
}
ScopedMessages::~ScopedMessages() { InstalledService<Messages>() = previous_; }

}  // namespace platform
