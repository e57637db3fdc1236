#include "platform/clock.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/os/local_time.h"

namespace platform {

namespace {
std::uint64_t SteadyMicros() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}
}  // namespace

SystemClock::SystemClock() : origin_us_(SteadyMicros()) {}

std::uint64_t SystemClock::now_us() const { return SteadyMicros() - origin_us_; }

void SystemClock::sleep_until_us(std::uint64_t t_us) {
  const std::uint64_t now = now_us();
  if (t_us > now) std::this_thread::sleep_for(std::chrono::microseconds(t_us - now));
}

std::int64_t SystemClock::wall_ms() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string LocalIsoTime(std::int64_t wall_ms) {
  // Floor division, so a time before 1970 still gets milliseconds 0..999.
  std::int64_t seconds = wall_ms / 1000;
  std::int64_t millis = wall_ms % 1000;
  if (millis < 0) {
    millis += 1000;
    --seconds;
  }
  const std::optional<os::LocalTime> local = os::ToLocalTime(seconds);
  if (!local) return {};
  char text[96];  // room for any int the fields could hold
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", local->year, local->month,
                local->day, local->hour, local->minute, local->second, static_cast<int>(millis));
  return text;
}

}  // namespace platform
