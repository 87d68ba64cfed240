#pragma once
// The platform's per-user settings store: the airfoil directories chosen at installation
// or in the defaults dialog, and the user's name for the about box. It lives apart from
// the INI file so that a fresh INI still finds the user's directories.
#include <map>
#include <string>
#include <string_view>

namespace platform {

// Application name of the store and the keys of its one section.
inline constexpr const char* kUserStoreApp = "iVandrell";
inline constexpr const char* kUserStoreInstall = "Install";
inline constexpr const char* kUserAirfoilDir = "RepAirfoil";
inline constexpr const char* kUserSeriesDir = "RepEvol";
inline constexpr const char* kUserName = "Name";
inline constexpr const char* kUserOrganisation = "Organisation";
// Printing: whether each sheet carries the scale bar and its label ("0" off, else on).
inline constexpr const char* kUserStorePrint = "Print";
inline constexpr const char* kUserSheetExtras = "SheetExtras";

class UserStore {
 public:
  virtual ~UserStore() = default;
  // "" when the key is not set.
  virtual std::string Get(std::string_view section, std::string_view key) = 0;
  virtual void Set(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Kept in memory only (tests, and programs that must leave the user's store alone).
class MemoryUserStore : public UserStore {
 public:
  std::string Get(std::string_view section, std::string_view key) override;
  void Set(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::map<std::string, std::string> values_;  // "section/key" -> value
};

// The program's store; until one is installed, an empty in-memory store.
UserStore& CurrentUserStore();

// Installs a store for the lifetime of the object.
class ScopedUserStore {
 public:
  explicit ScopedUserStore(UserStore* store);
  ~ScopedUserStore();
  ScopedUserStore(const ScopedUserStore&) = delete;
  ScopedUserStore& operator=(const ScopedUserStore&) = delete;

 private:
  UserStore* previous_;
};

}  // namespace platform
