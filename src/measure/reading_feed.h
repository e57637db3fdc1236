#pragma once
// The readings of the polling, handed to whoever listens (history, CSV log, chart). The
// polling builds a reading only when someone listens.

#include <cstdint>
#include <functional>
#include <vector>

#include "measure/reading.h"
#include "platform/clock.h"

namespace measure {

class ReadingFeed {
 public:
  using Listener = std::function<void(const Reading&)>;

  // Readings are stamped with `clock`'s wall clock, the one the trace records carry, so
  // a reading and its exchange in the trace show the same time; a virtual clock gives
  // tests times they can know.
  explicit ReadingFeed(const platform::Clock& clock) : clock_(clock) {}

  // The wall-clock time now, in milliseconds since 1970-01-01 UTC.
  std::int64_t NowMs() const;

  // Adds a listener; the number returned forgets it again.
  int Listen(Listener listener);
  void Forget(int id);
  bool HasListeners() const { return !listeners_.empty(); }

  void Publish(const Reading& reading) const;

 private:
  const platform::Clock& clock_;
  std::vector<std::pair<int, Listener>> listeners_;
  int next_id_ = 0;
};

}  // namespace measure
