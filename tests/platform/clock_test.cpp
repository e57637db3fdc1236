#include "platform/clock.h"

#include <gtest/gtest.h>

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

TEST(VirtualClock, SleepingMovesTimeForwardOnly) {
  platform::VirtualClock clock;
  clock.sleep_until_us(5000);
  EXPECT_EQ(clock.now_us(), 5000u);
  clock.sleep_until_us(1000);
  EXPECT_EQ(clock.now_us(), 5000u);
}

}  // namespace
