#include "check/point_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace check {

namespace {

// Well below the last decimal a transmitter writes (4 places) and well above a double's
// rounding at pressures it can hold: figures that read equal compare equal.
constexpr double kDecimalSlack = 1e-9;

}  // namespace

double NominalPressure(double percent, double low, double high) {
  return low + percent / 100.0 * (high - low);
}

double Spread(std::span<const double> values) {
  if (values.empty()) return 0;
  const auto [min, max] = std::minmax_element(values.begin(), values.end());
  return *max - *min;
}

double Mean(std::span<const double> values) {
  if (values.empty()) return 0;
  return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

bool Stable(std::span<const double> values, int count, double stable_spread) {
  if (count <= 0 || values.size() < static_cast<std::size_t>(count)) return false;
  return Spread(values.last(static_cast<std::size_t>(count))) <= stable_spread + kDecimalSlack;
}

std::optional<double> ErrorPercentOfSpan(double reading, double reference, double low, double high) {
  const double span = high - low;
  if (span == 0 || !std::isfinite(span)) return std::nullopt;
  const double scale = std::pow(10.0, kErrorDecimals);
  return std::round((reading - reference) / std::abs(span) * 100.0 * scale) / scale;
}

bool WithinTolerance(double error_percent, double tolerance_percent) {
  return std::abs(error_percent) <= tolerance_percent + kDecimalSlack;
}

}  // namespace check
