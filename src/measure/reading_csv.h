#pragma once
// The measurement log's format: CSV as spreadsheets read it (comma separated, UTF-8,
// fields quoted when they hold a comma, a quote or a line break), one row per reading:
//
//   time,address,quantity,text,value,unit,failed
//   2026-12-08T10:03:04.123,01,pressure,+0012.34,12.34,kPa,0
//
// Numbers are written with a decimal point whatever the locale, so a file written on
// one machine reads the same on another.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "measure/reading.h"

namespace measure {

inline constexpr std::string_view kReadingCsvHeader = "time,address,quantity,text,value,unit,failed\n";

// "pressure" or "temperature".
std::string_view QuantityName(Quantity quantity);

// The shortest text that reads back as the same number: "12.34", "40", "-0.5", "1e+21".
std::string ValueText(double value);

// One row, ending with a line feed.
std::string ReadingCsvRow(const Reading& reading);

// One record read from the start of `text` as a spreadsheet reads it: its fields and
// the characters it took, its line end included. nullopt when the text is not one
// well-formed record (a quote inside an unquoted field, text after a closing quote, a
// quoted field that never closes, no line end).
struct CsvRecord {
  std::vector<std::string> fields;
  std::size_t length = 0;
};
std::optional<CsvRecord> ReadCsvRecord(std::string_view text);

}  // namespace measure
