#pragma once
// A serial device the machine has, with what identifies it to a user: the tty path, the
// adapter's own description, maker, serial number and USB ids, and the stable link under
// /dev/serial/by-id that udev makes for USB adapters. The link names the adapter itself
// (maker, model, serial number), so a mapping that stores it keeps pointing at the same
// adapter when it is plugged into another socket or comes back as ttyUSB1.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

inline constexpr const char* kStableLinkFolder = "/dev/serial/by-id";

struct FoundDevice {
  std::string path;   // "/dev/ttyUSB0"
  std::string by_id;  // "/dev/serial/by-id/usb-FTDI_...-if00-port0", or "" when there is none
  std::string description;
  std::string manufacturer;
  std::string serial_number;
  std::optional<std::uint16_t> vid;
  std::optional<std::uint16_t> pid;

  // What a port mapping stores for this device: the stable link when there is one.
  const std::string& MappingName() const { return by_id.empty() ? path : by_id; }
  // True when `device` (a mapping's value) names this device, by path or by link.
  bool IsNamedBy(const std::string& device) const {
    return !device.empty() && (device == path || device == by_id);
  }
};

using FoundDevices = std::vector<FoundDevice>;

// The link in `folder` that leads to the same device as `path`; "" when none does (a
// built-in port, a pseudo-terminal, no udev). An unreadable folder counts as empty.
std::string StableLinkFor(const std::string& path, const std::string& folder = kStableLinkFolder);

// A USB vendor or product id as four lower-case hex digits, "0403".
std::string UsbIdText(std::uint16_t id);

}  // namespace platform
