#include "config/apply_report.h"

#include <cstdio>

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
  std::FILE* f = std::fopen(path.c_str(), "ab");
  return f != nullptr && std::fclose(f) == 0;
}

bool AppendReportRow(const std::string& path, const ReportRow& row) {
  std::FILE* f = std::fopen(path.c_str(), "ab");
  if (f == nullptr) return false;
  std::string text = FormatReportRow(row);
  if (std::fseek(f, 0, SEEK_END) == 0 && std::ftell(f) == 0) text = ReportHeader() + text;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
  return std::fclose(f) == 0 && written;
}

}  // namespace config
