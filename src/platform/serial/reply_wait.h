#pragma once
// Waiting for a reply: read what has arrived, stop once a carriage return is in it or the
// time-out has run out, otherwise sleep in the port until more arrives. The read comes
// before the time check, so even a time-out of 0 reads once. The port's own wait blocks in
// the operating system, so a waiting exchange costs no CPU. Both programs wait this way.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"

namespace platform {

// A device that streams without ever sending a CR must not grow the reply without bound;
// what lies beyond this is dropped, and such a reply fails its checks anyway.
inline constexpr std::size_t kMaxKeptReplyBytes = 4096;

// The longest sleep in the port at a time: between sleeps the window is repainted.
inline constexpr std::uint32_t kRepaintEveryMs = 500;

// Appends the reply to `received`. `start_tick` is the tick count noted before or after
// the write; the time-out counts from there, across the 32-bit counter's wrap. `waiting`
// runs before each sleep (the window repaints there). Returns the serial layer's failure,
// if any.
PortResult AwaitReply(SerialPort& port, const Clock& clock, std::uint32_t start_tick,
                      std::uint32_t timeout_ms, std::string& received, const std::function<void()>& waiting);

}  // namespace platform
