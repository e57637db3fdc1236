#include "config/apply_report.h"

#include <algorithm>
#include <filesystem>

#include "platform/appending_file.h"
#include "platform/file_contents.h"
#include "platform/text/csv_field.h"

namespace config {

namespace {

// The report's columns that the history reads.
constexpr std::size_t kAddressColumn = 2;
constexpr std::size_t kSerialColumn = 4;
constexpr std::size_t kVerdictColumn = 13;
// A report of many thousand rows is still far below this.
constexpr std::size_t kLargestReport = 64 * 1024 * 1024;

int AddressNumber(const std::string& text) {
  if (text.size() != 2 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoi(text);
}

std::string Differences(const std::vector<SettingDifference>& differences) {
  std::string text;
  for (const SettingDifference& d : differences) {
    if (!text.empty()) text += "; ";
    text += d.name + " " + d.wanted + "/" + d.got;
  }
  return text;
}

}  // namespace

std::string ReportHeader() {
  return "time,port,address,type,serial,version,unit,decimal_point,range_low,range_high,output_4ma,output_"
         "20ma,"
         "stored,verdict,differences\n";
}

std::string FormatReportRow(const ReportRow& r) {
  const ShownSettings& s = r.read_back;
  const std::string fields[] = {r.time,
                                std::to_string(r.port),
                                r.address,
                                r.type,
                                r.serial,
                                r.version,
                                std::to_string(s.unit),
                                std::to_string(s.decimal_point),
                                s.range_low,
                                s.range_high,
                                s.output_4ma,
                                s.output_20ma,
                                std::string(StoreAreaName(r.stored)),
                                r.passed ? "passed" : "failed",
                                Differences(r.differences)};
  std::string line;
  for (const std::string& field : fields) line += platform::CsvField(field) + ",";
  line.back() = '\n';
  return line;
}

bool ReportWritable(const std::string& path) {
  std::string error;
  return platform::AppendingFile::Open(path, "", error) != nullptr;
}

bool AppendReportRow(const std::string& path, const ReportRow& row) {
  std::string error;
  return platform::AppendToFile(path, ReportHeader(), FormatReportRow(row), error);
}

ReportHistory HistoryOf(std::string_view report_text) {
  ReportHistory history;
  for (const std::vector<std::string>& fields : platform::CsvRecords(report_text)) {
    if (fields.size() <= kVerdictColumn || fields[kVerdictColumn] != "passed") continue;
    history.highest_passed_address =
        std::max(history.highest_passed_address, AddressNumber(fields[kAddressColumn]));
    if (!fields[kSerialColumn].empty()) history.passed_serials.insert(fields[kSerialColumn]);
  }
  return history;
}

std::optional<ReportHistory> ReadReportHistory(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return ReportHistory{};
  std::string text;
  if (platform::ReadSmallFile(path, kLargestReport, text) != platform::SmallFileRead::kRead)
    return std::nullopt;
  return HistoryOf(text);
}

}  // namespace config
