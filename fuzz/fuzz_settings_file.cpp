// The settings file may be truncated, binary or written by hand.
#include <cstdint>
#include <string_view>

#include "platform/settings/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const platform::IniSections sections = platform::ParseIni(text);
  // What was read survives a write and a second read unchanged.
  if (platform::ParseIni(platform::FormatIni(sections)) != sections) __builtin_trap();
  return 0;
}
