#include "views/round_axis.h"

#include <QString>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace views {

namespace {

// As many ticks as a chart of ordinary height shows without crowding its labels.
constexpr int kMaxTicks = 8;

// The smallest of 1, 2, 5 times a power of ten that is at least `rough`.
double RoundStep(double rough) {
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double mantissa : {1.0, 2.0, 5.0, 10.0}) {
    if (mantissa * power >= rough * (1 - 1e-9)) return mantissa * power;
  }
  return 10 * power;
}

}  // namespace

RoundTicks RoundAxisTicks(double low, double high, int max_ticks) {
  if (low > high) std::swap(low, high);
  const int intervals = std::max(max_ticks, 2) - 1;
  double span = high - low;
  if (!(span > 0)) span = std::max(std::fabs(low), 1.0);  // one value: a span around it
  RoundTicks ticks;
  ticks.step = RoundStep(span / intervals);
  // A low value just on a multiple may come out a hair above it: the tolerance keeps the tick.
  for (;;) {
    ticks.low = std::floor(low / ticks.step + 1e-9) * ticks.step;
    ticks.high = std::ceil(high / ticks.step - 1e-9) * ticks.step;
    if (ticks.high <= ticks.low) ticks.high = ticks.low + ticks.step;
    ticks.count = static_cast<int>(std::lround((ticks.high - ticks.low) / ticks.step)) + 1;
    if (ticks.count <= intervals + 1) break;
    ticks.step = RoundStep(ticks.step * 1.5);  // rounding out added a tick too many: next step
  }
  ticks.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(ticks.step) + 1e-9)));
  return ticks;
}

void ShowRoundTicks(QValueAxis& axis, double low, double high) {
  const RoundTicks ticks = RoundAxisTicks(low, high, kMaxTicks);
  axis.setRange(ticks.low, ticks.high);
  axis.setTickCount(ticks.count);
  axis.setLabelFormat(QString("%.%1f").arg(ticks.decimals));
}

}  // namespace views
