#include "files/ini.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace files {

namespace {

// Windows-1252 characters 0x80..0x9F; 0 where the code page has none.
const char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

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

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::string_view Trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
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

// Cuts a UTF-8 text to at most `max` characters.
std::string CutCharacters(std::string_view s, std::size_t max) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (chars == max) return std::string(s.substr(0, i));
      ++chars;
    }
  }
  return std::string(s);
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || (extra == 1 && c < 0xC2)) return false;
    if (i + static_cast<std::size_t>(extra) >= text.size()) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) out += ch;
    else if (c < 0xA0) AppendUtf8(out, kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : u'?');
    else AppendUtf8(out, c);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    char32_t cp = c;
    std::size_t len = 1;
    if (c >= 0xF0 && i + 3 < text.size()) { cp = ((c & 0x07u) << 18) | ((text[i + 1] & 0x3Fu) << 12) | ((text[i + 2] & 0x3Fu) << 6) | (text[i + 3] & 0x3Fu); len = 4; }
    else if (c >= 0xE0 && i + 2 < text.size()) { cp = ((c & 0x0Fu) << 12) | ((text[i + 1] & 0x3Fu) << 6) | (text[i + 2] & 0x3Fu); len = 3; }
    else if (c >= 0xC0 && i + 1 < text.size()) { cp = ((c & 0x1Fu) << 6) | (text[i + 1] & 0x3Fu); len = 2; }
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k)
      if (kCp1252High[k] == cp) mapped = static_cast<char>(0x80 + k);
    out += mapped;
  }
  return out;
}

std::string ReadTextFileUtf8(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string();
  std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (raw.size() >= 3 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
  return IsValidUtf8(raw) ? raw : Cp1252ToUtf8(raw);
}

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
  namespace fs = std::filesystem;
  const std::string temp = path + ".tmp~";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ec;
      fs::remove(temp, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

std::string GetINIFile(std::string_view section, std::string_view key, const std::string& file) {
  const std::vector<std::string> lines = SplitLines(ReadTextFileUtf8(file));
  bool inSection = false;
  for (const std::string& line : lines) {
    std::string_view name;
    if (SectionName(line, name)) {
      inSection = SameName(name, section);
      continue;
    }
    if (!inSection) continue;
    std::string_view k, v;
    if (KeyValue(line, k, v) && SameName(k, key)) return CutCharacters(v, kIniValueMax);
  }
  return std::string();
}

bool WriteINIFile(std::string_view section, std::string_view key, std::string_view value, const std::string& file) {
  std::string raw;
  {
    std::ifstream in(file, std::ios::binary);
    if (in) raw.assign((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  const bool wasUtf8 = IsValidUtf8(raw);
  const std::string text = wasUtf8 ? raw : Cp1252ToUtf8(raw);
  const std::string eol = (text.find("\r\n") != std::string::npos || text.empty()) ? "\r\n" : "\n";
  std::vector<std::string> lines = SplitLines(text);

  const std::string entry = std::string(key) + "=" + std::string(value);
  int sectionLine = -1;
  int lastInSection = -1;
  bool done = false;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size() && !done; ++i) {
    std::string_view name;
    if (SectionName(lines[i], name)) {
      if (inSection) break;  // the section ended without the key
      inSection = SameName(name, section);
      if (inSection) sectionLine = lastInSection = static_cast<int>(i);
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines[i]).empty()) lastInSection = static_cast<int>(i);
    std::string_view k, v;
    if (KeyValue(lines[i], k, v) && SameName(k, key)) {
      lines[i] = std::string(k) + "=" + std::string(value);
      done = true;
    }
  }
  if (!done) {
    if (sectionLine < 0) {
      if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
      lines.push_back("[" + std::string(section) + "]");
      lines.push_back(entry);
    } else {
      lines.insert(lines.begin() + lastInSection + 1, entry);
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line + eol;
  return WriteFileAtomically(file, wasUtf8 ? out : Utf8ToCp1252(out));
}

}  // namespace files
