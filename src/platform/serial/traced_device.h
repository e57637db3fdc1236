#pragma once
// A serial device seen through the port's recorder: every chunk written or read and every
// discarded buffer becomes a record, then the call goes on to the real device unchanged.
// SerialPort puts one around its device only while someone records, so an untraced port
// moves its bytes without a single extra step.

#include <memory>

#include "platform/serial/serial_device.h"

namespace platform {

class SerialPort;

class TracedDevice final : public SerialDevice {
 public:
  // `port` gives the port number and the recorder at the moment of each call.
  TracedDevice(std::unique_ptr<SerialDevice> device, const SerialPort& port)
      : device_(std::move(device)), port_(port) {}

  PortResult Configure(const LineSettings& settings) override { return device_->Configure(settings); }
  PortResult SetHandshake(Handshake mode) override { return device_->SetHandshake(mode); }
  PortResult DiscardInput() override;
  PortResult DiscardOutput() override;
  PortResult Write(std::string_view bytes) override;
  PortResult Read(std::string& out) override;
  PortResult WaitForInput(std::uint32_t max_wait_ms) override { return device_->WaitForInput(max_wait_ms); }
  void set_echo_listener(EchoListener listener) override { device_->set_echo_listener(std::move(listener)); }
  std::optional<int> FixedBaud() const override { return device_->FixedBaud(); }

 private:
  std::unique_ptr<SerialDevice> device_;
  const SerialPort& port_;
};

}  // namespace platform
