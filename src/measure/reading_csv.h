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
#include <string>
#include <string_view>

#include "measure/reading.h"

namespace measure {

inline constexpr std::string_view kReadingCsvHeader = "time,address,quantity,text,value,unit,failed\n";

// "pressure" or "temperature".
std::string_view QuantityName(Quantity quantity);

// The shortest text that reads back as the same number: "12.34", "40", "-0.5", "1e+21".
std::string ValueText(double value);

// One row, ending with a line feed.
std::string ReadingCsvRow(const Reading& reading);

}  // namespace measure
