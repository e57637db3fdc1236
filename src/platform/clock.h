#pragma once
// Time as the programs see it: a monotonic microsecond clock that can also sleep,
// and the 32-bit millisecond tick counter derived from it. Tests use VirtualClock,
// where sleeping advances time at once, so nothing depends on the machine's speed.

#include <cstdint>
#include <string>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;

  // Monotonic time in microseconds since an arbitrary origin.
  virtual std::uint64_t now_us() const = 0;

  // Returns once now_us() >= t_us (at once when already past).
  virtual void sleep_until_us(std::uint64_t t_us) = 0;

  // The wall clock, for records that people read: milliseconds since 1970-01-01 UTC. The
  // one wall clock of a run: readings, trace records and reports all take their time
  // from it, so they agree even after the system's clock has been set.
  virtual std::int64_t wall_ms() const = 0;

  // The operating system's millisecond tick counter: 32 bits, wraps every 2^32 ms.
  std::uint32_t tick_ms() const { return static_cast<std::uint32_t>(tick_origin_ms_ + now_us() / 1000); }

  // Lets a test start the tick counter anywhere, e.g. just before the wrap.
  void set_tick_origin_ms(std::uint32_t origin) { tick_origin_ms_ = origin; }

 private:
  std::uint32_t tick_origin_ms_ = 0;
};

// Milliseconds from `start` to `now`, correct across the counter's wrap (and its sign
// change at 2^31) as long as less than 2^32 ms lie between them.
constexpr std::uint32_t ElapsedMs(std::uint32_t start, std::uint32_t now) { return now - start; }

// A wall-clock time as local date and time in ISO 8601 with milliseconds:
// "2026-12-08T10:03:04.123".
std::string LocalIsoTime(std::int64_t wall_ms);

// Real time from std::chrono::steady_clock.
class SystemClock final : public Clock {
 public:
  SystemClock();
  std::uint64_t now_us() const override;
  void sleep_until_us(std::uint64_t t_us) override;
  std::int64_t wall_ms() const override;

 private:
  std::uint64_t origin_us_;
};

// Time that moves only when told to; sleeping jumps straight to the wake-up time. Its
// wall clock starts at `wall_origin_ms` and moves with it, until it is set like a
// system clock that a user or a time server sets.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(std::int64_t wall_origin_ms = 0) : wall_origin_ms_(wall_origin_ms) {}
  std::uint64_t now_us() const override { return now_us_; }
  std::int64_t wall_ms() const override {
    return wall_origin_ms_ + static_cast<std::int64_t>(now_us_ / 1000);
  }
  void sleep_until_us(std::uint64_t t_us) override {
    if (t_us > now_us_) now_us_ = t_us;
  }
  // Steps the wall clock to `wall_ms` without moving the monotonic time.
  void set_wall_ms(std::int64_t wall_ms) {
    wall_origin_ms_ = wall_ms - static_cast<std::int64_t>(now_us_ / 1000);
  }
  void advance_us(std::uint64_t d) { now_us_ += d; }
  void advance_ms(std::uint64_t d) { now_us_ += d * 1000; }

 private:
  std::int64_t wall_origin_ms_;
  std::uint64_t now_us_ = 0;
};

}  // namespace platform
