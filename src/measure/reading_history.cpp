#include "measure/reading_history.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace measure {

namespace {

constexpr std::uint8_t kTemperatureFlag = 1;
constexpr std::uint8_t kFailedFlag = 2;
constexpr std::uint8_t kLongText = 0xff;

}  // namespace

ReadingHistory::ReadingHistory(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

std::uint16_t ReadingHistory::NameIndex(const std::string& name) {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found != names_.end()) return static_cast<std::uint16_t>(found - names_.begin());
  // Addresses come from the search's list and units from the unit list, so the table
  // stays small; should it ever fill, later new names share its last slot.
  if (names_.size() > std::numeric_limits<std::uint16_t>::max())
    return std::numeric_limits<std::uint16_t>::max();
  names_.push_back(name);
  return static_cast<std::uint16_t>(names_.size() - 1);
}

void ReadingHistory::Add(const Reading& r) {
  Entry e{};
  e.time_ms = r.time_ms;
  e.value = r.value && std::isfinite(*r.value) ? *r.value : std::numeric_limits<double>::quiet_NaN();
  e.address = NameIndex(r.address);
  e.unit = NameIndex(r.unit);
  e.flags = (r.quantity == Quantity::kTemperature ? kTemperatureFlag : 0) | (r.failed ? kFailedFlag : 0);
  if (r.text.size() <= kInlineText) {
    e.text_size = static_cast<std::uint8_t>(r.text.size());
    std::memcpy(e.text, r.text.data(), r.text.size());
  } else {
    e.text_size = kLongText;
    const std::uint64_t number = first_long_text_ + long_texts_.size();
    std::memcpy(e.text, &number, sizeof number);
    long_texts_.push_back(r.text);
    long_text_bytes_ += r.text.size();
  }
  entries_.push_back(e);
  ++added_;
  while (entries_.size() > capacity_ || (long_text_bytes_ > kLongTextBudget && entries_.size() > 1))
    DropOldest();
}

void ReadingHistory::DropOldest() {
  if (entries_.front().text_size == kLongText) {
    long_text_bytes_ -= long_texts_.front().size();
    long_texts_.pop_front();
    ++first_long_text_;
  }
  entries_.pop_front();
}

ReadingHistory::Sample ReadingHistory::sample(std::size_t index) const {
  const Entry& e = entries_.at(index);
  const bool temperature = (e.flags & kTemperatureFlag) != 0;
  return {.time_ms = e.time_ms,
          .value = e.value,
          .curve = (std::uint64_t{e.address} << 17) | (std::uint64_t{e.unit} << 1) | (temperature ? 1 : 0),
          .quantity = temperature ? Quantity::kTemperature : Quantity::kPressure,
          .failed = (e.flags & kFailedFlag) != 0};
}

std::size_t ReadingHistory::FirstAtOrAfter(std::int64_t time_ms) const {
  const auto first = std::partition_point(entries_.begin(), entries_.end(),
                                          [time_ms](const Entry& e) { return e.time_ms < time_ms; });
  return static_cast<std::size_t>(first - entries_.begin());
}

Reading ReadingHistory::at(std::size_t index) const {
  const Entry& e = entries_.at(index);
  Reading r;
  r.time_ms = e.time_ms;
  r.address = names_[std::min<std::size_t>(e.address, names_.size() - 1)];
  r.quantity = (e.flags & kTemperatureFlag) ? Quantity::kTemperature : Quantity::kPressure;
  if (e.text_size == kLongText) {
    std::uint64_t number = 0;
    std::memcpy(&number, e.text, sizeof number);
    r.text = long_texts_[number - first_long_text_];
  } else {
    r.text.assign(e.text, e.text_size);
  }
  if (!std::isnan(e.value)) r.value = e.value;
  r.unit = names_[std::min<std::size_t>(e.unit, names_.size() - 1)];
  r.failed = (e.flags & kFailedFlag) != 0;
  return r;
}

}  // namespace measure
