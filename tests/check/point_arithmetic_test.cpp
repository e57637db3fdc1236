// The error in percent of span and its verdict at the tolerance's edge, in units with
// decimals, and the stability rule over the last readings.
#include "check/point_arithmetic.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PointArithmetic, AnErrorThatReadsExactlyTheToleranceTakesItsVerdictFromTheDecimalsShown) {
  struct Case {
    const char* name;
    double low, high, reading, reference, tolerance;
    double error;
    bool passed;
  };
  const Case cases[] = {
      {"bar, on the edge", 0.0, 10.0, 5.025, 5.0, 0.25, 0.25, true},
      {"bar, one digit over", 0.0, 10.0, 5.026, 5.0, 0.25, 0.26, false},
      {"bar, on the edge below", 0.0, 10.0, 4.975, 5.0, 0.25, -0.25, true},
      {"kPa from below zero", -5.0, 250.0, 100.51, 100.0, 0.2, 0.2, true},
      {"kPa from below zero, over", -5.0, 250.0, 100.52, 100.0, 0.2, 0.204, false},
      {"psi, 0.1 of 300", 0.0, 300.0, 150.3, 150.0, 0.1, 0.1, true},
      {"reversed range", 100.0, 0.0, 50.2, 50.0, 0.2, 0.2, true},
      {"exact", 0.0, 1.6, 0.8, 0.8, 0.05, 0.0, true},
  };
  for (const Case& c : cases) {
    const std::optional<double> error = check::ErrorPercentOfSpan(c.reading, c.reference, c.low, c.high);
    ASSERT_TRUE(error) << c.name;
    EXPECT_DOUBLE_EQ(*error, c.error) << c.name;
    EXPECT_EQ(check::WithinTolerance(*error, c.tolerance), c.passed) << c.name;
  }
  EXPECT_FALSE(check::ErrorPercentOfSpan(1, 0, 5, 5)) << "a range without span has no error";
  EXPECT_DOUBLE_EQ(check::NominalPressure(25, -5, 250), 58.75);
}

TEST(PointArithmetic, ReadingsAreStableWhenTheLastNSpreadNoMoreThanTheLimit) {
  struct Case {
    const char* name;
    std::vector<double> readings;
    int count;
    double limit;
    bool stable;
  };
  const Case cases[] = {
      {"too few yet", {40.0, 40.0}, 3, 0.05, false},
      {"spread on the limit", {40.00, 40.05, 40.02}, 3, 0.05, true},
      {"spread over the limit", {40.00, 40.06, 40.02}, 3, 0.05, false},
      {"an old jump no longer counts", {10.0, 40.0, 40.01, 40.0}, 3, 0.05, true},
      {"a jump among the last", {40.0, 40.0, 40.0, 10.0}, 3, 0.05, false},
      {"identical one-decimal readings", {50.5, 50.5, 50.5, 50.5, 50.5}, 5, 0.05, true},
  };
  for (const Case& c : cases) EXPECT_EQ(check::Stable(c.readings, c.count, c.limit), c.stable) << c.name;
  const std::vector<double> last = {10.0, 40.0, 40.02};
  EXPECT_DOUBLE_EQ(check::Mean(std::span(last).last(2)), 40.01);
}

}  // namespace
