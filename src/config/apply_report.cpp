#include "config/apply_report.h"

#include "platform/appending_file.h"
#include "platform/text/csv_field.h"

namespace config {

namespace {

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

}  // namespace config
