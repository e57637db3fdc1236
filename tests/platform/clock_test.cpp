#include "platform/clock.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <string>

namespace {

TEST(TickCounter, ElapsedTimeIsRightAcrossTheWrapAndTheSignChange) {
  platform::VirtualClock clock;
  for (std::uint32_t origin : {0xFFFFFF00u, 0x7FFFFF00u}) {
    clock.set_tick_origin_ms(origin);
    const std::uint32_t start = clock.tick_ms();
    clock.advance_ms(450);
    EXPECT_EQ(platform::ElapsedMs(start, clock.tick_ms()), 450u) << "origin " << origin;
  }
}

TEST(TickCounter, CountsMillisecondsFromTheOrigin) {
  platform::VirtualClock clock;
  clock.set_tick_origin_ms(1000);
  clock.advance_us(2999);
  EXPECT_EQ(clock.tick_ms(), 1002u);
}

TEST(LocalIsoTime, WritesEveryFieldWithItsLeadingZeros) {
  setenv("TZ", "UTC", 1);
  tzset();
  const std::int64_t second = 1'796'724'184'000;  // 2026-12-08T10:03:04 UTC
  const struct {
    std::int64_t wall_ms;
    std::string text;
  } cases[] = {
      {second + 7, "2026-12-08T10:03:04.007"},
      {second + 50, "2026-12-08T10:03:04.050"},
      {second + 999, "2026-12-08T10:03:04.999"},
      {-1, "1969-12-31T23:59:59.999"},
      {0, "1970-01-01T00:00:00.000"},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::LocalIsoTime(c.wall_ms), c.text) << c.wall_ms;
}

TEST(VirtualClock, SleepingMovesTimeForwardOnly) {
  platform::VirtualClock clock;
  clock.sleep_until_us(5000);
  EXPECT_EQ(clock.now_us(), 5000u);
  clock.sleep_until_us(1000);
  EXPECT_EQ(clock.now_us(), 5000u);
}

}  // namespace
