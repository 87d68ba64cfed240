#pragma once
// Helpers shared by the tests: paths of the test material, scratch folders, files, the environment.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

std::string AirfoilPath(const std::string& name);   // a file of the starter airfoil set
std::string DataPath(const std::string& name);      // a file under tests/data

// A fresh empty folder, removed with the object: in the system's temporary folder, or in
// `parent`.
class TempDir {
 public:
  TempDir();
  explicit TempDir(const std::filesystem::path& parent);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void WriteFile(const std::string& path, const std::string& contents);
std::string ReadFile(const std::string& path);
// The names of the entries of `folder`, sorted.
std::vector<std::string> FileNamesIn(const std::filesystem::path& folder);

// What a careless or unlucky user hands the program instead of a file: a named pipe no
// one writes to, and a sparse file of `bytes` that takes no room on the disk.
std::string MakeFifo(const std::string& path);
std::string MakeSparseFile(const std::string& path, std::uintmax_t bytes);
inline constexpr std::uintmax_t kSeveralGigabytes = std::uintmax_t{5} << 30;

// Sets an environment variable (unsets it for nullptr) for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Seconds `run` takes: a refusal must come at once, not after reading gigabytes.
template <class Run>
double SecondsTaken(Run&& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace testsupport
