#include "measure/reading_csv.h"

#include <cmath>

#include "platform/clock.h"
#include "platform/text/csv_field.h"
#include "platform/text/decimal_text.h"

namespace measure {

std::string_view QuantityName(Quantity quantity) {
  return quantity == Quantity::kPressure ? "pressure" : "temperature";
}

std::string ValueText(double value) { return platform::ShortestDecimalText(value); }

std::string ReadingCsvRow(const Reading& r) {
  std::string row = platform::LocalIsoTime(r.time_ms);
  for (std::string_view field :
       {std::string_view(r.address), QuantityName(r.quantity), std::string_view(r.text)}) {
    row += ',';
    row += platform::CsvField(field);
  }
  row += ',';
  if (r.value && std::isfinite(*r.value)) row += ValueText(*r.value);
  row += ',';
  row += platform::CsvField(r.unit);
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
