#include "files/ini.h"

#include "core/plaintext.h"
#include "platform/fileio.h"
#include "platform/filestamp.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace files {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Windows-1252 characters 0x80..0x9F. The code page leaves five of them undefined; those
// map to the C1 control of the same number so that no byte is lost on a round trip.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the well-formed UTF-8 sequence starting at text[i], 0 when it is malformed.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) return 1;
  std::size_t len = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    if (c == 0xE0) lo = 0xA0;        // overlong
    else if (c == 0xED) hi = 0x9F;   // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    if (c == 0xF0) lo = 0x90;        // overlong
    else if (c == 0xF4) hi = 0x8F;   // beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() - i < len) return 0;
  const unsigned char c1 = static_cast<unsigned char>(text[i + 1]);
  if (c1 < lo || c1 > hi) return 0;
  for (std::size_t k = 2; k < len; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  return len;
}

// The character at text[i] and its length; a malformed sequence gives "?" over one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t i, std::size_t& len) {
  len = Utf8SequenceLength(text, i);
  const unsigned char c = static_cast<unsigned char>(text[i]);
  if (len == 0) {
    len = 1;
    return U'?';
  }
  if (len == 1) return c;
  char32_t cp = c & (len == 2 ? 0x1Fu : len == 3 ? 0x0Fu : 0x07u);
  for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
  return cp;
}

// The Windows-1252 byte of a character, or false when the code page has none.
bool Cp1252Byte(char32_t cp, char& byte) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    byte = static_cast<char>(cp);
    return true;
  }
  for (int k = 0; k < 32; ++k) {
    if (kCp1252High[k] == cp) {
      byte = static_cast<char>(0x80 + k);
      return true;
    }
  }
  return false;
}

// UTF-8 to Windows-1252 when every character has a byte there.
bool EncodeCp1252(std::string_view utf8, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t len = 0;
    const char32_t cp = DecodeUtf8(utf8, i, len);
    char byte = 0;
    if (!Cp1252Byte(cp, byte)) return false;
    out += byte;
    i += len;
  }
  return true;
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string_view Trim(std::string_view s) { return core::Trimmed(s, core::kBlanks); }

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// "[name]" -> name; false for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
  std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

// "key=value" -> key, value (both trimmed); false for lines without "=".
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return true;
}

std::size_t CharacterCount(std::string_view s) {
  std::size_t chars = 0;
  for (char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
  return chars;
}

bool ReadRaw(const std::string& path, std::string& raw) {
  platform::ReadOutcome file = platform::ReadWholeFile(path);
  if (!file.ok()) return false;
  raw = std::move(file.bytes);
  return true;
}

// A file's text as UTF-8, with what is needed to write it back the same way.
struct DecodedText {
  std::string text;
  bool bom = false;
  bool cp1252 = false;
};

DecodedText Decode(std::string raw) {
  DecodedText d;
  if (raw.size() >= kBom.size() && raw.compare(0, kBom.size(), kBom) == 0) {
    d.bom = true;
    raw.erase(0, kBom.size());
  }
  d.cp1252 = !IsValidUtf8(raw);
  d.text = d.cp1252 ? Cp1252ToUtf8(raw) : std::move(raw);
  return d;
}

// Back to bytes. A Windows-1252 file stays so while it can hold every character and
// cannot be mistaken for UTF-8 at the next read; otherwise it becomes UTF-8, which reads
// back to the same text.
std::string Encode(const DecodedText& d) {
  std::string body = d.text;
  if (d.cp1252) {
    std::string cp;
    if (EncodeCp1252(d.text, cp) && (IsAscii(cp) || !IsValidUtf8(cp))) body = std::move(cp);
  }
  return d.bom ? std::string(kBom) + body : body;
}

bool ValidSectionName(std::string_view name) {
  return !Trim(name).empty() && !HasLineBreak(name) && name.find(']') == std::string_view::npos;
}

bool ValidKeyName(std::string_view name) {
  std::string_view t = Trim(name);
  return !t.empty() && t.front() != '[' && !HasLineBreak(name) && name.find('=') == std::string_view::npos;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {  // most of a file
      ++i;
      continue;
    }
    const std::size_t len = Utf8SequenceLength(text, i);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) out += ch;
    else if (c < 0xA0) AppendUtf8(out, kCp1252High[c - 0x80]);
    else AppendUtf8(out, c);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = 0;
    const char32_t cp = DecodeUtf8(text, i, len);
    char byte = '?';
    Cp1252Byte(cp, byte);
    out += byte;
    i += len;
  }
  return out;
}

bool FitsIniValue(std::string_view value) {
  return !HasLineBreak(value) && Trim(value).size() == value.size() && IsValidUtf8(value) &&
         CharacterCount(value) <= kIniValueMax;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
  return platform::WriteFileAtomically(path, contents).ok();
}

namespace {

// Every caption, message and setting is looked up by section and key, hundreds of them at
// start-up: each file is parsed once and kept, keyed by its path, for as long as its stamp
// says it has not changed.
struct KeptEntry {
  std::string_view key, value;  // into the kept text; the value cut to its length
};

struct KeptSection {
  std::string_view name;
  std::vector<KeptEntry> entries;  // by key, ignoring ASCII case; of equal keys the file's first first
};

struct KeptFile {
  platform::FileStamp stamp;
  // Read within a tick of the file's last change: a change in the same tick could leave
  // the stamp as it was, so such a copy is read again at the next look-up.
  bool trusted = false;
  std::unique_ptr<const std::string> text;  // its own allocation: the views stay put when the copy moves
  std::vector<KeptSection> sections;  // a name given twice is one section
};

// More than the coarsest tick a file system stamps a change with.
constexpr std::int64_t kStampTickNs = 50'000'000;

std::mutex& KeptFilesMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<std::string, KeptFile>& KeptFiles() {
  static std::map<std::string, KeptFile> files;
  return files;
}

// <0, 0, >0 as `a` sorts before, with or after `b`, ignoring ASCII case.
int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(core::AsciiLower(a[i]));
    const auto y = static_cast<unsigned char>(core::AsciiLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool KeyBefore(const KeptEntry& a, const KeptEntry& b) { return CompareIgnoringCase(a.key, b.key) < 0; }

// At most `max` characters of a UTF-8 text.
std::string_view CutView(std::string_view s, std::size_t max) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (chars == max) return s.substr(0, i);
      ++chars;
    }
  }
  return s;
}

// The index of the section called `name`, ignoring ASCII case; the count when there is none.
std::size_t FindSection(const std::vector<KeptSection>& sections, std::string_view name) {
  std::size_t i = 0;
  while (i < sections.size() && !core::EqualsIgnoringCase(sections[i].name, name)) ++i;
  return i;
}

// Every key of every section, as a look-up through the lines would find the first of each.
KeptFile Parse(std::string text) {
  KeptFile kept;
  kept.text = std::make_unique<const std::string>(std::move(text));
  std::optional<std::size_t> current;  // the section the lines are in
  for (std::string_view line : SplitLines(*kept.text)) {
    std::string_view name;
    if (SectionName(line, name)) {
      current = FindSection(kept.sections, name);
      if (*current == kept.sections.size()) kept.sections.push_back({name, {}});
      continue;
    }
    std::string_view k, v;
    if (current && KeyValue(line, k, v)) kept.sections[*current].entries.push_back({k, CutView(v, kIniValueMax)});
  }
  for (KeptSection& section : kept.sections) std::stable_sort(section.entries.begin(), section.entries.end(), KeyBefore);
  return kept;
}

// The kept copy of `file`, read again when it changed; nullptr when it cannot be read.
const KeptFile* KeptCopy(const std::string& file) {
  auto& kept = KeptFiles();
  const std::optional<platform::FileStamp> before = platform::StampOfFile(file);
  if (!before) {
    kept.erase(file);
    return nullptr;
  }
  auto it = kept.find(file);
  if (it != kept.end() && it->second.trusted && it->second.stamp == *before) return &it->second;
  const std::int64_t readAt = platform::FileClockNowNs();
  std::string raw;
  if (!ReadRaw(file, raw)) {
    kept.erase(file);
    return nullptr;
  }
  KeptFile fresh = Parse(Decode(std::move(raw)).text);
  const std::optional<platform::FileStamp> after = platform::StampOfFile(file);
  fresh.stamp = after.value_or(*before);
  fresh.trusted = after == before && before->modifiedNs + kStampTickNs < readAt &&
                  before->changedNs + kStampTickNs < readAt;
  return &kept.insert_or_assign(file, std::move(fresh)).first->second;
}

// After the program's own write: what it wrote is what the file holds.
void KeepWritten(const std::string& file, std::string_view text) {
  auto& kept = KeptFiles();
  const std::optional<platform::FileStamp> stamp = platform::StampOfFile(file);
  if (!stamp) {
    kept.erase(file);
    return;
  }
  KeptFile fresh = Parse(std::string(text));
  fresh.stamp = *stamp;
  fresh.trusted = true;
  kept.insert_or_assign(file, std::move(fresh));
}

std::string GetINIFileOnce(std::string_view section, std::string_view key, const std::string& file) {
  std::lock_guard<std::mutex> lock(KeptFilesMutex());
  const KeptFile* kept = KeptCopy(file);
  if (!kept) return std::string();
  const std::size_t at = FindSection(kept->sections, section);
  if (at == kept->sections.size()) return std::string();
  const std::vector<KeptEntry>& entries = kept->sections[at].entries;
  const KeptEntry wanted{key, {}};
  const auto found = std::lower_bound(entries.begin(), entries.end(), wanted, KeyBefore);
  if (found == entries.end() || KeyBefore(wanted, *found)) return std::string();
  return std::string(found->value);
}

}  // namespace

bool WriteINIFile(std::string_view section, std::string_view key, std::string_view value, const std::string& file) {
  return WriteINIEntries(section, IniEntries{{std::string(key), std::string(value)}}, file);
}

static bool WriteINIEntriesOnce(std::string_view section, const IniEntries& entries, const std::string& file) {
  if (!ValidSectionName(section)) return false;
  for (const auto& [key, value] : entries)
    if (!ValidKeyName(key) || HasLineBreak(value)) return false;

  // A file that exists but cannot be read would lose its other lines, and what is not a
  // file (a folder, a pipe) is not replaced.
  platform::ReadOutcome old = platform::ReadWholeFile(file);
  if (!old.ok() && old.problem != platform::FileProblem::NotFound) return false;
  const std::string oldBytes = old.bytes;
  DecodedText decoded = Decode(std::move(old.bytes));
  const std::string& text = decoded.text;
  const bool lfOnly = text.find('\n') != std::string::npos && text.find("\r\n") == std::string::npos;
  const std::string eol = lfOnly ? "\n" : "\r\n";

  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text)) lines.emplace_back(line);

  const std::string_view wanted = Trim(section);
  std::size_t header = lines.size();
  for (std::size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
    std::string_view name;
    if (SectionName(lines[i], name) && core::EqualsIgnoringCase(name, wanted)) header = i;
  }
  if (header == lines.size()) {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + std::string(wanted) + "]");
    header = lines.size() - 1;
  }

  for (const auto& [rawKey, rawValue] : entries) {
    const std::string_view key = Trim(rawKey);
    const std::string value = IsValidUtf8(rawValue) ? rawValue : Cp1252ToUtf8(rawValue);
    std::size_t lastContent = header;  // the section's last non-blank line
    bool replaced = false;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
      std::string_view name, k, v;
      if (SectionName(lines[i], name)) break;
      if (!Trim(lines[i]).empty()) lastContent = i;
      if (KeyValue(lines[i], k, v) && core::EqualsIgnoringCase(k, key)) {
        lines[i] = std::string(k) + "=" + value;
        replaced = true;
        break;
      }
    }
    if (!replaced)
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), std::string(key) + "=" + value);
  }

  decoded.text.clear();
  for (const std::string& line : lines) decoded.text += line + eol;
  const std::string bytes = Encode(decoded);
  // Start-up stores many values that are already there: a file that would come out the
  // same is not written again (each write waits for the disk).
  if (old.ok() && bytes == oldBytes) return true;
  std::lock_guard<std::mutex> lock(KeptFilesMutex());
  if (!WriteFileAtomically(file, bytes)) {
    KeptFiles().erase(file);
    return false;
  }
  KeepWritten(file, decoded.text);
  return true;
}

std::string GetINIFile(std::string_view section, std::string_view key, const std::string& file) {
  try {
    return GetINIFileOnce(section, key, file);
  } catch (...) {
    return std::string();  // as a missing file reads
  }
}

bool WriteINIEntries(std::string_view section, const IniEntries& entries, const std::string& file) {
  try {
    return WriteINIEntriesOnce(section, entries, file);
  } catch (...) {
    return false;
  }
}

}  // namespace files
