#include "platform/ui/timer_schedule.h"

namespace ui {

TimerSchedule::TimerSchedule(std::uint64_t now_us, std::uint64_t interval_us)
    : origin_us_(now_us),
      interval_us_(interval_us > 0 ? interval_us : 1),
      next_due_us_(now_us + interval_us_) {}

void TimerSchedule::TickDelivered(std::uint64_t now_us) {
  const std::uint64_t beats_passed = now_us >= origin_us_ ? (now_us - origin_us_) / interval_us_ : 0;
  next_due_us_ = origin_us_ + (beats_passed + 1) * interval_us_;
}

}  // namespace ui
