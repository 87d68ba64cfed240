#include "support/testsupport.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

std::string AirfoilPath(const std::string& name) { return std::string(VANDRELL_SOURCE_DIR) + "/airfoils/" + name; }
std::string DataPath(const std::string& name) { return std::string(VANDRELL_TEST_DATA) + "/" + name; }

TempDir::TempDir() : TempDir(std::filesystem::temp_directory_path()) {}

TempDir::TempDir(const std::filesystem::path& parent) {
  static std::atomic<int> counter{0};
  path_ = parent / ("vandrell-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary);
  out << contents;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> FileNamesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string MakeFifo(const std::string& path) {
  if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo " + path);
  return path;
}

std::string MakeSparseFile(const std::string& path, std::uintmax_t bytes) {
  WriteFile(path, "");
  std::filesystem::resize_file(path, bytes);
  return path;
}

}  // namespace testsupport
