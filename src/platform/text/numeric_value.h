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

// The value written with the pattern "###0.0": at least one integer digit, exactly one
// decimal, rounded ("23.5", "-5.0", "0.0").
std::string FormatOneDecimal(double value);

}  // namespace platform
