#pragma once
// The simulated bus as a serial device: what a program opens in place of a real port.
// Any line settings are accepted (a rate no transmitter runs at just means nobody
// hears). WaitForInput moves the bus's clock to the next arrival or the deadline,
// whichever comes first: with a VirtualClock a whole bus search takes milliseconds of
// real time, with a SystemClock it really sleeps.

#include "platform/serial/serial_device.h"
#include "simbus/bus.h"

namespace simbus {

class SimDevice final : public platform::SerialDevice {
 public:
  // Opening the device empties its receive buffer; bytes still on the wire arrive later.
  explicit SimDevice(Bus& bus);

  platform::PortResult Configure(const platform::LineSettings& settings) override;
  platform::PortResult SetHandshake(platform::Handshake mode) override;
  platform::PortResult DiscardInput() override;
  platform::PortResult DiscardOutput() override;
  platform::PortResult Write(std::string_view bytes) override;
  platform::PortResult Read(std::string& out) override;
  platform::PortResult WaitForInput(std::uint32_t max_wait_ms) override;

  Bus& bus() { return bus_; }

 private:
  Bus& bus_;
};

}  // namespace simbus
