#include "measure/poll_outcome.h"

#include "platform/text/numeric_value.h"
#include "platform/text/utf8_text.h"
#include "protocol/frame.h"
#include "shell/reply_fill.h"

namespace measure {

namespace {

constexpr std::size_t kPressureFailLength = 8;

}  // namespace

PollOutcome PressureOutcome(std::string_view result) {
  // The length as the box counts its text: in characters, not UTF-8 bytes.
  if (platform::utf8::CountCharacters(result) > kPressureFailLength)
    return {protocol::ValueCut(result), false};
  return {std::string(result), true};
}

PollOutcome TemperatureOutcome(std::string_view result) {
  if (std::optional<std::string> reading = shell::TemperatureReading(result))
    return {std::move(*reading), false};
  return {std::string(result), true};
}

PollOutcome OutcomeOf(Quantity quantity, std::string_view result) {
  return quantity == Quantity::kPressure ? PressureOutcome(result) : TemperatureOutcome(result);
}

Reading ReadingOf(std::int64_t time_ms, std::string address, Quantity quantity, const PollOutcome& outcome,
                  std::string unit) {
  Reading r{.time_ms = time_ms,
            .address = std::move(address),
            .quantity = quantity,
            .text = outcome.text,
            .value = std::nullopt,
            .unit = std::move(unit),
            .failed = outcome.failed};
  if (!r.failed) r.value = platform::LeadingNumber(r.text);
  return r;
}

}  // namespace measure
