#include "measure/elapsed_time.h"

#include <gtest/gtest.h>

namespace {

using measure::ElapsedText;
using ui::TimeOfDay;

TEST(ElapsedTextTest, IsADurationWrittenAsATimeOfDay) {
  EXPECT_EQ(ElapsedText({12, 0, 0}, {12, 1, 5}), "0:01:05");
  EXPECT_EQ(ElapsedText({8, 30, 0}, {8, 30, 0}), "0:00:00");
  EXPECT_EQ(ElapsedText({1, 0, 0}, {13, 59, 59}), "12:59:59");
  EXPECT_EQ(ElapsedText({23, 59, 50}, {0, 0, 5}), "0:00:15") << "past midnight it counts on";
  EXPECT_EQ(ElapsedText({20, 0, 0}, {19, 59, 59}), "23:59:59");
}

}  // namespace
