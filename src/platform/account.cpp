#include "platform/account.h"

#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform {

std::string AccountUserName() {
#if defined(__unix__) || defined(__APPLE__)
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
  std::string fullName = found->pw_gecos ? found->pw_gecos : "";
  fullName = fullName.substr(0, fullName.find(','));  // room, telephone... follow the name
  if (!fullName.empty()) return fullName;
  return found->pw_name ? found->pw_name : "";
#else
  return {};
#endif
}

}  // namespace platform
