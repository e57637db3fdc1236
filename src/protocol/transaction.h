#pragma once
// One command/response exchange with a transmitter: frame, send, wait for the reply
// within the time-out of the port's baud rate, check it, and hand back a result text.
// Failures never escape as exceptions: a closed port or a failing device gives
// "ERR 0" + CR, exactly like silence on the line.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/serial/reply_wait.h"
#include "platform/serial/serial_port.h"

namespace protocol {

// Reply time-out for the port's settings text, exactly as the port reports it:
// 100/150/250/450 ms at 9600/4800/2400/1200 baud, 0 for anything else.
std::uint32_t TimeoutForSettings(std::string_view settings_text);

// The most a transaction keeps of what it receives. A reply frame is a few dozen bytes;
// a device that streams without a CR cannot make the program grow past this, and the
// result is still the failure it would have been.
inline constexpr std::size_t kMaxReceivedBytes = platform::kMaxKeptReplyBytes;

class Transaction {
 public:
  Transaction(platform::SerialPort& port, platform::Clock& clock) : port_(port), clock_(clock) {}

  // `send_addr` and `send_comm` are UTF-8; they travel in the ANSI code page. The
  // result is UTF-8 and always ends with a CR. A port that records its traffic gets a
  // summary of the exchange.
  std::string Comm_Send(std::string_view send_addr, std::string_view send_comm);

  // Runs while a reply is awaited, before each sleep: the window repaints there and shows
  // that it is busy, while the user's input stays held until the exchange is over.
  void set_on_waiting(std::function<void()> on_waiting) { on_waiting_ = std::move(on_waiting); }

 private:
  std::string Exchange(std::string_view send_addr, std::string_view send_comm);
  platform::SerialPort& port_;
  platform::Clock& clock_;
  std::function<void()> on_waiting_;
};

}  // namespace protocol
