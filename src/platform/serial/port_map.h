#pragma once
// Which target (a device and its line options, see port_target.h) stands behind port
// number N (the "com N" of the port lists):
//   1. a mapping given for this run (--port N=TARGET, or --simulate for every port);
//   2. the settings store, section "Ports", key "COMn" (the whole target as text);
//   3. the system's n-th serial device, /dev/ttyS{n-1}.
// The device "sim" is the built-in simulated transmitter bus. The store is read at every
// open, so a mapping stored from the window holds from the next open of that port on.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/serial/port_target.h"
#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"

namespace platform {

inline constexpr const char* kSimulatedDevice = "sim";
inline constexpr const char* kPortsSection = "Ports";

// Opens the device of one target; null with `error` filled on failure. The target's
// options that need the device itself (rs485 on a tty, the server's settings) are the
// opener's; echo handling is put around whatever it opens.
using NamedDeviceOpener =
    std::function<std::unique_ptr<SerialDevice>(const PortTarget& target, PortError& error)>;

// One opener per kind of device. A kind without an opener fails to open with a message
// saying this build cannot reach it.
struct DeviceOpeners {
  NamedDeviceOpener tty;
  NamedDeviceOpener sim;
  NamedDeviceOpener network;  // tcp:// and rfc2217://
};

// Where a port's device came from.
enum class PortSource { kOption, kSimulate, kSettings, kDefault };
// "option", "simulate", "settings", "default": as the port list prints it.
std::string_view PortSourceName(PortSource source);

struct PortAssignment {
  PortTarget target;
  PortSource from = PortSource::kDefault;
  // A stored mapping that is not a target (edited by hand): what is wrong with it. The
  // target then holds the stored text as its device, and the port does not open.
  std::string error;

  const std::string& device() const { return target.device; }
  friend bool operator==(const PortAssignment&, const PortAssignment&) = default;
};

class PortMap {
 public:
  // `store` may be null (nothing stored, nothing can be stored).
  PortMap(SettingsStore* store, std::string app);

  void Map(int port_number, PortTarget target) { overrides_[port_number] = std::move(target); }
  void MapEverythingTo(PortTarget target) { everything_ = std::move(target); }

  // What the program does with an adapter's echo when the target does not say (Dravon
  // auto, Pemliq off).
  void set_default_echo(EchoMode mode) { default_echo_ = mode; }
  EchoMode default_echo() const { return default_echo_; }

  PortAssignment Resolve(int port_number) const;
  std::string DeviceFor(int port_number) const { return Resolve(port_number).target.device; }

  // The settings store's mapping of the port as text, "" when it has none.
  std::string Stored(int port_number) const;
  // Stores a target's text as the port's mapping ("" removes it: the system's device
  // again). False when the store could not keep it.
  bool Store(int port_number, const std::string& target_text);

  // A factory for SerialPort: opens each port's target with the opener of its kind and
  // puts the echo handling around it.
  DeviceFactory MakeFactory(DeviceOpeners openers) const;

 private:
  static std::string Key(int port_number) { return "COM" + std::to_string(port_number); }

  SettingsStore* store_;
  std::string app_;
  std::map<int, PortTarget> overrides_;
  std::optional<PortTarget> everything_;
  EchoMode default_echo_ = EchoMode::kOff;
};

}  // namespace platform
