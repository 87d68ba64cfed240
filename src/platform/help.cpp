#include "platform/help.h"

#include "platform/installed.h"

namespace platform {
namespace {

class NoHelp : public Help {
 public:
  void ShowTopic(int) override {}
};

}  // namespace

std::string HelpTopicAnchor(int topic) { return "topic-" + std::to_string(topic); }

Help& CurrentHelp() {
  static NoHelp none;
  Help* h = InstalledService<Help>();
  return h ? *h : none;
}

void ShowHelpTopic(int topic) { CurrentHelp().ShowTopic(topic); }

ScopedHelp::ScopedHelp(Help* help) : previous_(InstalledService<Help>()) { InstalledService<Help>() = help; }
ScopedHelp::~ScopedHelp() { InstalledService<Help>() = previous_; }

}  // namespace platform
