#pragma once
#include <memory>

#include "platform/userstore.h"

class QSettings;

namespace platform {

// The per-user store as QSettings (the registry on Windows, a .conf file under the
// user's configuration folder elsewhere).
class QtUserStore : public UserStore {
 public:
  QtUserStore();
  // A store kept in the given INI-format file (tests).
  explicit QtUserStore(const std::string& file);
  ~QtUserStore() override;
  std::string Get(std::string_view section, std::string_view key) override;
  void Set(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace platform
