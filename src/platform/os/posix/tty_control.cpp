#include "platform/os/tty_control.h"

#include <sys/ioctl.h>

namespace platform::os {

std::optional<std::size_t> QueuedOutputBytes(int fd) {
  int queued = 0;
  if (fd < 0 || ioctl(fd, TIOCOUTQ, &queued) != 0 || queued < 0) return std::nullopt;
  return static_cast<std::size_t>(queued);
}

}  // namespace platform::os
