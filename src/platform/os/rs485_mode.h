#pragma once
// Linux kernel RS-485 mode of a tty: the UART's driver switches the transceiver to send
// by raising (or lowering) RTS for as long as it sends, and back to receive afterwards.
// Only a driver that knows the mode takes it; a USB adapter or a pseudo-terminal refuses.

namespace platform::os {

// Puts the tty open on `fd` into RS-485 mode, with RTS high while sending, or low when
// `rts_high_while_sending` is false. 0 when the driver took it, else the system's error
// number (ENOTTY: the driver has no RS-485 mode).
int EnableRs485(int fd, bool rts_high_while_sending);

}  // namespace platform::os
