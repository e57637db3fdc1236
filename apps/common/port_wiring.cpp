#include "apps/common/port_wiring.h"

#include "platform/serial/port_target.h"
#include "platform/serial_net/network_device.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "simbus/demo_bus.h"
#include "simbus/sim_device.h"

namespace app {

PortWiring::PortWiring(const platform::ProgramOptions& options, platform::SettingsStore& store,
                       std::string app, platform::Clock& clock, platform::EchoMode default_echo)
    : map_(&store, std::move(app)), clock_(clock) {
  options.ApplyTo(map_);
  for (const std::string& text : options.simulated_batch) {
    std::optional<simbus::BatchEntry> entry = simbus::ParseBatchEntry(text, &error_);
    if (!entry) return;
    batch_.push_back(std::move(*entry));
  }
  map_.set_default_echo(default_echo);
}

platform::DeviceFactory PortWiring::Factory() {
  platform::DeviceOpeners openers;
  openers.tty = [](const platform::PortTarget& target, platform::PortError& error) {
    return platform::OpenQtSerialDevice(target, error);
  };
  openers.sim = [this](const platform::PortTarget&,
                       platform::PortError&) -> std::unique_ptr<platform::SerialDevice> {
    if (!bus_ && batch_.empty()) bus_ = simbus::MakeDemoBus(clock_);
    if (!bus_) {
      bus_ = std::make_unique<simbus::Bus>(clock_);
      simbus::ConnectOneAfterAnother(*bus_, batch_);
    }
    return std::make_unique<simbus::SimDevice>(*bus_);
  };
  openers.network = platform::OpenNetworkDevice;
  return map_.MakeFactory(std::move(openers));
}

}  // namespace app
