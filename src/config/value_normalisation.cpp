#include "config/value_normalisation.h"

#include "platform/text/numeric_value.h"

namespace config {

namespace {

// The first version whose transmitters take a typed value as it stands.
constexpr double kFreeFormVersion = 2.0;

// Cmb_DP's patterns have at most four decimals; anything beyond six is no pattern of ours.
constexpr std::size_t kMostDecimals = 6;

// A plain decimal number as a whole, within single precision: what an older
// transmitter can hold.
bool IsTypedNumber(std::string_view typed) {
  const std::optional<double> x = platform::ParseNumberText(typed);
  return x && platform::FitsSinglePrecision(*x);
}

std::string Padded(std::string digits, int width) {
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}

}  // namespace

bool FitsPressureField(std::string_view typed, int decimals) {
  return static_cast<int>(platform::RoundLeadingNumber(typed, decimals).whole.size()) + decimals <=
         kMostPressureDigits;
}

std::optional<NumberPattern> ParseNumberPattern(std::string_view pattern) {
  const std::size_t point = pattern.find('.');
  if (point == std::string_view::npos || pattern.find_first_not_of("0.") != std::string_view::npos)
    return std::nullopt;
  if (pattern.find('.', point + 1) != std::string_view::npos) return std::nullopt;  // a second point
  const std::size_t decimals = pattern.size() - point - 1;
  if (decimals > kMostDecimals) return std::nullopt;
  return NumberPattern{static_cast<int>(point), static_cast<int>(decimals)};
}

std::optional<std::string> NormalisedValueText(std::string_view version, std::string_view typed,
                                               std::string_view pattern) {
  if (platform::NumericValue(version) >= kFreeFormVersion) return std::nullopt;
  const std::optional<NumberPattern> p = ParseNumberPattern(pattern);
  if (!IsTypedNumber(typed) || !p) return std::nullopt;
  // Rounded as the number reads in decimal, half away from zero: "0.35" in "000.0" is
  // "+000.4", where its binary value 0.3499... would give "+000.3".
  const platform::RoundedDecimal x = platform::RoundLeadingNumber(typed, p->decimals);
  std::string text = x.negative ? "-" : "+";
  text += Padded(x.whole, p->integer_digits);
  text += '.';
  text += x.fraction;
  return text;
}

void NormaliseValueBox(shell::MainWindow& m, ui::Control& box) {
  const std::optional<std::string> text =
      NormalisedValueText(m["TXT_VER"].text(), box.text(), m["Cmb_DP"].text());
  if (text) box.set_text(*text);
}

}  // namespace config
