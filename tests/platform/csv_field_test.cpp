// A CSV field as a spreadsheet reads it back: quoted whenever a reader would split it or
// trim it.
#include "platform/text/csv_field.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvField, QuotesWhatAReaderWouldSplitOrTrimAndNothingElse) {
  const struct {
    std::string text, field;
  } cases[] = {
      {"kPa", "kPa"},
      {"", ""},
      {"单位 kPa", "单位 kPa"},  // a blank inside stays as it is
      {"kPa ", "\"kPa \""},
      {" kPa", "\" kPa\""},
      {"1,5", "\"1,5\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"ERR 0\r", "\"ERR 0\r\""},
      {"a\nb", "\"a\nb\""},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::CsvField(c.text), c.field) << c.text;
}

}  // namespace
