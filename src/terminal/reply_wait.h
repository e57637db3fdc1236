#pragma once
// Waiting for a test-mode reply: read what has arrived, stop once a carriage return is in
// it or the time-out has run out, otherwise sleep in the port until more arrives. The
// read comes before the time check, so even a time-out of 0 reads once. The port's own
// wait blocks in the operating system, so a waiting send costs no CPU.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"

namespace terminal {

// A device that streams without ever sending a CR must not grow the reply without bound;
// what lies beyond this is dropped, and such a reply fails its checks anyway.
inline constexpr std::size_t kMaxKeptReplyBytes = 4096;

// The longest sleep in the port at a time: between sleeps the window is repainted.
inline constexpr std::uint32_t kRepaintEveryMs = 500;

// Appends the reply to `received`. `start_tick` is the tick count noted after the write;
// the time-out counts from there, across the 32-bit counter's wrap. A negative time-out
// acts as 0. `repaint` runs before each sleep. Returns the serial layer's failure, if any.
platform::PortResult AwaitReply(platform::SerialPort& port, const platform::Clock& clock,
                                std::uint32_t start_tick, std::int32_t timeout_ms, std::string& received,
                                const std::function<void()>& repaint);

}  // namespace terminal
