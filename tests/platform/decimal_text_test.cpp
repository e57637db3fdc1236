// Numbers bound for a file or the wire keep their decimal point under a real
// comma-decimal locale, where printf's "%f" writes "19,8".
#include "platform/text/decimal_text.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <cmath>
#include <cstdio>

#include "platform/serial/trace_json.h"
#include "platform/text/json_writer.h"
#include "tests/support/comma_decimal_locale.h"

namespace {

struct NumberCase {
  double value;
  int decimals;
  std::string fixed;
  std::string shortest;
};
const NumberCase kNumbers[] = {
    {19.8, 1, "19.8", "19.8"},
    {-0.5, 3, "-0.500", "-0.5"},
    {40.44, 0, "40", "40.44"},
    {2.675, 2, "2.67", "2.675"},  // rounded on the binary value, as printf rounds: 2.67499...
    {1e21, 1, "1000000000000000000000.0", "1e+21"},
    {NAN, 1, "", ""},
};

void ExpectPointsEverywhere() {
  for (const NumberCase& c : kNumbers) {
    SCOPED_TRACE(c.shortest);
    EXPECT_EQ(platform::DecimalText(c.value, c.decimals), c.fixed);
    EXPECT_EQ(platform::ShortestDecimalText(c.value), c.shortest);
  }
  EXPECT_EQ(platform::JsonObject().AddDecimal("ms", 17.25, 1).AddDecimal("v", NAN, 2).ToString(),
            R"({"ms": 17.2, "v": 0.00})");
  platform::TrafficRecord exchange;
  exchange.kind = platform::TrafficKind::kExchange;
  exchange.exchange.ms = 19.75;
  const std::string line = platform::TraceLine(exchange);
  EXPECT_NE(line.find(R"("ms": 19.8}})"), std::string::npos) << line;
}

TEST(DecimalText, WritesADecimalPointInTheCLocale) { ExpectPointsEverywhere(); }

TEST(DecimalText, WritesADecimalPointUnderACommaDecimalLocale) {
  setenv("TZ", "UTC", 1);  // the trace line's time is local time
  tzset();
  const testing_support::CommaDecimalLocale german;
  if (!german.active()) GTEST_SKIP() << "no comma-decimal locale: " << german.why_not();
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 19.8);
  ASSERT_STREQ(printed, "19,8") << "the locale is on for the C library";
  ExpectPointsEverywhere();
}

}  // namespace
