#pragma once
// A serial device behind an adapter that hears its own transmission: every request comes
// back on the receive side before the reply. EchoDevice takes that echo out of what the
// program reads, so a transaction sees the reply alone, and hands it to the echo listener
// (the trace and the monitor show it as echo, never as a reply).
//
//   kOn    every byte written comes back: as many bytes as were sent are the echo. One
//          that differs is a collision on the bus, and an echo that stops short means
//          the line failed; both fail that read with a clear message.
//   kAuto  a received frame equal byte for byte to the request just sent is its echo.
//          A request begins with "$" and a reply with "*", so a reply is never taken
//          for one. Bytes that turn out not to be the echo are read as received.
//
// Bytes that may be the echo are held back until it is whole; when the line falls quiet
// for a whole wait (WaitForInput, then a read that brings nothing) with part of it held,
// that part is what came back: read as received (kAuto) or a failure (kOn).

#include <memory>
#include <string>

#include "platform/serial/port_target.h"
#include "platform/serial/serial_device.h"

namespace platform {

class EchoDevice final : public SerialDevice {
 public:
  // `mode` is kOn or kAuto; `name` names the device in failures.
  EchoDevice(std::unique_ptr<SerialDevice> device, EchoMode mode, std::string name = {})
      : device_(std::move(device)), mode_(mode), name_(std::move(name)) {}

  PortResult Configure(const LineSettings& settings) override { return device_->Configure(settings); }
  PortResult SetHandshake(Handshake mode) override { return device_->SetHandshake(mode); }
  PortResult DiscardInput() override;
  PortResult DiscardOutput() override { return device_->DiscardOutput(); }
  PortResult Write(std::string_view bytes) override;
  PortResult Read(std::string& out) override;
  PortResult WaitForInput(std::uint32_t max_wait_ms) override;
  void set_echo_listener(EchoListener listener) override { listener_ = std::move(listener); }
  std::optional<int> FixedBaud() const override { return device_->FixedBaud(); }

 private:
  // Held bytes go to the reader as received; the echo is no longer awaited.
  void Release(std::string& out);
  PortError Failure(std::string_view pattern, std::string_view sent) const;

  std::unique_ptr<SerialDevice> device_;
  EchoMode mode_;
  std::string name_;
  EchoListener listener_;
  std::string expected_;     // what was sent and has not come back yet
  std::size_t matched_ = 0;  // of `expected_`, the bytes that came back (held back)
  std::string carry_;        // released bytes that the next read hands out first
  bool waited_ = false;      // a wait ended since the last byte arrived
  std::string incoming_;     // the device's bytes of the read under way
};

}  // namespace platform
