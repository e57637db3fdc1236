#include "platform/os/rs485_mode.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>

namespace platform::os {

int EnableRs485(int fd, bool rts_high_while_sending) {
  struct serial_rs485 mode {};
  mode.flags = SER_RS485_ENABLED;
  mode.flags |= rts_high_while_sending ? SER_RS485_RTS_ON_SEND : SER_RS485_RTS_AFTER_SEND;
  if (::ioctl(fd, TIOCSRS485, &mode) == 0) return 0;
  return errno;
}

}  // namespace platform::os
