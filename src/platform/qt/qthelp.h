#pragma once
#include <QUrl>
#include <functional>
#include <string>
#include <utility>

#include "platform/help.h"

namespace platform {

// file:///.../help.html#topic-N
QUrl HelpTopicUrl(const std::string& helpFile, int topic);

// Opens the help file at a topic in the user's browser. The file is asked for at each topic,
// so that a change of language takes the help along with it.
class QtHelp : public Help {
 public:
  explicit QtHelp(std::function<std::string()> helpFile) : helpFile_(std::move(helpFile)) {}
  void ShowTopic(int topic) override;

 private:
  std::function<std::string()> helpFile_;
};

}  // namespace platform
