#include "core/changes.h"

#include <algorithm>

namespace core {

ChangeChannel::ChangeChannel() : listeners_(std::make_shared<std::vector<std::pair<int, Listener>>>()) {}

ChangeChannel::Subscription ChangeChannel::Listen(Listener listener) {
  Subscription s;
  s.id_ = nextId_++;
  s.listeners_ = listeners_;
  listeners_->emplace_back(s.id_, std::move(listener));
  return s;
}

void ChangeChannel::Subscription::Reset() {
  if (auto list = listeners_.lock()) {
    list->erase(std::remove_if(list->begin(), list->end(), [this](const auto& l) { return l.first == id_; }),
                list->end());
  }
  listeners_.reset();
}

void ChangeChannel::Announce(Changes what) const {
  if (!what.Any()) return;
  // A copy of the ids: a listener may close a window, and so disconnect, while it runs.
  std::vector<int> ids;
  for (const auto& l : *listeners_) ids.push_back(l.first);
  for (int id : ids) {
    auto it = std::find_if(listeners_->begin(), listeners_->end(), [id](const auto& l) { return l.first == id; });
    if (it == listeners_->end()) continue;
    Listener call = it->second;  // the entry may go away while it runs
    call(what);
  }
}

}  // namespace core
