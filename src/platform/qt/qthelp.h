#pragma once
#include <QUrl>
#include <string>
#include <utility>

#include "platform/help.h"

namespace platform {

// file:///.../vandrellE.html#topic-N
QUrl HelpTopicUrl(const std::string& helpFile, int topic);

// Opens the help file at a topic in the user's browser.
class QtHelp : public Help {
 public:
  explicit QtHelp(std::string helpFile) : helpFile_(std::move(helpFile)) {}
  void ShowTopic(int topic) override;

 private:
  std::string helpFile_;
};

}  // namespace platform
