// Any reply text, address or unit gives one well-formed CSV row of the measurement log
// that reads back to the same fields, and the history gives the same reading back.
// Input: a flags byte, then address, text and unit separated by 0xff bytes.
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "measure/reading_csv.h"
#include "measure/reading_history.h"
#include "platform/clock.h"
#include "platform/text/numeric_value.h"
#include "tests/support/csv_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<std::string> parts;
  for (int k = 0; k < 2; ++k) {
    const std::size_t cut = rest.find('\xff');
    parts.emplace_back(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  }
  parts.emplace_back(rest);

  measure::Reading r;
  r.time_ms = 1'796'688'000'000 + static_cast<std::int64_t>(flags) * 123'457;
  r.address = parts[0];
  r.quantity = (flags & 1) ? measure::Quantity::kTemperature : measure::Quantity::kPressure;
  r.text = parts[1];
  r.failed = (flags & 2) != 0;
  if (!r.failed) r.value = platform::LeadingNumber(r.text);
  r.unit = parts[2];

  const std::string row = measure::ReadingCsvRow(r);
  const auto record = testing_support::ReadCsvRecord(row);
  if (!record || record->length != row.size()) __builtin_trap();  // exactly one record
  const std::vector<std::string> expected = {platform::LocalIsoTime(r.time_ms),
                                             r.address,
                                             std::string(measure::QuantityName(r.quantity)),
                                             r.text,
                                             r.value ? measure::ValueText(*r.value) : "",
                                             r.unit,
                                             r.failed ? "1" : "0"};
  if (record->fields != expected) __builtin_trap();
  if (r.value) {
    double back = 0;
    const std::string& v = record->fields[4];
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), back);
    if (ec != std::errc() || end != v.data() + v.size() || back != *r.value) __builtin_trap();
  }

  measure::ReadingHistory history(2);
  history.Add(r);
  if (!(history.at(0) == r)) __builtin_trap();
  return 0;
}
