#include "platform/serial/line_drain.h"

#include <algorithm>
#include <thread>

#include "platform/os/tty_control.h"

namespace platform {

namespace {

// Looks often enough that a drained line is noticed within a few bytes at 9600 baud,
// seldom enough that a slow line costs no CPU to speak of.
constexpr std::chrono::microseconds kShortestLook{1'000};
constexpr std::chrono::microseconds kLongestLook{20'000};

}  // namespace

std::chrono::microseconds DrainBudget(std::size_t pending, const LineSettings& line) {
  return std::chrono::microseconds(static_cast<std::int64_t>(pending * line.ByteTimeUs())) + kDrainMargin;
}

bool WaitForLineToDrain(int fd, const LineSettings& line, std::chrono::steady_clock::time_point deadline) {
  return WaitForQueueToEmpty([fd] { return os::QueuedOutputBytes(fd); }, line, deadline);
}

bool WaitForQueueToEmpty(const QueuedBytes& look, const LineSettings& line,
                         std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    const std::optional<std::size_t> queued = look();
    if (!queued || *queued == 0) return true;  // nothing more to wait for
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    const auto left = std::chrono::microseconds(static_cast<std::int64_t>(*queued * line.ByteTimeUs()));
    const auto look = std::clamp(left, kShortestLook, kLongestLook);
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(look, deadline - now));
  }
}

}  // namespace platform
