#include "views/round_axis.h"

#include <QCategoryAxis>
#include <QDateTime>
#include <QString>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace views {

namespace {

// As many ticks as a chart of ordinary height shows without crowding its labels.
constexpr int kMaxTicks = 8;
// As many as fit side by side under a chart of ordinary width with "HH:mm:ss" labels.
constexpr int kMaxTimeTicks = 7;

constexpr std::int64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute, kDay = 24 * kHour;
// The steps a clock reader counts in; past the last, whole multiples of it.
constexpr std::int64_t kTimeSteps[] = {
    1 * kSecond,  2 * kSecond,  5 * kSecond,  10 * kSecond, 15 * kSecond, 30 * kSecond, 1 * kMinute,
    2 * kMinute,  5 * kMinute,  10 * kMinute, 15 * kMinute, 30 * kMinute, 1 * kHour,   2 * kHour,
    3 * kHour,    6 * kHour,    12 * kHour,   1 * kDay,     2 * kDay,     7 * kDay};

// Rounds down to a multiple of `step`, also below zero.
std::int64_t FloorTo(std::int64_t value, std::int64_t step) {
  const std::int64_t q = value / step;
  return (q * step > value ? q - 1 : q) * step;
}

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

TimeTicks RoundTimeTicks(std::int64_t from_ms, std::int64_t to_ms, std::int64_t utc_offset_ms, int max_ticks) {
  if (from_ms > to_ms) std::swap(from_ms, to_ms);
  const std::int64_t intervals = std::max(max_ticks, 2) - 1;
  const std::int64_t rough = std::max<std::int64_t>((to_ms - from_ms + intervals - 1) / intervals, 1);
  TimeTicks ticks;
  const auto* fit = std::find_if(std::begin(kTimeSteps), std::end(kTimeSteps),
                                 [rough](std::int64_t step) { return step >= rough; });
  ticks.step_ms = fit != std::end(kTimeSteps) ? *fit : (rough + 7 * kDay - 1) / (7 * kDay) * (7 * kDay);
  ticks.format = ticks.step_ms >= kDay            ? "MM-dd"
                 : to_ms - from_ms >= kDay         ? "MM-dd HH:mm"  // a time of day would repeat
                 : ticks.step_ms >= kMinute        ? "HH:mm"
                                                   : "HH:mm:ss";
  // The first multiple at or after the start, counted on the local clock.
  std::int64_t tick = FloorTo(from_ms + utc_offset_ms, ticks.step_ms) - utc_offset_ms;
  if (tick < from_ms) tick += ticks.step_ms;
  for (; tick <= to_ms; tick += ticks.step_ms) ticks.at_ms.push_back(tick);
  return ticks;
}

void ShowRoundTimeTicks(QCategoryAxis& axis, std::int64_t from_ms, std::int64_t to_ms) {
  const QDateTime start = QDateTime::fromMSecsSinceEpoch(from_ms);
  const TimeTicks ticks = RoundTimeTicks(from_ms, to_ms, std::int64_t{start.offsetFromUtc()} * 1000, kMaxTimeTicks);
  for (const QString& label : axis.categoriesLabels()) axis.remove(label);
  axis.setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis.setStartValue(static_cast<qreal>(from_ms - 1));  // below a tick on the start itself
  for (const std::int64_t at : ticks.at_ms) {
    // The axis names its ticks by their labels, which must differ: a clock set back can
    // repeat a time, and the repeated tick stays unlabelled.
    const QString label = QDateTime::fromMSecsSinceEpoch(at).toString(ticks.format);
    if (!axis.categoriesLabels().contains(label)) axis.append(label, static_cast<qreal>(at));
  }
  axis.setRange(static_cast<qreal>(from_ms), static_cast<qreal>(to_ms));
}

}  // namespace views
