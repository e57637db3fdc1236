#pragma once
// The report of a batch: one CSV row per apply, passed or not, so that afterwards every
// transmitter's settings can be shown as they were read back. UTF-8, comma separated, a
// header row when the file is new; each row is appended and flushed at once, so a crash
// loses nothing already reported.
//
//   time,port,address,type,serial,version,unit,decimal_point,range_low,range_high,
//   output_4ma,output_20ma,stored,verdict,differences

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings_file.h"
#include "config/shown_settings.h"

namespace config {

struct ReportRow {
  std::string time;  // "2026-12-08T10:03:04.123"
  int port = 0;
  std::string address;
  std::string type;
  std::string serial;
  std::string version;
  ShownSettings read_back;  // unit and decimal point as codes, pressures as read
  StoreArea stored = StoreArea::kNone;
  bool passed = false;
  std::vector<SettingDifference> differences;
};

std::string ReportHeader();
// One line, with its line break; a field holding a comma, quote or line break is quoted.
std::string FormatReportRow(const ReportRow& row);

// Creates the file when it is missing; false when it cannot be written. Asked before a
// transmitter is touched, so that no apply goes unreported.
bool ReportWritable(const std::string& path);

// Appends the row, after the header when the file is empty; false when it failed.
bool AppendReportRow(const std::string& path, const ReportRow& row);

// What a report already holds for a production station to go on from: the highest
// address of a passed row, and the serial numbers that passed. Rows that are not the
// report's (too few columns, the header) count for nothing.
struct ReportHistory {
  int highest_passed_address = 0;  // 0: no passed row with an address
  std::set<std::string, std::less<>> passed_serials;
};
ReportHistory HistoryOf(std::string_view report_text);
// Nothing when the file exists but cannot be read; a missing file has no history.
std::optional<ReportHistory> ReadReportHistory(const std::string& path);

}  // namespace config
