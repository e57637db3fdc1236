#pragma once
// Waiting for a tty's output to leave the line before it is closed. Closing a port
// restores the line settings it had before it was opened without waiting for the
// output: on a real UART the tail of a text would go out at the old rate, or not at all.
// Every wait here is bounded by the wire time of what is queued plus a margin, so a line
// held up by its handshake cannot hang the program.

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>

#include "platform/serial/line_settings.h"

namespace platform {

// What an adapter may hold beyond what its driver reports (a USB chip's own buffer), and
// the scheduling of the process that waits.
inline constexpr std::chrono::milliseconds kDrainMargin{200};

// How long `pending` bytes may take to leave the line at `line`'s rate, margin included.
std::chrono::microseconds DrainBudget(std::size_t pending, const LineSettings& line);

// Waits until the driver's output queue of `fd` is empty or `deadline` has passed,
// sleeping about the wire time of what is left between looks. True when it drained.
bool WaitForLineToDrain(int fd, const LineSettings& line, std::chrono::steady_clock::time_point deadline);

// The same wait on a queue that `queued` looks at (nothing: it cannot tell, so there is
// nothing to wait for). False when the deadline passed with bytes still queued.
using QueuedBytes = std::function<std::optional<std::size_t>()>;
bool WaitForQueueToEmpty(const QueuedBytes& queued, const LineSettings& line,
                         std::chrono::steady_clock::time_point deadline);

}  // namespace platform
