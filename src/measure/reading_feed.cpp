#include "measure/reading_feed.h"

#include <algorithm>

namespace measure {

std::int64_t ReadingFeed::NowMs() const { return clock_.wall_ms(); }

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
