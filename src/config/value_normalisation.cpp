#include "config/value_normalisation.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/text/numeric_value.h"

namespace config {

namespace {

// The first version whose transmitters take a typed value as it stands.
constexpr double kFreeFormVersion = 2.0;

// From 2^24 on every single-precision number is a whole number, so it has no decimals
// to round; below it, |x| * 10^decimals is exact in a double (24 + 20 bits at most), so
// the rounding sees the number exactly as typed into single precision.
constexpr float kWholeNumbersFrom = 16777216.0f;

// Cmb_DP's patterns have at most four decimals; anything beyond six is no pattern of ours.
constexpr std::size_t kMostDecimals = 6;

// The typed text as a single-precision number: a plain decimal number as a whole, and
// within single precision.
std::optional<float> TypedNumber(std::string_view typed) {
  if (!platform::ParseNumberText(typed)) return std::nullopt;
  while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t')) typed.remove_prefix(1);
  if (!typed.empty() && typed.front() == '+') typed.remove_prefix(1);  // from_chars takes no "+"
  float x = 0;
  const auto [end, ec] = std::from_chars(typed.data(), typed.data() + typed.size(), x);
  if (ec != std::errc() || !std::isfinite(x)) return std::nullopt;
  return x;
}

std::string Padded(std::string digits, int width) {
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}

}  // namespace

std::optional<NumberPattern> ParseNumberPattern(std::string_view pattern) {
  const std::size_t point = pattern.find('.');
  if (point == std::string_view::npos || pattern.find_first_not_of("0.") != std::string_view::npos)
    return std::nullopt;
  if (pattern.find('.', point + 1) != std::string_view::npos) return std::nullopt;  // a second point
  const std::size_t decimals = pattern.size() - point - 1;
  if (decimals > kMostDecimals) return std::nullopt;
  return NumberPattern{static_cast<int>(point), static_cast<int>(decimals)};
}

std::string WriteWithPattern(float x, const NumberPattern& pattern) {
  const double magnitude = std::fabs(static_cast<double>(x));
  std::string whole;
  std::string fraction(static_cast<std::size_t>(pattern.decimals), '0');
  if (magnitude >= kWholeNumbersFrom) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
    whole = buffer;
  } else {
    const long long scale = static_cast<long long>(std::llround(std::pow(10.0, pattern.decimals)));
    const long long scaled = std::llround(magnitude * static_cast<double>(scale));
    const long long integer_part = scaled / scale;
    if (integer_part != 0) whole = std::to_string(integer_part);
    if (pattern.decimals > 0) fraction = Padded(std::to_string(scaled % scale), pattern.decimals);
  }
  std::string text = x < 0 ? "-" : "";
  text += Padded(whole, pattern.integer_digits);
  text += '.';
  text += fraction;
  return text;
}

std::optional<std::string> NormalisedValueText(std::string_view version, std::string_view typed,
                                               std::string_view pattern) {
  if (platform::NumericValue(version) >= kFreeFormVersion) return std::nullopt;
  const std::optional<float> x = TypedNumber(typed);
  const std::optional<NumberPattern> p = ParseNumberPattern(pattern);
  if (!x || !p) return std::nullopt;
  const std::string written = WriteWithPattern(*x, *p);
  return *x < 0 ? written : "+" + written;
}

void NormaliseValueBox(shell::MainWindow& m, ui::Control& box) {
  const std::optional<std::string> text =
      NormalisedValueText(m["TXT_VER"].text(), box.text(), m["Cmb_DP"].text());
  if (text) box.set_text(*text);
}

}  // namespace config
