#pragma once
// Which device stands behind port number N (the "com N" of the port lists):
//   1. a mapping given for this run (--port N=DEVICE, or --simulate for every port);
//   2. the settings store, section "Ports", key "COMn";
//   3. the system's n-th serial device, /dev/ttyS{n-1}.
// The device "sim" is the built-in simulated transmitter bus. The store is read at every
// open, so a mapping stored from the window holds from the next open of that port on.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"

namespace platform {

inline constexpr const char* kSimulatedDevice = "sim";
inline constexpr const char* kPortsSection = "Ports";

// Opens one named device (a tty path, or "sim"); null with `error` filled on failure.
using NamedDeviceOpener =
    std::function<std::unique_ptr<SerialDevice>(const std::string& device, PortError& error)>;

// Where a port's device came from.
enum class PortSource { kOption, kSimulate, kSettings, kDefault };
// "option", "simulate", "settings", "default": as the port list prints it.
std::string_view PortSourceName(PortSource source);

struct PortAssignment {
  std::string device;
  PortSource from = PortSource::kDefault;
  friend bool operator==(const PortAssignment&, const PortAssignment&) = default;
};

class PortMap {
 public:
  // `store` may be null (nothing stored, nothing can be stored).
  PortMap(SettingsStore* store, std::string app);

  void Map(int port_number, std::string device) { overrides_[port_number] = std::move(device); }
  void MapEverythingTo(std::string device) { everything_ = std::move(device); }

  PortAssignment Resolve(int port_number) const;
  std::string DeviceFor(int port_number) const { return Resolve(port_number).device; }

  // The settings store's mapping of the port, "" when it has none.
  std::string Stored(int port_number) const;
  // Stores `device` as the port's mapping ("" removes it: the system's device again).
  // False when the store could not keep it.
  bool Store(int port_number, const std::string& device);

  // A factory for SerialPort that opens "sim" with `sim` and everything else with `tty`.
  DeviceFactory MakeFactory(NamedDeviceOpener tty, NamedDeviceOpener sim) const;

 private:
  static std::string Key(int port_number) { return "COM" + std::to_string(port_number); }

  SettingsStore* store_;
  std::string app_;
  std::map<int, std::string> overrides_;
  std::string everything_;
};

}  // namespace platform
