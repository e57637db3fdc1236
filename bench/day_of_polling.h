#pragma once
// A day of polling as the panel hands it on: pressure and temperature in turn every
// 300 ms from transmitter 01, texts as the panel shows them, one poll in twenty failed.

#include <cstdio>
#include <cstdint>
#include <optional>

#include "measure/reading.h"

namespace bench {

inline measure::Reading DayOfPollingReading(std::size_t i) {
  using measure::Quantity;
  const bool pressure = i % 2 == 1;
  const bool failed = i % 20 == 1;
  char text[32];
  if (pressure) {
    std::snprintf(text, sizeof text, "%+08.1f", 40.0 + static_cast<double>(i % 997) / 100);
  } else {
    std::snprintf(text, sizeof text, "%.1f", 23.5 + static_cast<double>(i % 13) / 10);
  }
  return {1'796'688'000'000 + static_cast<std::int64_t>(i) * 300,
          "01",
          pressure ? Quantity::kPressure : Quantity::kTemperature,
          failed ? "ERR 0\r" : text,
          failed ? std::nullopt : std::optional<double>(i * 0.01),
          pressure ? "kPa" : "℃",
          failed};
}

}  // namespace bench
