#include "platform/settings/settings_store.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/file_contents.h"

namespace platform {

namespace {

constexpr std::size_t kMaxFileBytes = 1 << 20;  // a settings file is tiny; anything larger is not ours

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool ReadFile(const std::string& path, std::string& contents) {
  return ReadSmallFile(path, kMaxFileBytes, contents) == SmallFileRead::kRead;
}

bool MakeDirs(const std::string& dir) {
  for (std::size_t pos = 1; pos <= dir.size(); ++pos) {
    if (pos == dir.size() || dir[pos] == '/') {
      const std::string part = dir.substr(0, pos);
      if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

// A section or key name that the file can hold and give back unchanged: no control
// characters, none of the file's own marks, no blanks around it, not a comment.
bool IsStorableName(std::string_view s) {
  if (s.empty() || s != Trim(s) || s.front() == ';' || s.front() == '#') return false;
  for (char c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == '=' || c == '[' || c == ']') return false;
  return true;
}

bool SafeValue(std::string_view s) {
  for (char c : s)
    if (c == '\n' || c == '\r' || c == '\0') return false;
  return true;
}

}  // namespace

IniSections ParseIni(std::string_view text) {
  IniSections sections;
  std::string current;
  bool in_section = false;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    std::string_view line = Trim(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      in_section = close != std::string_view::npos && IsStorableName(Trim(line.substr(1, close - 1)));
      if (in_section) current = std::string(Trim(line.substr(1, close - 1)));
      continue;
    }
    const std::size_t eq = line.find('=');
    if (!in_section || eq == std::string_view::npos || eq == 0) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    if (!IsStorableName(key)) continue;
    sections[current][std::string(key)] = std::string(Trim(line.substr(eq + 1)));
  }
  return sections;
}

std::string FormatIni(const IniSections& sections) {
  std::ostringstream out;
  for (const auto& [section, keys] : sections) {
    out << '[' << section << "]\n";
    for (const auto& [key, value] : keys) out << key << '=' << value << '\n';
    out << '\n';
  }
  return out.str();
}

IniSettingsStore::IniSettingsStore(std::string config_dir)
    : config_dir_(std::move(config_dir)), writer_(WriteFileAtomically) {
  if (config_dir_.empty()) {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
      config_dir_ = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
      config_dir_ = std::string(home) + "/.config";
    } else {
      config_dir_ = ".config";
    }
  }
}

std::string IniSettingsStore::FilePath(std::string_view app) const {
  return config_dir_ + "/" + std::string(app) + "/settings.ini";
}

std::string IniSettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
  std::string contents;
  if (!ReadFile(FilePath(app), contents)) return std::string(fallback);
  const IniSections sections = ParseIni(contents);
  const auto s = sections.find(section);
  if (s == sections.end()) return std::string(fallback);
  const auto k = s->second.find(key);
  return k == s->second.end() ? std::string(fallback) : k->second;
}

bool IniSettingsStore::Set(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view value) {
  if (!IsStorableName(app) || app.find('/') != std::string_view::npos || app == "." || app == ".." ||
      !IsStorableName(section) || !IsStorableName(key) || !SafeValue(value))
    return false;
  const std::string path = FilePath(app);
  std::string contents;
  IniSections sections;
  if (ReadFile(path, contents)) sections = ParseIni(contents);
  sections[std::string(section)][std::string(key)] = std::string(Trim(value));
  if (!MakeDirs(config_dir_ + "/" + std::string(app))) return false;
  return writer_(path, FormatIni(sections));
}

std::string MemorySettingsStore::Get(std::string_view app, std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  const auto a = apps_.find(app);
  if (a == apps_.end()) return std::string(fallback);
  const auto s = a->second.find(section);
  if (s == a->second.end()) return std::string(fallback);
  const auto k = s->second.find(key);
  return k == s->second.end() ? std::string(fallback) : k->second;
}

bool MemorySettingsStore::Set(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view value) {
  apps_[std::string(app)][std::string(section)][std::string(key)] = std::string(value);
  return true;
}

}  // namespace platform
