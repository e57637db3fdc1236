#include "platform/text/numeric_value.h"

#include <gtest/gtest.h>

namespace {

using platform::NumericValue;

TEST(NumericValue, ReadsTheLeadingNumberAndIgnoresTheRest) {
  EXPECT_EQ(NumericValue(" 3"), 3.0);
  EXPECT_EQ(NumericValue(" 0"), 0.0);
  EXPECT_EQ(NumericValue("12"), 12.0);
  EXPECT_EQ(NumericValue("+012.50kPa"), 12.5);
  EXPECT_EQ(NumericValue("-005.0"), -5.0);
  EXPECT_EQ(NumericValue(".25"), 0.25);
  EXPECT_EQ(NumericValue("2.00"), 2.0);
  EXPECT_EQ(NumericValue("1.5E3x"), 1500.0);
  EXPECT_EQ(NumericValue("7e"), 7.0) << "an exponent without digits is not part of the number";
  EXPECT_EQ(NumericValue("1.2.3"), 1.2);
}

TEST(NumericValue, NoLeadingNumberReadsAsZero) {
  for (const char* text : {"", "VER", "TXT_DPL", "-", "+.", ".", "x12", "\r", "-@OVER"}) {
    EXPECT_EQ(NumericValue(text), 0.0) << text;
    EXPECT_EQ(platform::LeadingNumber(text), std::nullopt) << "unlike a text that reads 0: " << text;
  }
  EXPECT_EQ(platform::LeadingNumber(" 0"), 0.0);
  EXPECT_EQ(NumericValue("1e999"), 0.0) << "an overflowing number never becomes infinity";
}

TEST(NumericIndex, RoundsAndRefusesWhatAnIntCannotHold) {
  EXPECT_EQ(platform::NumericIndex("5"), 5);
  EXPECT_EQ(platform::NumericIndex("4.6"), 5);
  EXPECT_EQ(platform::NumericIndex("2.5"), 2) << "halves go to the even neighbour";
  EXPECT_EQ(platform::NumericIndex(" -1"), -1);
  EXPECT_EQ(platform::NumericIndex("99999999999"), std::nullopt);
}

TEST(ParseNumberText, AcceptsOnlyAWholeNumber) {
  EXPECT_EQ(platform::ParseNumberText("100"), 100.0);
  EXPECT_EQ(platform::ParseNumberText(" +100.0 "), 100.0);
  EXPECT_EQ(platform::ParseNumberText("-5"), -5.0);
  EXPECT_EQ(platform::ParseNumberText(".5"), 0.5);
  for (const char* text : {"", " ", "abc", "12a", "1 2", "+-1", "1.2.3", "TXT_DPL", "1e3", "."})
    EXPECT_EQ(platform::ParseNumberText(text), std::nullopt) << text;
}

// The rounding itself is one table with the range values, in the config tests.
TEST(FormatOneDecimal, WritesTheLeadingNumberWithOneDecimal) {
  const std::pair<const char*, const char*> rows[] = {
      {"+23.46", "23.5"}, {"-5", "-5.0"}, {"0", "0.0"},        {" 3", "3.0"},
      {"25kPa", "25.0"},  {"VER", "0.0"}, {"2.345E1", "23.5"}, {"-1e-9", "0.0"},
      {"1e999", "0.0"},   {"-0", "0.0"},  {"1.5e-1", "0.2"},   {"0.95", "1.0"},
  };
  for (const auto& [text, shown] : rows) EXPECT_EQ(platform::FormatOneDecimal(text), shown) << text;
}

}  // namespace
