#include "platform/settings/settings_store.h"

#include <sstream>

#include "platform/file_contents.h"
#include "platform/os/file_system.h"
#include "platform/os/user_folders.h"
#include "platform/text/ini_line.h"

namespace platform {

namespace {

constexpr std::size_t kMaxFileBytes = 1 << 20;  // a settings file is tiny; anything larger is not ours

bool ReadFile(const std::string& path, std::string& contents) {
  return ReadSmallFile(path, kMaxFileBytes, contents) == SmallFileRead::kRead;
}

// A section or key name that the file can hold and give back unchanged: no control
// characters, none of the file's own marks, no blanks around it, not a comment.
bool IsStorableName(std::string_view s) {
  if (s.empty() || s != TrimBlanks(s) || s.front() == ';' || s.front() == '#') return false;
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
    const IniLine line = ReadIniLine(text.substr(0, eol));
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    switch (line.kind) {
      case IniLine::Kind::kSection:
        in_section = IsStorableName(line.name);
        if (in_section) current = std::string(line.name);
        break;
      case IniLine::Kind::kUnclosedSection:
        in_section = false;  // its keys belong to no section that can be named
        break;
      case IniLine::Kind::kKeyValue:
        if (in_section && IsStorableName(line.name)) sections[current][std::string(line.name)] = line.value;
        break;
      case IniLine::Kind::kNothing:
      case IniLine::Kind::kNoKeyValue:
        break;
    }
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
  if (config_dir_.empty()) config_dir_ = os::UserConfigFolder();
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
  sections[std::string(section)][std::string(key)] = std::string(TrimBlanks(value));
  if (!os::MakePrivateFolders(config_dir_ + "/" + std::string(app))) return false;
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
