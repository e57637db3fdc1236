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

  // Gathering: received bytes join the newest record while it holds received bytes of the
  // same port that do not end a reply (no CR at their end) and the line has not been
  // quiet since for kQuietCharacters character times (at the least kQuietMinUs). A slow
  // line delivers a reply a byte or two at a time; a reader wants it on one row. Only the
  // newest record ever grows. Off by
  // default: each chunk stays its own record, as the trace file has it.
  void set_gather_received(bool gather) { gather_received_ = gather; }
  static constexpr int kQuietCharacters = 5;
  // A USB adapter hands on what it received every few milliseconds, whatever the baud rate.
  static constexpr std::uint64_t kQuietMinUs = 20000;

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
  bool Gathers(const TrafficRecord& record) const;

  std::uint64_t next_number_ = 0;
  std::uint64_t last_rx_us_ = 0;  // when the newest record's last received bytes came
  bool gather_received_ = false;
  std::function<void()> on_record_;
};

}  // namespace platform
