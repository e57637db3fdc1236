// The wait for a line's output to drain: it ends drained only when the queue is empty.
#include "platform/serial/line_drain.h"

#include <gtest/gtest.h>

#include "platform/os/tty_control.h"

namespace {

TEST(LineDrain, ADeadlinePassedWithBytesQueuedIsNoDrain) {
  const struct {
    std::optional<std::size_t> queued;  // what every look at the queue sees
    bool drained;
  } cases[] = {
      {10, false},           // a line held by its handshake
      {0, true},             // nothing queued
      {std::nullopt, true},  // the device cannot tell
  };
  const platform::LineSettings line;
  for (const auto& c : cases) {
    // A deadline already past: the answer comes from the first look, without waiting.
    EXPECT_EQ(
        platform::WaitForQueueToEmpty([&c] { return c.queued; }, line, std::chrono::steady_clock::now()),
        c.drained)
        << c.queued.value_or(99);
  }
  EXPECT_FALSE(platform::os::QueuedOutputBytes(-1)) << "no descriptor";
}

}  // namespace
