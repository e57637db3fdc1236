#pragma once
// One command/response exchange with a transmitter: frame, send, wait for the reply
// within the time-out of the port's baud rate, check it, and hand back a result text.
// Failures never escape as exceptions: a closed port or a failing device gives
// "ERR 0" + CR, exactly like silence on the line.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"

namespace protocol {

// Reply time-out for the port's settings text, exactly as the port reports it:
// 100/150/250/450 ms at 9600/4800/2400/1200 baud, 0 for anything else.
std::uint32_t TimeoutForSettings(std::string_view settings_text);

// The most a transaction keeps of what it receives. A reply frame is a few dozen bytes;
// a device that streams without a CR cannot make the program grow past this, and the
// result is still the failure it would have been.
inline constexpr std::size_t kMaxReceivedBytes = 4096;

class Transaction {
 public:
  Transaction(platform::SerialPort& port, platform::Clock& clock) : port_(port), clock_(clock) {}

  // `send_addr` and `send_comm` are UTF-8; they travel in the ANSI code page. The
  // result is UTF-8 and always ends with a CR. A port that records its traffic gets a
  // summary of the exchange.
  std::string Comm_Send(std::string_view send_addr, std::string_view send_comm);

 private:
  std::string Exchange(std::string_view send_addr, std::string_view send_comm);
  // Everything that came back until a CR arrived or the time-out passed; false when
  // the port failed on the way.
  bool AwaitReply(std::uint32_t start_tick, std::uint32_t timeout_ms, std::string& received);

  platform::SerialPort& port_;
  platform::Clock& clock_;
};

}  // namespace protocol
