// The report row: every column in its place, and texts from a transmitter that hold the
// file's own marks quoted so the row keeps its columns.
#include "config/apply_report.h"

#include <gtest/gtest.h>

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

}  // namespace
