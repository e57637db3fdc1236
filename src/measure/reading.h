#pragma once
// One poll of the measurement panel as data: what the window showed for it and whether
// the poll counted as failed. The history, the CSV log and the chart all keep or show
// these, so they agree with the panel by construction.

#include <cstdint>
#include <optional>
#include <string>

namespace measure {

enum class Quantity : std::uint8_t { kPressure, kTemperature };

struct Reading {
  std::int64_t time_ms = 0;  // wall-clock time, milliseconds since 1970-01-01 UTC
  std::string address;       // CMB_ADDR's text when the poll went out
  Quantity quantity = Quantity::kPressure;
  std::string text;             // the box's text after the poll, as shown
  std::optional<double> value;  // its number; none for a failed poll or an overflow mark
  std::string unit;             // the unit label beside the box at that moment
  bool failed = false;          // the poll moved its failure counter

  bool operator==(const Reading&) const = default;
};

}  // namespace measure
