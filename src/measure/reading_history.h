#pragma once
// The readings of this run, kept in memory for the chart and for saving: the newest
// 288,000 (a day of polling at 300 ms) in about 12 MB. Each reading is stored in 40
// bytes: its text inline when it is short, as polling texts are ("+0012.34", "23.5",
// "ERR 0\r"), its address and unit as indexes into a small table of the names seen.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "measure/reading.h"

namespace measure {

class ReadingHistory {
 public:
  static constexpr std::size_t kDayOfPolling = 24 * 60 * 60 * 1000 / 300;
  // Texts too long to keep inline (a transmitter answering garbage of up to 4 KB) are
  // kept apart, and the oldest readings go early when they would pass this many bytes.
  static constexpr std::size_t kLongTextBudget = 4 * 1024 * 1024;

  explicit ReadingHistory(std::size_t capacity = kDayOfPolling);

  void Add(const Reading& reading);

  // Readings kept, the oldest at 0.
  std::size_t size() const { return entries_.size(); }
  Reading at(std::size_t index) const;
  // Readings ever added: the index in the whole run of the one after the newest.
  std::uint64_t added() const { return added_; }

  // A reading without its texts, for drawing thousands at a time.
  struct Sample {
    std::int64_t time_ms = 0;
    double value = 0;  // NaN: none (a failed poll or an overflow mark)
    // The same for every reading of one address, quantity and unit, and for no other.
    std::uint64_t curve = 0;
    Quantity quantity = Quantity::kPressure;
    bool failed = false;
  };
  Sample sample(std::size_t index) const;
  // The first reading at `time_ms` or later (size() when none). Readings come in time
  // order; after the system clock was set back they do not, and the answer is then one
  // near it.
  std::size_t FirstAtOrAfter(std::int64_t time_ms) const;

 private:
  static constexpr std::size_t kInlineText = 18;
  struct Entry {
    std::int64_t time_ms;
    double value;  // NaN: none
    std::uint16_t address;
    std::uint16_t unit;
    std::uint8_t flags;
    std::uint8_t text_size;  // kLongText: the text is in long_texts_
    char text[kInlineText];  // or the long text's number
  };
  static_assert(sizeof(Entry) == 40);

  std::uint16_t NameIndex(const std::string& name);
  void DropOldest();

  std::size_t capacity_;
  std::deque<Entry> entries_;
  std::deque<std::string> long_texts_;
  std::uint64_t first_long_text_ = 0;  // number of long_texts_.front()
  std::size_t long_text_bytes_ = 0;
  std::vector<std::string> names_;  // addresses and units: a handful in a run
  std::uint64_t added_ = 0;
};

}  // namespace measure
