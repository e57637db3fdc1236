#pragma once
// Numbers in the texts the programs show and receive.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The leading number of a text, the rest ignored: leading blanks skipped, an optional
// sign, digits with one decimal point, an optional exponent ("1.5E3"); a text without a
// leading number reads as 0 (" 3" is 3, " 0" is 0, "+012.5kPa" is 12.5, "VER" is 0).
double NumericValue(std::string_view text);

// The leading number as NumericValue reads it, or nullopt when the text has none
// ("+@OVER", "VER", "").
std::optional<double> LeadingNumber(std::string_view text);

// A whole-number index from the leading number, rounded to nearest (halves to even).
// Values too large for an int give nullopt instead of overflowing.
std::optional<int> NumericIndex(std::string_view text);

// The text as a number when it is one as a whole: surrounding blanks, an optional sign,
// digits with an optional decimal point ("100", "+100.0", "-5", " 12.3 ", ".5").
// Anything else — empty, letters, a second sign or point — gives nullopt.
std::optional<double> ParseNumberText(std::string_view text);

// True when a single-precision value (what a transmitter keeps) can carry `x`: a finite
// number no larger than the largest float. Its last digits may still be rounded away.
bool FitsSinglePrecision(double x);

// A number rounded on its decimal digits as written, not on the nearest binary double,
// so a technician sees the rounding of the text he reads: "0.35" to one place is 0.4
// and "1.005" to two places is 1.01.
struct RoundedDecimal {
  bool negative = false;  // below zero before rounding: "-0.04" is, "-0" is not
  std::string whole;      // the integer digits without leading zeros; empty for 0
  std::string fraction;   // exactly the decimals asked for
};

// The leading number of `text`, read as NumericValue reads it (no number, or one beyond
// a double, is 0), rounded half away from zero to `decimals` places (0 to 20).
RoundedDecimal RoundLeadingNumber(std::string_view text, int decimals);

// The leading number of `text` written with the pattern "###0.0": at least one integer
// digit, exactly one decimal, rounded as above, and no sign on a zero ("+23.45" gives
// "23.5", "-5" gives "-5.0", "-0.04" gives "0.0").
std::string FormatOneDecimal(std::string_view text);

}  // namespace platform
