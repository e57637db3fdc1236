#include "platform/text/numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// The exponent digits after "e" with their sign. Held below a bound so that a long run of
// digits cannot overflow; no finite double needs an exponent near it.
long long ExponentOf(std::string_view s) {
  constexpr long long kBound = 1'000'000'000;
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  long long exponent = 0;
  for (char c : s)
    if (exponent < kBound) exponent = exponent * 10 + (c - '0');
  return negative ? -exponent : exponent;
}

// A finite double has at most 309 digits before its point.
constexpr long long kMostWholeDigits = 309;

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

bool FitsSinglePrecision(double x) {
  return std::isfinite(x) && std::fabs(x) <= static_cast<double>(std::numeric_limits<float>::max());
}

RoundedDecimal RoundLeadingNumber(std::string_view text, int decimals) {
  RoundedDecimal rounded;
  rounded.fraction.assign(static_cast<std::size_t>(decimals), '0');
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const std::string_view number = text.substr(0, NumberPrefixLength(text, true));
  const double value = number.empty() ? 0.0 : ToDouble(number);
  if (value == 0.0) return rounded;
  rounded.negative = value < 0;

  // The digits, and how many of them stand before the point.
  std::string digits;
  long long point = 0;
  std::size_t i = number.front() == '+' || number.front() == '-' ? 1 : 0;
  for (; i < number.size() && IsDigit(number[i]); ++i, ++point) digits += number[i];
  if (i < number.size() && number[i] == '.')
    for (++i; i < number.size() && IsDigit(number[i]); ++i) digits += number[i];
  if (i < number.size()) point += ExponentOf(number.substr(i + 1));
  const std::size_t first = digits.find_first_not_of('0');  // there is one: the value is not 0
  digits.erase(0, first);
  point -= static_cast<long long>(first);
  if (point > kMostWholeDigits) return rounded;  // cannot happen for a finite double

  // Keep the digits down to the last decimal place; the next one decides the rounding.
  const long long kept = point + decimals;
  const auto size = static_cast<long long>(digits.size());
  std::string scaled = kept <= 0 ? "" : digits.substr(0, static_cast<std::size_t>(std::min(kept, size)));
  if (kept > size) scaled.append(static_cast<std::size_t>(kept - size), '0');
  if (kept >= 0 && kept < size && digits[static_cast<std::size_t>(kept)] >= '5') {
    std::size_t k = scaled.size();
    while (k > 0 && scaled[k - 1] == '9') scaled[--k] = '0';
    if (k == 0) {
      scaled.insert(0, 1, '1');
    } else {
      ++scaled[k - 1];
    }
  }
  const auto places = static_cast<std::size_t>(decimals);
  if (scaled.size() < places) scaled.insert(0, places - scaled.size(), '0');
  rounded.whole = scaled.substr(0, scaled.size() - places);
  rounded.whole.erase(0, std::min(rounded.whole.find_first_not_of('0'), rounded.whole.size()));
  rounded.fraction = scaled.substr(scaled.size() - places);
  return rounded;
}

std::string FormatOneDecimal(std::string_view text) {
  const RoundedDecimal r = RoundLeadingNumber(text, 1);
  const bool zero = r.whole.empty() && r.fraction == "0";
  std::string written = r.negative && !zero ? "-" : "";  // a reading that rounds to zero has no sign
  written += r.whole.empty() ? "0" : r.whole;
  written += '.';
  written += r.fraction;
  return written;
}

}  // namespace platform
