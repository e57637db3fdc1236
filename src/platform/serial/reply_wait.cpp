#include "platform/serial/reply_wait.h"

#include <algorithm>

namespace platform {

PortResult AwaitReply(SerialPort& port, const Clock& clock, std::uint32_t start_tick,
                      std::uint32_t timeout_ms, std::string& received, const std::function<void()>& waiting) {
  std::string chunk;
  for (;;) {
    chunk.clear();
    if (PortResult failure = port.Read(chunk)) return failure;
    // Past the bound the text can no longer be a reply; keep waiting out the time-out
    // (the result stays the failure) but stop growing.
    if (received.size() < kMaxKeptReplyBytes) {
      received.append(chunk, 0, std::min(chunk.size(), kMaxKeptReplyBytes - received.size()));
    }
    // Tested on the chunk too: a CR beyond the kept bytes still ends the wait. Whatever
    // followed the CR in the same read stays: the reply's check then rejects it.
    if (chunk.find('\r') != std::string::npos) return std::nullopt;
    const std::uint32_t elapsed_ms = ElapsedMs(start_tick, clock.tick_ms());
    if (elapsed_ms >= timeout_ms) return std::nullopt;
    if (waiting) waiting();
    if (PortResult failure = port.WaitForInput(std::min(timeout_ms - elapsed_ms, kRepaintEveryMs)))
      return failure;
  }
}

}  // namespace platform
