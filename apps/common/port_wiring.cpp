#include "apps/common/port_wiring.h"

#include "platform/serial_qt/qt_serial_device.h"
#include "simbus/demo_bus.h"
#include "simbus/sim_device.h"

namespace app {

PortWiring::PortWiring(const platform::ProgramOptions& options, platform::SettingsStore& store,
                       std::string app, platform::Clock& clock)
    : map_(&store, std::move(app)), clock_(clock) {
  options.ApplyTo(map_);
}

platform::DeviceFactory PortWiring::Factory() {
  return map_.MakeFactory(platform::OpenQtSerialDevice,
                          [this](const std::string&, platform::PortError&) -> std::unique_ptr<platform::SerialDevice> {
                            if (!bus_) bus_ = simbus::MakeDemoBus(clock_);
                            return std::make_unique<simbus::SimDevice>(*bus_);
                          });
}

}  // namespace app
