#include "platform/clock.h"

#include <chrono>
#include <thread>

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

}  // namespace platform
