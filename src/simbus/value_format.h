#pragma once
// Text forms of the values a simulated transmitter reads and writes. Number patterns
// follow the decimal-point code (the pattern of Cmb_DP): a sign, digits, and a point that is always
// written ("+000.0", "+0100.", "+.2500").

#include <optional>
#include <string>
#include <string_view>

namespace simbus {

// Range-style value: sign + (4 - dp) integer digits at least + "." + dp decimals,
// rounded. A value that rounds to zero is written with "+". dp outside 0..4 counts as 1.
std::string FormatRangeValue(double x, int dp);

// Live pressure: one digit more than a range value, so a reply value is always at
// least seven characters ("+0040.0", "+012.34"), and "*01" + value + CR is longer than 8.
std::string FormatPressure(double x, int dp);

// Temperature: a plain number with one decimal and no "+" ("23.5", "-5.3").
std::string FormatTemperature(double celsius);

// Trim: "+" or "-" and at least four digits ("+0012", "-0150").
std::string FormatTrim(int trim);

// A decimal number as a whole: optional sign, digits with an optional point, at least
// one digit, nothing else ("+000.0", "12.3", "-.5"). Anything else gives nothing.
std::optional<double> ParseDecimal(std::string_view text);

// A signed whole number of at most four digits ("+0012", "-150", "7").
std::optional<int> ParseTrim(std::string_view text);

// A code "0".."max" written in decimal digits only (leading zeros allowed).
std::optional<int> ParseCode(std::string_view text, int max);

}  // namespace simbus
