// The range-value normalisation takes whatever the user typed, the version the
// transmitter reported and the pattern chosen.
#include <cstdint>
#include <string_view>

#include "config/value_normalisation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  // Three texts separated by NUL bytes: version, typed text, pattern.
  const std::size_t a = all.find('\0');
  const std::size_t b = a == std::string_view::npos ? a : all.find('\0', a + 1);
  const std::string_view version = all.substr(0, a);
  const std::string_view typed =
      a == std::string_view::npos ? std::string_view() : all.substr(a + 1, b - a - 1);
  const std::string_view pattern =
      b == std::string_view::npos ? std::string_view("000.0") : all.substr(b + 1);
  if (const auto text = config::NormalisedValueText(version, typed, pattern)) {
    // A rewritten value is a sign, digits and exactly one point.
    if (text->empty() || (text->front() != '+' && text->front() != '-')) __builtin_trap();
    if (text->find('.') == std::string::npos || text->find('.') != text->rfind('.')) __builtin_trap();
  }
  (void)config::ParseNumberPattern(pattern);
  return 0;
}
