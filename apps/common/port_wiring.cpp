#include "apps/common/port_wiring.h"

#include <sstream>

#include "platform/serial/port_target.h"
#include "platform/serial_net/network_device.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "simbus/sim_device.h"

namespace app {

PortWiring::PortWiring(const platform::ProgramOptions& options, platform::SettingsStore& store,
                       std::string app, platform::Clock& clock, platform::EchoMode default_echo)
    : map_(&store, std::move(app)), clock_(clock) {
  options.ApplyTo(map_);
  map_.set_default_echo(default_echo);
  std::vector<std::string> args;
  std::istringstream words(options.sim_bus);
  for (std::string word; words >> word;) args.push_back(word);
  simbus::ParsedOptions parsed = simbus::ParseServerOptions(args);
  if (!parsed.options) {
    error_ = "--sim-bus: " + parsed.error;
    return;
  }
  if (!parsed.options->link.empty() || !parsed.options->device.empty() || parsed.options->help ||
      parsed.options->version || parsed.options->verbose) {
    error_ =
        "--sim-bus takes the bus's options only: --transmitter, --fault, --batch, --manifold, --error, "
        "--turnaround, --echo";
    return;
  }
  bus_options_ = std::move(*parsed.options);
  // --simulate-batch is the bus's --batch, given on Dravon's own command line.
  for (const std::string& text : options.simulated_batch) {
    std::optional<simbus::BatchEntry> entry = simbus::ParseBatchEntry(text, &error_);
    if (!entry) {
      error_ = "--simulate-batch: " + error_;
      return;
    }
    bus_options_.batch.push_back(std::move(*entry));
  }
  // Built once here to find a fault or an error that names no transmitter now, not at the first open.
  platform::VirtualClock probe;
  if (!simbus::BuildServerBus(bus_options_, probe, &error_)) error_ = "--sim-bus: " + error_;
}

platform::DeviceFactory PortWiring::Factory() {
  platform::DeviceOpeners openers;
  openers.tty = [](const platform::PortTarget& target, platform::PortError& error) {
    return platform::OpenQtSerialDevice(target, error);
  };
  openers.sim = [this](const platform::PortTarget&,
                       platform::PortError& error) -> std::unique_ptr<platform::SerialDevice> {
    std::string why;
    if (!bus_) bus_ = simbus::BuildServerBus(bus_options_, clock_, &why);
    if (!bus_) {  // the options were tried at start-up, so this is not expected
      error = {platform::kErrDeviceUnavailable, "sim: " + why, ""};
      return nullptr;
    }
    return std::make_unique<simbus::SimDevice>(*bus_);
  };
  openers.network = platform::OpenNetworkDevice;
  return map_.MakeFactory(std::move(openers));
}

}  // namespace app
