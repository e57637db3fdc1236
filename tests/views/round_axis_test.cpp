// Round numbers on the chart's value axes.
#include "views/round_axis.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace views
