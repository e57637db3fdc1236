#pragma once
// Round numbers on the chart's axes. A value axis gets ticks one step of 1, 2 or 5 times a
// power of ten apart, from a multiple of the step below the lowest value to one above the
// highest, so that a reader sees 0.5, 1.0, 1.5 rather than 0.43, 0.97, 1.51. The time
// axis keeps the span it is given (it follows the newest reading) and puts its ticks on
// the round times inside it: 10:41:20, 10:41:30 rather than 10:41:17, 10:41:27.

#include <cstdint>
#include <string>
#include <vector>

class QCategoryAxis;
class QValueAxis;

namespace views {

struct RoundTicks {
  double low = 0;
  double high = 0;
  double step = 0;
  int count = 0;     // ticks, both ends included
  int decimals = 0;  // what a tick's label needs to show the step
};

// For values from `low` to `high` (either order; equal ones get a span of one step around
// them) with at most `max_ticks` ticks (at least 2).
RoundTicks RoundAxisTicks(double low, double high, int max_ticks);

// Sets the axis to the round ticks around `low`..`high`.
void ShowRoundTicks(QValueAxis& axis, double low, double high);

struct TimeTicks {
  std::int64_t step_ms = 0;          // 1, 2, 5, 10, 15, 30 s; 1 .. 30 min; 1 .. 12 h; days
  std::vector<std::int64_t> at_ms;   // the ticks from `from_ms` to `to_ms`, in order
  // A tick's label: seconds only while the step has them, the date once a span of a day
  // or more would repeat a time of day.
  const char* format = "HH:mm:ss";
};

// Ticks on the multiples of a round step in local time (`utc_offset_ms` east of UTC,
// so that an hour's tick is at a full hour on the clock), at most `max_ticks` (at least 2)
// between `from_ms` and `to_ms`, both included.
TimeTicks RoundTimeTicks(std::int64_t from_ms, std::int64_t to_ms, std::int64_t utc_offset_ms, int max_ticks);

// Sets the time axis (milliseconds since 1970-01-01 UTC) to `from_ms`..`to_ms` with round
// ticks labelled in the local time.
void ShowRoundTimeTicks(QCategoryAxis& axis, std::int64_t from_ms, std::int64_t to_ms);

}  // namespace views
