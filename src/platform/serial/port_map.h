#pragma once
// Which device stands behind port number N (the "com N" of the port lists):
//   1. a mapping given for this run (--port N=DEVICE, or --simulate for every port);
//   2. the settings store, section "Ports", key "COMn";
//   3. the system's n-th serial device, /dev/ttyS{n-1}.
// The device "sim" is the built-in simulated transmitter bus.

#include <map>
#include <memory>
#include <string>

#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"

namespace platform {

inline constexpr const char* kSimulatedDevice = "sim";

// Opens one named device (a tty path, or "sim"); null with `error` filled on failure.
using NamedDeviceOpener =
    std::function<std::unique_ptr<SerialDevice>(const std::string& device, PortError& error)>;

class PortMap {
 public:
  PortMap(const SettingsStore* store, std::string app);

  void Map(int port_number, std::string device) { overrides_[port_number] = std::move(device); }
  void MapEverythingTo(std::string device) { everything_ = std::move(device); }

  std::string DeviceFor(int port_number) const;

  // A factory for SerialPort that opens "sim" with `sim` and everything else with `tty`.
  DeviceFactory MakeFactory(NamedDeviceOpener tty, NamedDeviceOpener sim) const;

 private:
  const SettingsStore* store_;
  std::string app_;
  std::map<int, std::string> overrides_;
  std::string everything_;
};

}  // namespace platform
