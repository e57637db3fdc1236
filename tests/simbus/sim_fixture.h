#pragma once
// A simulated bus on a VirtualClock, reached two ways: through the program's own serial
// port and transaction engine (what Dravon does), and as raw bytes on the SimDevice.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "protocol/frame.h"
#include "protocol/transaction.h"
#include "simbus/bus.h"
#include "simbus/sim_device.h"

namespace simbus_test {

inline simbus::TransmitterConfig At(std::string address, int baud, std::string version = "2.00") {
  simbus::TransmitterConfig c;
  c.address = std::move(address);
  c.baud = baud;
  c.version = std::move(version);
  return c;
}

// Raw bytes on a SimDevice of its own: the host writes at `baud`.
struct RawHost {
  simbus::SimDevice device;
  explicit RawHost(simbus::Bus& bus, int baud = 9600) : device(bus) { SetBaud(baud); }
  void SetBaud(int baud) {
    platform::LineSettings line;
    line.baud = baud;
    device.Configure(line);
  }
  void Send(std::string_view addr, std::string_view comm) {
    device.Write(protocol::BuildRequestFrame(addr, comm));
  }
  // Everything that arrives within `wait_ms` of virtual time.
  std::string Collect(std::uint32_t wait_ms) {
    platform::Clock& clock = device.bus().clock();
    const std::uint64_t deadline = clock.now_us() + std::uint64_t{wait_ms} * 1000;
    std::string got;
    while (clock.now_us() < deadline) {
      device.WaitForInput(static_cast<std::uint32_t>((deadline - clock.now_us() + 999) / 1000));
      device.Read(got);
    }
    return got;
  }
};

// The bus with Dravon's port and transaction engine on it, plus a raw host.
struct SimBusFixture : ::testing::Test {
  platform::VirtualClock clock;
  simbus::Bus bus{clock};
  platform::SerialPort port{
      [this](int, platform::PortError&) { return std::make_unique<simbus::SimDevice>(bus); }, "MSCommBsq"};
  protocol::Transaction link{port, clock};

  void Open(int baud = 9600) {
    ASSERT_FALSE(port.set_port_open(true));
    SetBaud(baud);
  }
  void SetBaud(int baud) { ASSERT_FALSE(port.set_settings(std::to_string(baud) + ",N,8,1")); }
  std::string Send(std::string_view addr, std::string_view comm) { return link.Comm_Send(addr, comm); }
  std::string Value(std::string_view addr, std::string_view comm) {
    return protocol::ValueCut(Send(addr, comm));
  }
};

}  // namespace simbus_test
