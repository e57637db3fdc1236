#pragma once
// How a program's port numbers reach devices for one run: the command line's mappings,
// the settings store's, the system's ttys through Qt SerialPort, and one built-in
// simulated bus (on the real clock) shared by every port mapped to "sim", so that
// transmitters keep their state when the port is closed and opened again.

#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/program_options.h"
#include "platform/serial/port_map.h"
#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"
#include "simbus/bus.h"
#include "simbus/server_options.h"

namespace app {

class PortWiring {
 public:
  // `default_echo`: what the program does with an adapter's echo when a target does not
  // say (Dravon auto, Pemliq off).
  PortWiring(const platform::ProgramOptions& options, platform::SettingsStore& store, std::string app,
             platform::Clock& clock, platform::EchoMode default_echo);

  // Opens ttys through Qt SerialPort and "sim" on the built-in bus. Network targets go
  // to `network` when this build has one (null: they fail to open, saying so).
  platform::DeviceFactory Factory();
  // What each port number maps to now; a mapping stored through it holds from the next open.
  platform::PortMap& map() { return map_; }
  // The device that port number N stands for in this run.
  std::string DeviceFor(int port_number) const { return map_.DeviceFor(port_number); }
  // Why --simulate-batch or --sim-bus cannot be used ("" when they can): the program then
  // ends with status 2.
  const std::string& error() const { return error_; }

 private:
  platform::PortMap map_;
  platform::Clock& clock_;
  simbus::ServerOptions bus_options_;  // --sim-bus, with --simulate-batch as its --batch
  std::unique_ptr<simbus::Bus> bus_;   // made on first use
  std::string error_;
};

}  // namespace app
