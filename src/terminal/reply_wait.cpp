#include "terminal/reply_wait.h"

#include <algorithm>

namespace terminal {

platform::PortResult AwaitReply(platform::SerialPort& port, const platform::Clock& clock,
                                std::uint32_t start_tick, std::int32_t timeout_ms, std::string& received,
                                const std::function<void()>& repaint) {
  const std::uint32_t limit_ms = timeout_ms > 0 ? static_cast<std::uint32_t>(timeout_ms) : 0;
  std::string chunk;
  for (;;) {
    chunk.clear();
    if (platform::PortResult failure = port.Read(chunk)) return failure;
    if (received.size() < kMaxKeptReplyBytes) {
      received.append(chunk, 0, std::min(chunk.size(), kMaxKeptReplyBytes - received.size()));
    }
    // Tested on the chunk too: a CR beyond the kept bytes still ends the wait.
    if (chunk.find('\r') != std::string::npos) return std::nullopt;
    const std::uint32_t elapsed_ms = platform::ElapsedMs(start_tick, clock.tick_ms());
    if (elapsed_ms >= limit_ms) return std::nullopt;
    repaint();
    if (platform::PortResult failure = port.WaitForInput(std::min(limit_ms - elapsed_ms, kRepaintEveryMs)))
      return failure;
  }
}

}  // namespace terminal
