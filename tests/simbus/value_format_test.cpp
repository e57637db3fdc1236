#include "simbus/value_format.h"

#include <gtest/gtest.h>

namespace {

using namespace simbus;

TEST(ValueFormat, RangeValuesFollowTheDecimalPointPatterns) {
  // The examples of the range-value pattern table.
  EXPECT_EQ(FormatRangeValue(100, 1), "+100.0");
  EXPECT_EQ(FormatRangeValue(5, 1), "+005.0");
  EXPECT_EQ(FormatRangeValue(-5, 1), "-005.0");
  EXPECT_EQ(FormatRangeValue(0, 1), "+000.0");
  EXPECT_EQ(FormatRangeValue(1234.56, 1), "+1234.6");
  EXPECT_EQ(FormatRangeValue(100, 0), "+0100.");
  EXPECT_EQ(FormatRangeValue(1.5, 2), "+01.50");
  EXPECT_EQ(FormatRangeValue(0.25, 4), "+.2500");
  EXPECT_EQ(FormatRangeValue(1.5, 4), "+1.5000");
  EXPECT_EQ(FormatRangeValue(-0.001, 2), "+00.00") << "a value that rounds to zero has no minus sign";
  EXPECT_EQ(FormatRangeValue(7, 9), "+007.0") << "an impossible code falls back to one decimal";
}

TEST(ValueFormat, PressureTemperatureAndTrimForms) {
  EXPECT_EQ(FormatPressure(12.344, 2), "+012.34");
  EXPECT_EQ(FormatPressure(40.04, 1), "+0040.0");
  EXPECT_EQ(FormatPressure(-3.2, 0), "-00003.");
  EXPECT_GE(FormatPressure(0, 4).size(), 5u) << "*01 + value + CR must stay longer than 8";
  EXPECT_EQ(FormatTemperature(23.46), "23.5");
  EXPECT_EQ(FormatTemperature(-5.26), "-5.3");
  EXPECT_EQ(FormatTemperature(-0.01), "0.0");
  EXPECT_EQ(FormatTrim(12), "+0012");
  EXPECT_EQ(FormatTrim(-150), "-0150");
  EXPECT_EQ(FormatTrim(0), "+0000");
  EXPECT_EQ(FormatTrim(5000), "+5000");
}

TEST(ValueFormat, ParsingAcceptsWholeNumbersOnly) {
  EXPECT_EQ(ParseDecimal("+000.0"), 0.0);
  EXPECT_EQ(ParseDecimal("-005.0"), -5.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("12.3"), 12.3);
  EXPECT_DOUBLE_EQ(*ParseDecimal("+.2500"), 0.25);
  EXPECT_EQ(ParseDecimal("+0100."), 100.0);
  for (const char* bad : {"", "+", ".", "TXT_DPL", "1e5", "1.2.3", "12 ", " 12", "inf"}) {
    EXPECT_FALSE(ParseDecimal(bad)) << bad;
  }
  EXPECT_EQ(ParseTrim("+0012"), 12);
  EXPECT_EQ(ParseTrim("-0150"), -150);
  EXPECT_EQ(ParseTrim("7"), 7);
  EXPECT_FALSE(ParseTrim("+10000"));
  EXPECT_FALSE(ParseTrim("DAZF"));
  EXPECT_EQ(ParseCode("12", 12), 12);
  EXPECT_EQ(ParseCode("05", 12), 5);
  EXPECT_FALSE(ParseCode("13", 12));
  EXPECT_FALSE(ParseCode("-1", 12));
  EXPECT_FALSE(ParseCode("", 12));
  EXPECT_FALSE(ParseCode("99999999999999", 12)) << "no overflow on long digit runs";
}

}  // namespace
