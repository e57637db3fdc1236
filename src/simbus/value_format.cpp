#include "simbus/value_format.h"

#include <cmath>
#include <cstdio>

#include "platform/text/decimal_text.h"

namespace simbus {
namespace {

// x written as sign + at least `int_digits` integer digits + "." + `decimals` decimals;
// with int_digits 0 a zero integer part is written as no digit at all.
std::string FormatSignedFixed(double x, int int_digits, int decimals) {
  std::string digits = platform::DecimalText(std::fabs(x), decimals);
  const auto point = digits.find('.');
  std::string integer = digits.substr(0, point);
  const std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
  const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                    fraction.find_first_not_of('0') == std::string::npos;
  if (int_digits == 0 && integer == "0") integer.clear();
  if (static_cast<int>(integer.size()) < int_digits) integer.insert(0, int_digits - integer.size(), '0');
  const char sign = (x < 0 && !zero) ? '-' : '+';
  return sign + integer + "." + fraction;
}

int ClampDp(int dp) { return (dp < 0 || dp > 4) ? 1 : dp; }

// Removes a leading "+" or "-"; true for "-".
bool TakeSign(std::string_view& text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return false;
  const bool negative = text[0] == '-';
  text.remove_prefix(1);
  return negative;
}

}  // namespace

std::string FormatRangeValue(double x, int dp) {
  dp = ClampDp(dp);
  return FormatSignedFixed(x, 4 - dp, dp);
}

std::string FormatPressure(double x, int dp) {
  dp = ClampDp(dp);
  return FormatSignedFixed(x, 5 - dp, dp);
}

std::string FormatTemperature(double celsius) {
  std::string text = platform::DecimalText(celsius, 1);
  if (text == "-0.0") text = "0.0";
  return text;
}

std::string FormatTrim(int trim) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%c%04d", trim < 0 ? '-' : '+', trim < 0 ? -trim : trim);
  return buf;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const bool negative = TakeSign(text);
  double value = 0, scale = 0;  // scale 0: before the point
  int digits = 0, points = 0;
  for (char c : text) {
    if (c == '.') {
      if (++points > 1) return std::nullopt;
      scale = 1;
    } else if (c >= '0' && c <= '9') {
      ++digits;
      if (scale == 0) {
        value = value * 10 + (c - '0');
      } else {
        scale /= 10;
        value += (c - '0') * scale;
      }
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  return negative ? -value : value;
}

std::optional<int> ParseTrim(std::string_view text) {
  const bool negative = TakeSign(text);
  auto magnitude = ParseCode(text, 9999);
  if (!magnitude) return std::nullopt;
  return negative ? -*magnitude : *magnitude;
}

std::optional<int> ParseCode(std::string_view text, int max) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > max) return std::nullopt;
  return value;
}

}  // namespace simbus
