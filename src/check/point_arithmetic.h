#pragma once
// The arithmetic of one check point: where the pressure should be, whether the readings
// have settled, and the error against the reference in percent of span with its verdict.
// Readings are decimals as the transmitter wrote them; the comparisons are made on the
// decimal figures shown, so an error that reads exactly the tolerance passes, whatever
// the binary doubles underneath say.

#include <optional>
#include <span>

namespace check {

// The pressure at `percent` of the range low..high.
double NominalPressure(double percent, double low, double high);

// The largest minus the smallest; 0 for none.
double Spread(std::span<const double> values);
double Mean(std::span<const double> values);

// The last `count` values have come and their spread is within `stable_spread`.
bool Stable(std::span<const double> values, int count, double stable_spread);

// (reading - reference) in percent of the span (high - low), rounded to the decimals
// kErrorDecimals; nothing when the span is 0.
inline constexpr int kErrorDecimals = 3;
std::optional<double> ErrorPercentOfSpan(double reading, double reference, double low, double high);

// |error| within the tolerance.
bool WithinTolerance(double error_percent, double tolerance_percent);

}  // namespace check
