#pragma once
// Helpers shared by the tests: paths of the test material, scratch folders, files.
#include <filesystem>
#include <string>

namespace testsupport {

std::string AirfoilPath(const std::string& name);   // a file of the starter airfoil set
std::string DataPath(const std::string& name);      // a file under tests/data

// A fresh empty folder, removed with the object.
class TempDir {
 public:
  TempDir();
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

}  // namespace testsupport
