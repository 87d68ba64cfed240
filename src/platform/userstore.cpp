#include "platform/userstore.h"

#include "platform/installed.h"

namespace platform {

namespace {
std::string Slot(std::string_view section, std::string_view key) {
  return std::string(section) + "/" + std::string(key);
}
}  // namespace

std::string MemoryUserStore::Get(std::string_view section, std::string_view key) {
  auto it = values_.find(Slot(section, key));
  return it == values_.end() ? std::string() : it->second;
}

void MemoryUserStore::Set(std::string_view section, std::string_view key, std::string_view value) {
  values_[Slot(section, key)] = std::string(value);
}

UserStore& CurrentUserStore() {
  static MemoryUserStore fallback;
  UserStore* store = InstalledService<UserStore>();
  return store ? *store : fallback;
}

ScopedUserStore::ScopedUserStore(UserStore* store) : previous_(InstalledService<UserStore>()) {
  InstalledService<UserStore>() = store;
}
ScopedUserStore::~ScopedUserStore() { InstalledService<UserStore>() = previous_; }

}  // namespace platform
