#include "simbus/value_format.h"

#include <gtest/gtest.h>

namespace {

using namespace simbus;

TEST(ValueFormat, FormsFollowTheDecimalPointPatterns) {
  const struct {
    std::string got, want;
  } rows[] = {{FormatRangeValue(-5, 1), "-005.0"},   {FormatRangeValue(1234.56, 1), "+1234.6"},
              {FormatRangeValue(100, 0), "+0100."},  {FormatRangeValue(0.25, 4), "+.2500"},
              {FormatRangeValue(1.5, 4), "+1.5000"}, {FormatRangeValue(-0.001, 2), "+00.00"},
              {FormatRangeValue(7, 9), "+007.0"},    {FormatPressure(12.344, 2), "+012.34"},
              {FormatPressure(-3.2, 0), "-00003."},  {FormatTemperature(-5.26), "-5.3"},
              {FormatTemperature(-0.01), "0.0"},     {FormatTrim(-150), "-0150"}};
  for (const auto& row : rows) EXPECT_EQ(row.got, row.want);
  EXPECT_GE(FormatPressure(0, 4).size(), 5u) << "*01 + value + CR must stay longer than 8";
}

TEST(ValueFormat, ParsingAcceptsWholeNumbersOnly) {
  EXPECT_EQ(ParseDecimal("-005.0"), -5.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("+.2500"), 0.25);
  EXPECT_EQ(ParseDecimal("+0100."), 100.0);
  for (const char* bad : {"", "+", ".", "TXT_DPL", "1e5", "1.2.3", "12 ", " 12", "inf"}) {
    EXPECT_FALSE(ParseDecimal(bad)) << bad;
  }
  EXPECT_EQ(ParseTrim("-0150"), -150);
  EXPECT_FALSE(ParseTrim("+10000"));
  EXPECT_EQ(ParseCode("05", 12), 5);
  for (const char* bad : {"13", "-1", "", "99999999999999"}) EXPECT_FALSE(ParseCode(bad, 12)) << bad;
}

}  // namespace
