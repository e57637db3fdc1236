#pragma once
// What one poll's result shows and whether the poll counts as failed. The polling of the
// selected transmitter and the bus poll judge their results here, so a reading means the
// same in the panel, the bus view, the chart and the log.

#include <cstdint>
#include <string>
#include <string_view>

#include "measure/reading.h"

namespace measure {

struct PollOutcome {
  std::string text;  // what the box shows: the value, or the whole result of a failed poll
  bool failed = false;
};

// A pressure result must be longer than 8 characters ("*", the address, at least five
// value characters and the CR); its value is shown as the transmitter wrote it.
PollOutcome PressureOutcome(std::string_view result);

// A temperature result counts when it carries a value and is no failure result; its value
// is shown with one decimal. A pulled cable must never read as 0 °C.
PollOutcome TemperatureOutcome(std::string_view result);

// The outcome of asking `quantity`.
PollOutcome OutcomeOf(Quantity quantity, std::string_view result);

// The reading of a poll sent at `time_ms`: a failed poll has no value, nor has an
// overflow mark ("+@OVER").
Reading ReadingOf(std::int64_t time_ms, std::string address, Quantity quantity, const PollOutcome& outcome,
                  std::string unit);

}  // namespace measure
