#include "measure/reading_csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace measure {

namespace {

// Quoted when a spreadsheet would otherwise split or join it: a comma, a quote, a line
// break. Surrounding blanks are quoted too, so that no reader trims them away.
std::string CsvField(std::string_view text) {
  const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos &&
                     (text.empty() || (text.front() != ' ' && text.back() != ' '));
  if (plain) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace

std::string_view QuantityName(Quantity quantity) {
  return quantity == Quantity::kPressure ? "pressure" : "temperature";
}

std::string LocalIsoTime(std::int64_t time_ms) {
  std::int64_t seconds = time_ms / 1000;
  std::int64_t ms = time_ms % 1000;
  if (ms < 0) ms += 1000, --seconds;  // before 1970: milliseconds still count forwards
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) local = std::tm{};
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                static_cast<int>(ms));
  return text;
}

std::string ValueText(double value) {
  char text[64];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return ec == std::errc() ? std::string(text, end) : std::string();
}

std::string ReadingCsvRow(const Reading& r) {
  std::string row = LocalIsoTime(r.time_ms);
  for (std::string_view field :
       {std::string_view(r.address), QuantityName(r.quantity), std::string_view(r.text)}) {
    row += ',';
    row += CsvField(field);
  }
  row += ',';
  if (r.value && std::isfinite(*r.value)) row += ValueText(*r.value);
  row += ',';
  row += CsvField(r.unit);
  row += r.failed ? ",1\n" : ",0\n";
  return row;
}

std::optional<CsvRecord> ReadCsvRecord(std::string_view text) {
  CsvRecord record;
  std::size_t i = 0;
  while (true) {
    std::string field;
    if (i < text.size() && text[i] == '"') {
      ++i;
      while (true) {
        if (i >= text.size()) return std::nullopt;  // never closed
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += text[i++];
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
        if (text[i] == '"') return std::nullopt;
        field += text[i++];
      }
    }
    record.fields.push_back(std::move(field));
    if (i >= text.size()) return std::nullopt;  // a record ends with its line end
    if (text[i] == ',') {
      ++i;
      continue;
    }
    if (text[i] == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n') return std::nullopt;
      ++i;
    }
    if (text[i] != '\n') return std::nullopt;
    record.length = i + 1;
    return record;
  }
}

}  // namespace measure
