#pragma once
// One opened serial device: a real tty, or the simulated transmitter bus. SerialPort
// owns one while the port is open and keeps the control's rules (port number, open
// state, settings text) itself, so a backend only moves bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/serial/line_settings.h"
#include "platform/serial/port_error.h"

namespace platform {

class SerialDevice {
 public:
  virtual ~SerialDevice() = default;

  virtual PortResult Configure(const LineSettings& settings) = 0;
  virtual PortResult SetHandshake(Handshake mode) = 0;
  // Every received byte not yet read is gone.
  virtual PortResult DiscardInput() = 0;
  // Every byte not yet transmitted is gone.
  virtual PortResult DiscardOutput() = 0;
  // Queues the bytes for transmission and returns at once.
  virtual PortResult Write(std::string_view bytes) = 0;
  // Appends every byte received so far to `out` and removes it from the device.
  virtual PortResult Read(std::string& out) = 0;
  // Returns when input is available, when `max_wait_ms` has passed, or when the device
  // fails. Never spins: a backend blocks in the operating system (or, on the simulated
  // bus, moves its clock to the next arrival).
  virtual PortResult WaitForInput(std::uint32_t max_wait_ms) = 0;

  // Receives the bytes that a device discards as the adapter's echo of what was sent
  // (EchoDevice); a device that never discards any ignores it.
  using EchoListener = std::function<void(std::string_view echo)>;
  virtual void set_echo_listener(EchoListener) {}
  // The one line speed the device runs at whatever it is asked (a raw stream to a serial
  // device server); nullopt where Configure sets the speed.
  virtual std::optional<int> FixedBaud() const { return std::nullopt; }
};

}  // namespace platform
