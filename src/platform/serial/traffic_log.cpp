#include "platform/serial/traffic_log.h"

#include <algorithm>

#include "platform/text/numeric_value.h"

namespace platform {

namespace {

bool IsReceivedBytes(const TrafficRecord& r) {
  return r.kind == TrafficKind::kBytes && r.dir == Direction::kRx;
}

// How long the line must stay quiet to end a reply, from the baud rate that leads the
// settings text ("1200,n,8,1"): ten bits a character.
std::uint64_t QuietUs(const std::string& settings) {
  const double baud = NumericValue(settings);
  const std::uint64_t quiet =
      baud > 0 ? static_cast<std::uint64_t>(TrafficLog::kQuietCharacters * 10 * 1e6 / baud) : 0;
  return std::max(quiet, TrafficLog::kQuietMinUs);
}

}  // namespace

bool TrafficLog::Gathers(const TrafficRecord& record) const {
  if (!gather_received_ || records_.empty() || !IsReceivedBytes(record)) return false;
  const TrafficRecord& newest = records_.back();
  return IsReceivedBytes(newest) && newest.port == record.port && newest.device == record.device &&
         !newest.bytes.empty() && newest.bytes.back() != '\r' && record.t_us >= last_rx_us_ &&
         record.t_us - last_rx_us_ <= QuietUs(newest.settings);
}

void TrafficLog::Take(const TrafficRecord& record) {
  if (capacity_ == 0) return;
  if (Gathers(record)) {
    records_.back().bytes += record.bytes;
  } else {
    if (records_.size() == capacity_) records_.pop_front();
    records_.push_back(record);
    ++next_number_;
  }
  if (IsReceivedBytes(record)) last_rx_us_ = record.t_us;
  if (on_record_) on_record_();
}

}  // namespace platform
