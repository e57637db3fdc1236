#include "platform/serial/traced_device.h"

#include "platform/serial/serial_port.h"
#include "platform/serial/traffic_recorder.h"

namespace platform {

// Failures are not recorded here: the port records every failure it reports, from the
// device or its own.

PortResult TracedDevice::DiscardInput() {
  PortResult result = device_->DiscardInput();
  if (!result && port_.recorder())
    port_.recorder()->Event(port_.comm_port(), PortEvent::kDiscardIn, port_.settings());
  return result;
}

PortResult TracedDevice::DiscardOutput() {
  PortResult result = device_->DiscardOutput();
  if (!result && port_.recorder())
    port_.recorder()->Event(port_.comm_port(), PortEvent::kDiscardOut, port_.settings());
  return result;
}

PortResult TracedDevice::Write(std::string_view bytes) {
  PortResult result = device_->Write(bytes);
  if (!result && port_.recorder())
    port_.recorder()->Bytes(port_.comm_port(), Direction::kTx, bytes, port_.settings());
  return result;
}

PortResult TracedDevice::Read(std::string& out) {
  const std::size_t before = out.size();
  PortResult result = device_->Read(out);
  // What arrived before a failure is recorded too: it did come in.
  if (out.size() > before && port_.recorder())
    port_.recorder()->Bytes(port_.comm_port(), Direction::kRx, std::string_view(out).substr(before),
                            port_.settings());
  return result;
}

}  // namespace platform
