#include "platform/text/numeric_value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace platform {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the longest prefix of `s` that reads as a number: sign, digits, one point,
// and an exponent only when digits follow it. Zero when there is no digit at all.
std::size_t NumberPrefixLength(std::string_view s, bool allow_exponent) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false;
  while (i < s.size() && IsDigit(s[i])) ++i, digits = true;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, digits = true;
  }
  if (!digits) return 0;
  if (allow_exponent && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

// from_chars, not strtod: the programs' texts always use a decimal point, whatever the
// locale the window system sets.
double ToDouble(std::string_view number) {
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double v = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
  (void)end;
  return ec == std::errc() && std::isfinite(v) ? v : 0.0;
}

}  // namespace

double NumericValue(std::string_view text) { return LeadingNumber(text).value_or(0.0); }

std::optional<double> LeadingNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const std::size_t n = NumberPrefixLength(text, true);
  if (n == 0) return std::nullopt;
  return ToDouble(text.substr(0, n));
}

std::optional<int> NumericIndex(std::string_view text) {
  const double rounded = std::nearbyint(NumericValue(text));
  if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<double> ParseNumberText(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const std::size_t n = NumberPrefixLength(text, false);
  if (n == 0 || n != text.size()) return std::nullopt;
  return ToDouble(text);
}

std::string FormatOneDecimal(double value) {
  if (!std::isfinite(value)) value = 0.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  std::string text = buffer;
  if (text == "-0.0") text = "0.0";  // a reading that rounds to zero has no sign
  return text;
}

}  // namespace platform
