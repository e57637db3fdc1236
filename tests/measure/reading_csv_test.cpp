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

#include "measure/reading_history.h"
#include "measure/reading_log.h"
#include "tests/support/csv_records.h"

namespace {

using measure::Quantity;
using measure::Reading;
using Fields = std::vector<std::string>;

constexpr std::int64_t kTime = 1'796'724'184'123;  // 2026-12-08T10:03:04.123 UTC

// Times are written in local time: the tests run in UTC.
class CsvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }
  std::filesystem::path Temp(const char* name) {
    const auto path = std::filesystem::temp_directory_path() / (std::to_string(getpid()) + name);
    std::filesystem::remove(path);
    return path;
  }
  static std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static std::vector<Fields> Records(std::string_view text) { return testing_support::CsvRecords(text); }
};

TEST_F(CsvTest, ARowReadsBackToTheSameFieldsWhateverTheTextHolds) {
  struct Case {
    Reading reading;
    Fields fields;
  };
  const Case cases[] = {
      {{kTime, "01", Quantity::kPressure, "+0012.34", 12.34, "kPa", false},
       {"2026-12-08T10:03:04.123", "01", "pressure", "+0012.34", "12.34", "kPa", "0"}},
      {{kTime + 1, "05", Quantity::kTemperature, "ERR 0\r", std::nullopt, "℃", true},
       {"2026-12-08T10:03:04.124", "05", "temperature", "ERR 0\r", "", "℃", "1"}},
      {{kTime, "12", Quantity::kPressure, "+@OVER", std::nullopt, "kgf/cm2", false},
       {"2026-12-08T10:03:04.123", "12", "pressure", "+@OVER", "", "kgf/cm2", "0"}},
      {{kTime, "0,1", Quantity::kPressure, "\"1,5\"\n", -0.5, " 单位 ", false},
       {"2026-12-08T10:03:04.123", "0,1", "pressure", "\"1,5\"\n", "-0.5", " 单位 ", "0"}},
      {{kTime, "", Quantity::kPressure, "", 1e21, "", false},
       {"2026-12-08T10:03:04.123", "", "pressure", "", "1e+21", "", "0"}},
  };
  for (const Case& c : cases) {
    const std::string row = measure::ReadingCsvRow(c.reading);
    SCOPED_TRACE(row);
    const auto record = measure::ReadCsvRecord(row);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->length, row.size()) << "exactly one record";
    EXPECT_EQ(record->fields, c.fields);
  }
}

TEST_F(CsvTest, MalformedRecordsAreRefused) {
  for (const char* text : {"a,b", "a\"b,c\n", "\"a\"b,c\n", "\"never closed\n", "a\rb\n"}) {
    EXPECT_FALSE(measure::ReadCsvRecord(text).has_value()) << text;
  }
  EXPECT_EQ(measure::ReadCsvRecord("a,\"\"\r\nb\n")->fields, (Fields{"a", ""})) << "CRLF ends a record too";
}

// A German desktop writes 12,34: the log must not.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST_F(CsvTest, TheLogHasOneHeaderIsAppendedAndFlushedRowByRowWithADecimalPointInAnyLocale) {
  const std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  const auto path = Temp("log.csv");
  std::string error;
  {
    auto log = measure::ReadingLog::Open(path.string(), error);
    ASSERT_TRUE(log) << error;
    EXPECT_EQ(Contents(path), measure::kReadingCsvHeader) << "the header as soon as the file is made";
    ASSERT_TRUE(log->Write({kTime, "01", Quantity::kPressure, "+0012.34", 12.34, "kPa", false}));
    EXPECT_EQ(Records(Contents(path)).size(), 2u) << "on disk before the log is closed";
  }
  {
    auto log = measure::ReadingLog::Open(path.string(), error);
    ASSERT_TRUE(log) << error;
    ASSERT_TRUE(log->Write({kTime + 300, "01", Quantity::kTemperature, "23.5", 23.5, "℃", false}));
  }
  std::locale::global(before);
  const std::vector<Fields> records = Records(Contents(path));
  ASSERT_EQ(records.size(), 3u) << "no second header when appending";
  EXPECT_EQ(records[0], (Fields{"time", "address", "quantity", "text", "value", "unit", "failed"}));
  EXPECT_EQ(records[1][4], "12.34");
  EXPECT_EQ(records[2][4], "23.5");
  std::filesystem::remove(path);
}

TEST_F(CsvTest, TheSavedHistoryHasTheLogsColumnsAndAnUnwritablePathSaysWhy) {
  measure::ReadingHistory history;
  history.Add({kTime, "01", Quantity::kPressure, "+0012.34", 12.34, "kPa", false});
  history.Add({kTime + 300, "01", Quantity::kPressure, "ERR 0\r", std::nullopt, "kPa", true});
  const auto path = Temp("saved.csv");
  std::string error;
  ASSERT_TRUE(measure::SaveHistoryCsv(history, path.string(), error)) << error;
  EXPECT_EQ(Contents(path), std::string(measure::kReadingCsvHeader) + measure::ReadingCsvRow(history.at(0)) +
                                measure::ReadingCsvRow(history.at(1)));
  std::filesystem::remove(path);

  for (const std::string& bad :
       {std::string("/nonexistent-dir/x.csv"), std::filesystem::temp_directory_path().string()}) {
    error.clear();
    EXPECT_FALSE(measure::SaveHistoryCsv(history, bad, error));
    EXPECT_NE(error.find(bad), std::string::npos) << error;
    EXPECT_FALSE(measure::ReadingLog::Open(bad, error)) << bad;
  }
}

}  // namespace
