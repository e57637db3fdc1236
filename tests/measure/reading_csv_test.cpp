// The measurement log's CSV read back as a spreadsheet reads it, and the log file's
// header, appending and flushing.
#include "measure/reading_csv.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>

#include "measure/reading_log.h"
#include "tests/support/csv_records.h"

namespace {

using measure::Quantity;
using measure::Reading;
using Fields = std::vector<std::string>;

constexpr std::int64_t kTime = 1'796'724'184'123;  // 2026-12-08T10:03:04.123 UTC

TEST(ReadingCsvTest, ARowReadsBackToTheSameFieldsWhateverTheTextHolds) {
  setenv("TZ", "UTC", 1);  // times are written in local time
  tzset();
  struct Case {
    Reading reading;
    Fields fields;
  };
  const Case cases[] = {
      {{kTime, "01", Quantity::kPressure, "+0012.34", 12.34, "kPa", false},
       {"2026-12-08T10:03:04.123", "01", "pressure", "+0012.34", "12.34", "kPa", "0"}},
      {{kTime + 1, "05", Quantity::kTemperature, "ERR 0\r", std::nullopt, "℃", true},
       {"2026-12-08T10:03:04.124", "05", "temperature", "ERR 0\r", "", "℃", "1"}},
      {{kTime, "0,1", Quantity::kPressure, "\"1,5\"\n", -0.5, " 单位 ", false},
       {"2026-12-08T10:03:04.123", "0,1", "pressure", "\"1,5\"\n", "-0.5", " 单位 ", "0"}},
      {{kTime, "", Quantity::kPressure, "+@OVER", 1e21, "", false},
       {"2026-12-08T10:03:04.123", "", "pressure", "+@OVER", "1e+21", "", "0"}},
  };
  for (const Case& c : cases) {
    const std::string row = measure::ReadingCsvRow(c.reading);
    SCOPED_TRACE(row);
    const auto record = testing_support::ReadCsvRecord(row);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->length, row.size()) << "exactly one record";
    EXPECT_EQ(record->fields, c.fields);
  }
}

// A German desktop writes 12,34: the log must not.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(ReadingCsvTest, TheLogHasOneHeaderIsAppendedAndFlushedRowByRowWithADecimalPointInAnyLocale) {
  const std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  const auto path = std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "log.csv");
  std::filesystem::remove(path);
  const auto records = [&path] {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return testing_support::CsvRecords(s.str());
  };
  std::string error;
  for (const Reading& r : {Reading{kTime, "01", Quantity::kPressure, "+0012.34", 12.34, "kPa", false},
                           Reading{kTime + 300, "01", Quantity::kTemperature, "23.5", 23.5, "℃", false}}) {
    auto log = measure::ReadingLog::Open(path.string(), error);  // a run of the program each
    ASSERT_TRUE(log) << error;
    const std::size_t rows = records().size();
    ASSERT_TRUE(log->Write(r));
    EXPECT_EQ(records().size(), rows + 1) << "on disk before the log is closed";
  }
  std::locale::global(before);
  const std::vector<Fields> written = records();
  ASSERT_EQ(written.size(), 3u) << "no second header when appending";
  EXPECT_EQ(written[0], (Fields{"time", "address", "quantity", "text", "value", "unit", "failed"}));
  EXPECT_EQ(written[1][4], "12.34");
  EXPECT_EQ(written[2][4], "23.5");
  std::filesystem::remove(path);

  const measure::ReadingHistory history;
  for (const std::string& bad : {std::string("/nonexistent/p.csv"), path.parent_path().string()}) {
    EXPECT_FALSE(measure::ReadingLog::Open(bad, error));
    EXPECT_FALSE(measure::SaveHistoryCsv(history, bad, error));
    EXPECT_NE(error.find(bad), std::string::npos) << "says which file: " << error;
  }
}

}  // namespace
