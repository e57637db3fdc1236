#include "apps/common/port_wiring.h"

#include "platform/serial/port_target.h"
#include "platform/serial_net/network_device.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "simbus/demo_bus.h"
#include "simbus/sim_device.h"

namespace app {

namespace {

// Interim, until the opener of whole port targets lands: a network target goes to its
// server, everything else to the tty opener as before.
std::unique_ptr<platform::SerialDevice> OpenTtyOrServer(const std::string& device,
                                                        platform::PortError& error) {
  const platform::PortTargetParse parsed = platform::ParsePortTarget(device);
  if (parsed.target && (parsed.target->kind == platform::DeviceKind::kTcp ||
                        parsed.target->kind == platform::DeviceKind::kRfc2217))
    return platform::OpenNetworkDevice(*parsed.target, error);
  return platform::OpenQtSerialDevice(device, error);
}

}  // namespace

PortWiring::PortWiring(const platform::ProgramOptions& options, platform::SettingsStore& store,
                       std::string app, platform::Clock& clock)
    : map_(&store, std::move(app)), clock_(clock) {
  options.ApplyTo(map_);
}

platform::DeviceFactory PortWiring::Factory() {
  return map_.MakeFactory(
      OpenTtyOrServer,
      [this](const std::string&, platform::PortError&) -> std::unique_ptr<platform::SerialDevice> {
        if (!bus_) bus_ = simbus::MakeDemoBus(clock_);
        return std::make_unique<simbus::SimDevice>(*bus_);
      });
}

}  // namespace app
