#include "platform/help.h"

#include <filesystem>

namespace platform {
namespace {

class NoHelp : public Help {
 public:
  void ShowTopic(int) override {}
};

Help*& Installed() {
  static Help* installed = nullptr;
  return installed;
}

}  // namespace

std::string HelpFilePath(const std::string& programDir) {
  return (std::filesystem::path(programDir) / kHelpFileName).string();
}

std::string HelpTopicAnchor(int topic) { return "topic-" + std::to_string(topic); }

Help& CurrentHelp() {
  static NoHelp none;
  Help* h = Installed();
  return h ? *h : none;
}

void SetHelp(Help* help) { Installed() = help; }

void ShowHelpTopic(int topic) { CurrentHelp().ShowTopic(topic); }

ScopedHelp::ScopedHelp(Help* help) : previous_(Installed()) { Installed() = help; }
ScopedHelp::~ScopedHelp() { Installed() = previous_; }

}  // namespace platform
