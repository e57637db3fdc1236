#include "platform/text/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace platform {

namespace {

constexpr int kMostDecimals = 30;
// A sign, the 309 integer digits of the largest double, the point and the decimals.
constexpr std::size_t kLongestText = 1 + 309 + 1 + kMostDecimals;

}  // namespace

// std::to_chars is the one formatter of the C++ library that never looks at a locale.
std::string DecimalText(double value, int decimals) {
  if (!std::isfinite(value)) return {};
  char text[kLongestText];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                       std::clamp(decimals, 0, kMostDecimals));
  return ec == std::errc() ? std::string(text, end) : std::string();
}

std::string ShortestDecimalText(double value) {
  if (!std::isfinite(value)) return {};
  char text[64];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return ec == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace platform
