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

#include "platform/os/device_names.h"

namespace platform {

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
  // "FT232R USB UART, FTDI, serial A50285BI, USB 0403:6001": what is known of it, in
  // that order; "" for a device that tells nothing about itself.
  std::string Summary() const;
  // True when `device` (a mapping's value) names this device, by path or by link.
  bool IsNamedBy(const std::string& device) const {
    return !device.empty() && (device == path || device == by_id);
  }
};

using FoundDevices = std::vector<FoundDevice>;

// The link in `folder` that leads to the same device as `path`; "" when none does (a
// built-in port, a pseudo-terminal, no udev). An unreadable folder counts as empty.
std::string StableLinkFor(const std::string& path, const std::string& folder = os::StableSerialLinkFolder());

// What a mapping's device is on this machine: one of the devices found, else the file it
// leads to (a pseudo-terminal, a link of the user's own), else nothing (not plugged in).
struct DeviceLookup {
  const FoundDevice* found = nullptr;
  std::string target;  // the resolved path when `found` is null; "" when nothing is there
};
DeviceLookup LookUp(const FoundDevices& devices, const std::string& device);

// A USB vendor or product id as four lower-case hex digits, "0403".
std::string UsbIdText(std::uint16_t id);

}  // namespace platform
