#pragma once
// The per-user settings store: values keyed by application, section and key.
// IniSettingsStore keeps one INI file per application under $XDG_CONFIG_HOME
// (default ~/.config): <config>/<application>/settings.ini. A missing, unreadable or
// malformed file reads as empty; a write replaces the file atomically (temporary file,
// then rename), keeps every other key, and leaves the old file whole when it fails.

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Get(std::string_view app, std::string_view section, std::string_view key,
                          std::string_view fallback = "") const = 0;
  // Returns false when the value could not be stored; the store is then as it was.
  virtual bool Set(std::string_view app, std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Sections and their keys, in file order.
using IniKeys = std::map<std::string, std::string, std::less<>>;
using IniSections = std::map<std::string, IniKeys, std::less<>>;

// Parses INI text; never fails: lines that make no sense are skipped.
IniSections ParseIni(std::string_view text);
std::string FormatIni(const IniSections& sections);

class IniSettingsStore final : public SettingsStore {
 public:
  // `config_dir` empty: $XDG_CONFIG_HOME, else $HOME/.config.
  explicit IniSettingsStore(std::string config_dir = "");

  std::string Get(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view fallback = "") const override;
  bool Set(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;

  std::string FilePath(std::string_view app) const;

  // Writes `contents` to `path`; replaceable so tests can make a write fail like a full disk.
  using FileWriter = std::function<bool(const std::string& path, const std::string& contents)>;
  void set_file_writer(FileWriter writer) { writer_ = std::move(writer); }

 private:
  std::string config_dir_;
  FileWriter writer_;
};

// Keeps everything in memory: for tests and for runs that must not touch the user's files.
class MemorySettingsStore final : public SettingsStore {
 public:
  std::string Get(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view fallback = "") const override;
  bool Set(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::map<std::string, IniSections, std::less<>> apps_;
};

}  // namespace platform
