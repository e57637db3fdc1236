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

}  // namespace measure
