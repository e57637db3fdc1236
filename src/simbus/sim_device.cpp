#include "simbus/sim_device.h"

namespace simbus {

SimDevice::SimDevice(Bus& bus) : bus_(bus) { bus_.ResetHost(); }

platform::PortResult SimDevice::Configure(const platform::LineSettings& settings) {
  bus_.SetHostLine(settings);
  return {};
}

// The simulated line has no flow-control wires; every mode is accepted and changes nothing.
platform::PortResult SimDevice::SetHandshake(platform::Handshake) { return {}; }

platform::PortResult SimDevice::DiscardInput() {
  bus_.DiscardHostInput();
  return {};
}

platform::PortResult SimDevice::DiscardOutput() {
  bus_.DiscardHostOutput();
  return {};
}

platform::PortResult SimDevice::Write(std::string_view bytes) {
  bus_.HostWrite(bytes);
  return {};
}

platform::PortResult SimDevice::Read(std::string& out) {
  out += bus_.HostRead();
  return {};
}

platform::PortResult SimDevice::WaitForInput(std::uint32_t max_wait_ms) {
  platform::Clock& clock = bus_.clock();
  const std::uint64_t deadline = clock.now_us() + std::uint64_t{max_wait_ms} * 1000;
  while (!bus_.HostInputAvailable()) {
    const std::optional<std::uint64_t> next = bus_.NextEventUs();
    if (!next || *next >= deadline) {
      clock.sleep_until_us(deadline);
      bus_.Advance();
      return {};
    }
    clock.sleep_until_us(*next);
  }
  return {};
}

}  // namespace simbus
