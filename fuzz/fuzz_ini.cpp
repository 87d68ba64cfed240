// Settings and language files may have been edited by hand or made by other programs.
// Reading one must never fail, the settings read from it must stay within their limits,
// and a write must give back its value and leave every other key as it read before.
//
// Input: a selector byte, the value to write up to the first NUL, then the file.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "files/ini.h"
#include "files/settings.h"
#include "platform/messages.h"

namespace {

struct Probe {
  const char* section;
  const char* key;
};
// Short names the fuzzer finds easily, spelled in several cases.
constexpr Probe kProbes[] = {{"s", "a"}, {"s", "b"}, {"S", "A"}, {"t", "a"}, {"Couleurs", "coulprofil"},
                             {"s", "[a"}, {"s t", "a b"}, {"Repertoires", "Install"}};
constexpr std::size_t kProbeCount = sizeof(kProbes) / sizeof(kProbes[0]);

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::size_t Characters(const std::string& s) {
  std::size_t n = 0;
  for (char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// Entry-error boxes of malformed inch texts are expected here; nobody reads them.
class SilentMessages : public platform::Messages {
 public:
  platform::BoxAnswer Show(const platform::BoxRequest&) override { return platform::BoxAnswer::Ok; }
};

void CheckSettings(const std::string& file) {
  core::RibDocument s;
  s.settings.iniFile = file;
  files::LoadSettingsForBatch(s);
  for (std::int16_t c : s.style.colour)
    if (c < 0 || c > files::kColourIndexMax) std::abort();
  for (std::int16_t style : s.style.lineStyle)
    if (style < 0 || style > files::kLineStyleMax) std::abort();
  for (std::int16_t w : s.style.lineWidth)
    if (w < files::kLineWidthMin || w > files::kLineWidthMax) std::abort();
  if (s.print.paperIndex > 8 || !(s.rib.caption.fontSize > 0)) std::abort();
  if (s.settings.unitText != " mm" && s.settings.unitText != " in") std::abort();
}

const std::string& ScratchFile() {
  // tmpfs when there is one: every write is flushed to disk.
  static const std::string path = [] {
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                                             : std::filesystem::temp_directory_path();
    return (dir / ("fuzz_ini_" + std::to_string(::getpid()) + ".ini")).string();
  }();
  static const bool removedAtExit = std::atexit([] { std::remove(ScratchFile().c_str()); }) == 0;
  (void)removedAtExit;
  return path;
}

void Put(const std::string& path, const std::string& contents) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (!contents.empty()) std::fwrite(contents.data(), 1, contents.size(), f);
  std::fclose(f);
}

std::string Take(const std::string& path) {
  std::string out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) out.append(buf, n);
  std::fclose(f);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Probe& target = kProbes[data[0] % kProbeCount];
  const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t nul = rest.find('\0');
  const std::string value = nul == std::string::npos ? std::string() : rest.substr(0, nul);
  const std::string contents = nul == std::string::npos ? rest : rest.substr(nul + 1);

  static SilentMessages silent;
  static platform::ScopedMessages installed(&silent);
  const std::string& file = ScratchFile();
  Put(file, contents);
  CheckSettings(file);
  std::string before[kProbeCount];
  for (std::size_t i = 0; i < kProbeCount; ++i) {
    before[i] = files::GetINIFile(kProbes[i].section, kProbes[i].key, file);
    if (Characters(before[i]) > files::kIniValueMax) std::abort();
  }

  const bool ok = files::WriteINIFile(target.section, target.key, value, file);
  if (!ok) {
    if (Take(file) != contents) std::abort();  // a refused write leaves the file alone
    return 0;
  }
  if (value.find_first_of("\r\n") != std::string::npos) std::abort();  // line breaks are refused

  const std::string written = files::IsValidUtf8(value) ? value : files::Cp1252ToUtf8(value);
  if (files::FitsIniValue(written) && files::GetINIFile(target.section, target.key, file) != written) std::abort();
  for (std::size_t i = 0; i < kProbeCount; ++i) {
    if (SameName(kProbes[i].section, target.section) && SameName(kProbes[i].key, target.key)) continue;
    if (files::GetINIFile(kProbes[i].section, kProbes[i].key, file) != before[i]) std::abort();
  }
  return 0;
}
