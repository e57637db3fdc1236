#include "measure/reading_feed.h"

#include <algorithm>

namespace measure {

ReadingFeed::ReadingFeed(const platform::Clock& clock, std::int64_t wall_ms_at_start)
    : clock_(clock), wall_ms_at_start_(wall_ms_at_start), clock_us_at_start_(clock.now_us()) {}

std::int64_t ReadingFeed::NowMs() const {
  return wall_ms_at_start_ + static_cast<std::int64_t>((clock_.now_us() - clock_us_at_start_) / 1000);
}

int ReadingFeed::Listen(Listener listener) {
  listeners_.emplace_back(next_id_, std::move(listener));
  return next_id_++;
}

void ReadingFeed::Forget(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ReadingFeed::Publish(const Reading& reading) const {
  for (const auto& [id, listener] : listeners_) listener(reading);
}

}  // namespace measure
