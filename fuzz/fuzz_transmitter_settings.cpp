// The settings file a person edited: accepted whole and given back unchanged by the
// writer, or refused with a reason.
#include <cstdint>
#include <string_view>

#include "config/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const config::SettingsFileRead read = config::ReadSettingsFile(text);
  if (!read.settings) {
    if (read.error.empty()) __builtin_trap();
    return 0;
  }
  const config::SettingsFileRead again =
      config::ReadSettingsFile(config::WriteSettingsFile(*read.settings, text));
  if (!again.settings || !(*again.settings == *read.settings)) __builtin_trap();
  return 0;
}
