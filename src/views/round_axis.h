#pragma once
// Round numbers on a value axis: ticks one step of 1, 2 or 5 times a power of ten apart,
// from a multiple of the step below the lowest value to one above the highest, so that
// a reader sees 0.5, 1.0, 1.5 rather than 0.43, 0.97, 1.51.

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

}  // namespace views
