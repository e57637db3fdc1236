#pragma once
// What a tty's driver knows and the serial libraries do not tell.

#include <cstddef>
#include <optional>

namespace platform::os {

// The bytes the driver of tty `fd` still holds for the line; nothing when the descriptor
// cannot tell (not a tty, the device gone).
std::optional<std::size_t> QueuedOutputBytes(int fd);

}  // namespace platform::os
