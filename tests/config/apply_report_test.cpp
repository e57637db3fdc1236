// The report row: every column in its place, and texts from a transmitter that hold the
// file's own marks quoted so the row keeps its columns.
#include "config/apply_report.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ApplyReport, ARowKeepsItsColumnsWhateverTheTransmitterAnswered) {
  config::ReportRow row;
  row.time = "2026-12-08T10:03:04.123";
  row.port = 3;
  row.address = "07";
  row.type = "86,\"A\"";
  row.serial = " 0";
  row.version = "1.50\r";
  row.read_back = {4, 1, "+000.0", "+016.0", "+000.0", "+100.0", "+0000", "-0150"};
  row.stored = config::StoreArea::kNone;
  row.differences = {{"RangeHigh", "100", "+016.0"}, {"Store", "user", "none"}};
  EXPECT_EQ(config::FormatReportRow(row),
            "2026-12-08T10:03:04.123,3,07,\"86,\"\"A\"\"\",\" "
            "0\",\"1.50\r\",4,1,+000.0,+016.0,+000.0,+100.0,none,failed,"
            "RangeHigh 100/+016.0; Store user/none\n");
  EXPECT_EQ(
      config::ReportHeader(),
      "time,port,address,type,serial,version,unit,decimal_point,range_low,range_high,output_4ma,output_20ma,"
      "stored,verdict,differences\n");
}

TEST(ApplyReport, TheHistoryKnowsTheHighestPassedAddressAndThePassedSerialNumbers) {
  const std::string report =
      config::ReportHeader() +
      "t,1,07,86000000,08100007,2.10,4,1,+000.0,+250.0,+000.0,+200.0,user,passed,\n"
      "t,1,01,86000000,08100009,2.10,4,1,+000.0,+250.0,+000.0,+200.0,none,failed,"
      "\"RangeHigh 250/+100.0; Store user/none\"\n"
      "t,1,\"0,9\",86000000,08100008,2.10,4,1,,,,,user,passed,\n"  // no address of ours
      "t,1,12,86000000,\"0810\"\"0012\",2.10,4,1\r\n"              // too few columns
      "t,1,03,86000000,08100003,2.10,4,1,+000.0,+250.0,+000.0,+200.0,user,passed,\r\n";
  const config::ReportHistory history = config::HistoryOf(report);
  EXPECT_EQ(history.highest_passed_address, 7);
  EXPECT_EQ(history.passed_serials, (std::set<std::string, std::less<>>{"08100003", "08100007", "08100008"}));
  EXPECT_EQ(config::HistoryOf("").highest_passed_address, 0);
  EXPECT_EQ(config::ReadReportHistory("/nonexistent-dir/r.csv")->passed_serials.size(), 0u) << "a new report";
}

}  // namespace
