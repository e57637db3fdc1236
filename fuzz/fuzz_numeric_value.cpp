// Numbers read from replies and typed boxes.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/numeric_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!std::isfinite(platform::NumericValue(text))) __builtin_trap();
  (void)platform::NumericIndex(text);
  if (const auto whole = platform::ParseNumberText(text)) {
    if (!std::isfinite(*whole)) __builtin_trap();
  }
  // Whatever the text, the temperature shows digits, a point and exactly one decimal.
  const std::string shown = platform::FormatOneDecimal(text);
  if (shown.size() < 3 || shown[shown.size() - 2] != '.') __builtin_trap();
  return 0;
}
