#pragma once
// When a timer's next tick falls due. Ticks come on a beat of whole intervals counted
// from the moment the timer was (re)started. Ticks never queue up: at most one is
// pending, so when a handler outlasts the interval, the beats that passed meanwhile
// collapse into a single tick that comes as soon as the window processes events again,
// and polling runs back to back instead of catching up.

#include <cstdint>

namespace ui {

class TimerSchedule {
 public:
  // `interval_us` must be positive.
  TimerSchedule(std::uint64_t now_us, std::uint64_t interval_us);

  std::uint64_t next_due_us() const { return next_due_us_; }
  bool IsDue(std::uint64_t now_us) const { return now_us >= next_due_us_; }

  // A tick is being delivered at `now_us`: the next falls due on the first beat after it.
  void TickDelivered(std::uint64_t now_us);

 private:
  std::uint64_t origin_us_;
  std::uint64_t interval_us_;
  std::uint64_t next_due_us_;
};

}  // namespace ui
