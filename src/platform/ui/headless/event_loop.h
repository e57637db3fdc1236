#pragma once
// The headless window's event loop: the timer ticks and the script's scheduled
// commands, delivered when the window processes events (a handler's DoEvents, a `wait`,
// or before the next script line). Time comes from the Clock: waiting sleeps through it
// to the next due event and never spins, so with a virtual clock a test runs at once.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/clock.h"
#include "platform/ui/timer_schedule.h"

namespace ui {
class Control;
class Window;
}  // namespace ui

namespace ui::headless {

class EventLoop {
 public:
  EventLoop(Window& window, platform::Clock& clock) : window_(window), clock_(clock) {}

  // Runs `event` once the clock has reached `due_us`, the next time events are processed.
  // Events due at the same moment run in the order they were scheduled.
  void Schedule(std::uint64_t due_us, std::function<void()> event);

  // Starts, restarts or stops the timer's ticks from its enabled state and interval.
  void TimerChanged(Control& timer);

  // One pass over the events due now: each scheduled event due by now runs once, and
  // each due timer ticks once (earliest first). What falls due while the pass runs waits
  // for the next pass, so a pass always ends.
  void RunDueEvents();

  // Lets `ms` milliseconds pass with events running as they fall due.
  void Wait(std::uint64_t ms);

  // When the next event falls due; nullopt when nothing is scheduled and no timer runs.
  std::optional<std::uint64_t> NextDueUs() const;

 private:
  struct RunningTimer {
    Control* timer;
    TimerSchedule schedule;
  };

  RunningTimer* FindTimer(const Control* timer);
  bool MayTick(const RunningTimer& entry) const;

  Window& window_;
  platform::Clock& clock_;
  std::multimap<std::uint64_t, std::function<void()>> scheduled_;  // by due time, then in order
  std::vector<RunningTimer> timers_;                               // in the order they started
};

}  // namespace ui::headless
