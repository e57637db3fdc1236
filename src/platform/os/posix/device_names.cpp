#include "platform/os/device_names.h"

namespace platform::os {

std::string SystemSerialDevice(int port_number) { return "/dev/ttyS" + std::to_string(port_number - 1); }

// udev makes these links; a system without udev has no such folder.
std::string StableSerialLinkFolder() { return "/dev/serial/by-id"; }

}  // namespace platform::os
