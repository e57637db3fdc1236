#pragma once
// The records a window shows: the most recent ones, up to a bound, so that a monitor left
// open for a day does not grow. Each record gets a running number, so a view can ask for
// what came after the last one it showed, even when older ones have been dropped since.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/serial/traffic_recorder.h"

namespace platform {

class TrafficLog final : public TrafficSink {
 public:
  static constexpr std::size_t kDefaultCapacity = 10000;

  explicit TrafficLog(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

  void Take(const TrafficRecord& record) override;

  // Told after each new record (in the thread that made it).
  void set_on_record(std::function<void()> on_record) { on_record_ = std::move(on_record); }

  std::size_t size() const { return records_.size(); }
  // The running number of the oldest record kept, and one past the newest.
  std::uint64_t first_number() const { return next_number_ - records_.size(); }
  std::uint64_t next_number() const { return next_number_; }
  // The record with running number `number`; it must lie in [first_number, next_number).
  const TrafficRecord& At(std::uint64_t number) const { return records_[number - first_number()]; }

  void Clear() { records_.clear(); }

 private:
  std::size_t capacity_;
  std::deque<TrafficRecord> records_;
  std::uint64_t next_number_ = 0;
  std::function<void()> on_record_;
};

}  // namespace platform
