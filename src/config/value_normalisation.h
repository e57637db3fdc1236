#pragma once
// The number form of the range and output pressures. Transmitters older than version 2
// take a pressure only as a sign, the digits of the decimal-point pattern chosen in
// Cmb_DP and a point ("+000.0", "-005.0", "+0100.", "+.2500"), so a value typed into
// TXT_DPL, TXT_DPH, TXT_DAL or TXT_DAH is rewritten in that form when its box is left.
// Version 2 and later read the typed text themselves and get it unchanged.

#include <optional>
#include <string>
#include <string_view>

#include "shell/main_window.h"

namespace config {

// A Cmb_DP item: zeros before the point and zeros after it ("000.0" is 3 and 1).
struct NumberPattern {
  int integer_digits = 0;
  int decimals = 0;
};

// A transmitter's pressure field: a sign, digits and a point. It holds the four digit
// positions of its decimal-point pattern and one more for an integer part that outgrows
// them ("+1234.6" in "000.0", "+100.00" in "00.00"), and no more.
inline constexpr int kMostPressureDigits = 5;

// Whether the number `typed` (a plain number, see NormalisedValueText), written with
// `decimals` places, fits the field; rounding counts ("9999.96" needs six digits at one place).
bool FitsPressureField(std::string_view typed, int decimals);

// Nothing for a text that is not zeros around exactly one point (an empty selection).
std::optional<NumberPattern> ParseNumberPattern(std::string_view pattern);

// What a box holding `typed` shows after leaving it, for a transmitter reporting
// `version` and the decimal-point pattern `pattern`: "-" for a number below zero, else
// "+"; the integer part padded with zeros to the pattern's width (all its digits when
// wider; none when the width is 0 and it is 0); the point; the decimals, rounded half
// away from zero on the number as typed (100 -> "+100.0", 1234.56 -> "+1234.6", 0.25 in
// ".0000" -> "+.2500"). Nothing when the box keeps its text: version 2.0 or later, a
// text that is not a plain number, no pattern chosen, or a number beyond single precision.
std::optional<std::string> NormalisedValueText(std::string_view version, std::string_view typed,
                                               std::string_view pattern);

// Rewrites `box` (one of the four pressure boxes) by the rule above, from TXT_VER and
// Cmb_DP as they stand now.
void NormaliseValueBox(shell::MainWindow& main, ui::Control& box);

}  // namespace config
