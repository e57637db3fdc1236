#include "platform/serial/traffic_log.h"

namespace platform {

void TrafficLog::Take(const TrafficRecord& record) {
  if (capacity_ == 0) return;
  if (records_.size() == capacity_) records_.pop_front();
  records_.push_back(record);
  ++next_number_;
  if (on_record_) on_record_();
}

}  // namespace platform
