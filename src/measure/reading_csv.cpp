#include "measure/reading_csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/clock.h"
#include "platform/text/csv_field.h"

namespace measure {

std::string_view QuantityName(Quantity quantity) {
  return quantity == Quantity::kPressure ? "pressure" : "temperature";
}

std::string ValueText(double value) {
  char text[64];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return ec == std::errc() ? std::string(text, end) : std::string();
}

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

}  // namespace measure
