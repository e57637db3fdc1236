// Round numbers on the chart's value axes and round times on its time axis.
#include "views/round_axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace views {
namespace {

TEST(RoundAxisTicks, TicksAreRoundStepsThatCoverTheValues) {
  struct Case {
    double low, high;
    int max_ticks;
    RoundTicks expected;
  };
  const Case cases[] = {
      {0.43, 1.51, 8, {0.4, 1.6, 0.2, 7, 1}},
      {-0.5, 100.5, 8, {-20, 120, 20, 8, 0}},
      {99.2, 101.9, 6, {99, 102, 1, 4, 0}},
      {1.51, 0.43, 8, {0.4, 1.6, 0.2, 7, 1}},            // given the wrong way round
      {20.0, 20.0, 5, {20, 25, 5, 2, 0}},                // one value: a span of one step
      {0, 0, 5, {0, 0.5, 0.5, 2, 1}},                    // one value of 0
      {-3.7, -1.2, 8, {-4, -1, 0.5, 7, 1}},              // below zero
      {0.0012, 0.0047, 8, {0.001, 0.005, 0.001, 5, 3}},  // rounded out past 8 ticks: the next step
      {0, 0.7, 8, {0, 0.7, 0.1, 8, 1}},                  // the values' own ends, when round already
      {12000, 98000, 2, {0, 100000, 100000, 2, 0}},      // the fewest ticks allowed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << ".." << c.high << " in " << c.max_ticks);
    const RoundTicks t = RoundAxisTicks(c.low, c.high, c.max_ticks);
    EXPECT_NEAR(t.low, c.expected.low, 1e-9);
    EXPECT_NEAR(t.high, c.expected.high, 1e-9);
    EXPECT_NEAR(t.step, c.expected.step, 1e-12);
    EXPECT_EQ(t.count, c.expected.count);
    EXPECT_EQ(t.decimals, c.expected.decimals);
    // What every case must hold, whatever its numbers.
    EXPECT_LE(t.count, std::max(c.max_ticks, 2));
    EXPECT_LE(t.low, std::min(c.low, c.high) + 1e-9);
    EXPECT_GE(t.high, std::max(c.low, c.high) - 1e-9);
    EXPECT_NEAR(std::remainder(t.low, t.step), 0, 1e-9) << "the first tick is a multiple of the step";
  }
}

TEST(RoundTimeTicks, TicksFallOnRoundTimesOfTheLocalClockInsideTheSpan) {
  constexpr std::int64_t s = 1000, min = 60 * s, h = 60 * min, day = 24 * h;
  constexpr std::int64_t midnight = 1'796'688'000'000;  // 00:00 UTC
  const std::int64_t at = midnight + 10 * h + 41 * min + 17 * s + 300;  // 10:41:17.300
  struct Case {
    const char* what;
    std::int64_t from, to, offset;
    std::int64_t step, first;
    std::size_t count;
    std::string format;
  };
  const Case cases[] = {
      {"five minutes", at, at + 5 * min, 0, min, at - 17 * s - 300 + min, 5, "HH:mm"},
      {"one minute", at, at + min, 0, 10 * s, at + 2700, 6, "HH:mm:ss"},
      {"either order", at + min, at, 0, 10 * s, at + 2700, 6, "HH:mm:ss"},
      {"a few seconds", at, at + 4 * s, 0, s, at + 700, 4, "HH:mm:ss"},
      {"a clock 5:45 ahead", midnight, midnight + 2 * h, 5 * h + 45 * min, 30 * min, midnight + 15 * min, 4,
       "HH:mm"},
      {"a clock an hour behind", midnight + 30 * min, midnight + 30 * min + 12 * h, -h, 2 * h,
       midnight + h, 6, "HH:mm"},
      {"two days", midnight, midnight + 2 * day, 0, 12 * h, midnight, 5, "MM-dd HH:mm"},
      {"a month", midnight, midnight + 30 * day, 0, 7 * day, midnight + 2 * day, 5, "MM-dd"},
      {"no span, on a second", at - 300, at - 300, 0, s, at - 300, 1, "HH:mm:ss"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TimeTicks t = RoundTimeTicks(c.from, c.to, c.offset, 7);
    EXPECT_EQ(t.step_ms, c.step);
    ASSERT_EQ(t.at_ms.size(), c.count);
    EXPECT_EQ(t.at_ms.front(), c.first);
    EXPECT_EQ(t.format, c.format);
    for (const std::int64_t tick : t.at_ms) {
      EXPECT_GE(tick, std::min(c.from, c.to));
      EXPECT_LE(tick, std::max(c.from, c.to));
      EXPECT_EQ((tick + c.offset) % t.step_ms, 0) << "round on the local clock";
    }
  }
}

}  // namespace
}  // namespace views
