#pragma once
// Message and question boxes. Everything outside the windows asks through this
// interface, so every rule that shows a message can be tested without a screen.
#include <memory>
#include <string>
#include <vector>

namespace platform {

enum class BoxIcon { None, Information, Exclamation, Warning, Critical, Question };
enum class BoxButtons { Ok, YesNo, RetryCancel, OkCancel, SaveDiscardCancel, YesNoCancel };
// Answers keep the codes of the shared state's `messageAnswer`.
enum class BoxAnswer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7, Save = 8, Discard = 9 };

struct BoxRequest {
  std::string text;
  std::string title;
  BoxIcon icon = BoxIcon::Information;
  BoxButtons buttons = BoxButtons::Ok;
  int defaultButton = 1;  // 1 first button, 2 second, 3 third
  std::vector<std::string> labels = {};  // the buttons' own words, in order (none: the usual ones)
};

class Messages {
 public:
  virtual ~Messages() = default;
  virtual BoxAnswer Show(const BoxRequest& request) = 0;
};

// The program's current message sink (the windows install a Qt one).
Messages& CurrentMessages();

// Convenience wrappers.
void Inform(const std::string& text, const std::string& title, BoxIcon icon = BoxIcon::Information);
BoxAnswer AskYesNo(const std::string& text, const std::string& title, BoxIcon icon, bool noIsDefault);

// Writes every box to standard error and answers with the default button.
class StderrMessages : public Messages {
 public:
  BoxAnswer Show(const BoxRequest& request) override;
};

// Records every box and answers from a queue (tests).
class RecordingMessages : public Messages {
 public:
  BoxAnswer Show(const BoxRequest& request) override;
  std::vector<BoxRequest> shown;
  std::vector<BoxAnswer> answers;  // consumed front first; empty: the default button
};

// Installs a message sink for the lifetime of the object.
class ScopedMessages {
 public:
  explicit ScopedMessages(Messages* messages);
  ~ScopedMessages();
  ScopedMessages(const ScopedMessages&) = delete;
  ScopedMessages& operator=(const ScopedMessages&) = delete;

 private:
  Messages* previous_;
};

}  // namespace platform
