// Any line a script can hold.
#include <cstdint>
#include <string_view>

#include "platform/ui/headless/command_line_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const ui::headless::ReadResult r = ui::headless::ReadCommandLine(line);
  if (r.kind == ui::headless::ReadResult::Kind::kError && r.error.empty()) __builtin_trap();
  return 0;
}
