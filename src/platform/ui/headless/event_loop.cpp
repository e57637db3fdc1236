#include "platform/ui/headless/event_loop.h"

#include <algorithm>
#include <utility>

#include "platform/ui/control.h"
#include "platform/ui/window.h"

namespace ui::headless {

void EventLoop::Schedule(std::uint64_t due_us, std::function<void()> event) {
  scheduled_.emplace(due_us, std::move(event));  // after any event due at the same time
}

EventLoop::RunningTimer* EventLoop::FindTimer(const Control* timer) {
  auto it =
      std::find_if(timers_.begin(), timers_.end(), [&](const RunningTimer& e) { return e.timer == timer; });
  return it == timers_.end() ? nullptr : &*it;
}

void EventLoop::TimerChanged(Control& timer) {
  const bool runs = timer.enabled() && timer.interval() > 0;
  RunningTimer* entry = FindTimer(&timer);
  if (!runs) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const RunningTimer& e) { return e.timer == &timer; }),
                  timers_.end());
    return;
  }
  const TimerSchedule fresh(clock_.now_us(), static_cast<std::uint64_t>(timer.interval()) * 1000);
  if (entry != nullptr) {
    entry->schedule = fresh;
  } else {
    timers_.push_back(RunningTimer{&timer, fresh});
  }
}

// A timer whose handler is still running (and let events run) is not ticked again until
// it returns; its due tick then comes right after.
bool EventLoop::MayTick(const RunningTimer& entry) const { return !window_.tick_running(*entry.timer); }

void EventLoop::RunDueEvents() {
  const std::uint64_t now = clock_.now_us();
  std::vector<const Control*> ticked;
  while (!window_.closed()) {
    // The earliest due event: a scheduled one, or a timer not yet ticked in this pass.
    Control* timer = nullptr;
    std::uint64_t timer_due = 0;
    for (const RunningTimer& entry : timers_) {
      if (!entry.schedule.IsDue(now) || !MayTick(entry)) continue;
      if (std::find(ticked.begin(), ticked.end(), entry.timer) != ticked.end()) continue;
      if (timer == nullptr || entry.schedule.next_due_us() < timer_due) {
        timer = entry.timer;
        timer_due = entry.schedule.next_due_us();
      }
    }
    const bool command_due = !scheduled_.empty() && scheduled_.begin()->first <= now;
    if (command_due && (timer == nullptr || scheduled_.begin()->first <= timer_due)) {
      std::function<void()> event = std::move(scheduled_.begin()->second);
      scheduled_.erase(scheduled_.begin());  // before it runs: it may let events run itself
      event();
    } else if (timer != nullptr) {
      ticked.push_back(timer);
      FindTimer(timer)->schedule.TickDelivered(clock_.now_us());
      window_.RunTimerTick(*timer);
    } else {
      return;
    }
  }
}

std::optional<std::uint64_t> EventLoop::NextDueUs() const {
  std::optional<std::uint64_t> next;
  if (!scheduled_.empty()) next = scheduled_.begin()->first;
  for (const RunningTimer& entry : timers_) {
    if (!MayTick(entry)) continue;
    if (!next.has_value() || entry.schedule.next_due_us() < *next) next = entry.schedule.next_due_us();
  }
  return next;
}

void EventLoop::Wait(std::uint64_t ms) {
  const std::uint64_t end = clock_.now_us() + ms * 1000;
  while (true) {
    RunDueEvents();
    if (window_.closed()) return;
    const std::uint64_t now = clock_.now_us();
    if (now >= end) return;
    const std::optional<std::uint64_t> next = NextDueUs();
    if (next.has_value() && *next <= now) continue;  // fell due while the last pass ran
    clock_.sleep_until_us(next.has_value() ? std::min(*next, end) : end);
  }
}

}  // namespace ui::headless
