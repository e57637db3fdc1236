#include "platform/serial/port_map.h"

namespace platform {

PortMap::PortMap(const SettingsStore* store, std::string app) : store_(store), app_(std::move(app)) {}

std::string PortMap::DeviceFor(int port_number) const {
  if (const auto it = overrides_.find(port_number); it != overrides_.end()) return it->second;
  if (!everything_.empty()) return everything_;
  if (store_) {
    std::string stored = store_->Get(app_, "Ports", "COM" + std::to_string(port_number));
    if (!stored.empty()) return stored;
  }
  return "/dev/ttyS" + std::to_string(port_number - 1);
}

DeviceFactory PortMap::MakeFactory(NamedDeviceOpener tty, NamedDeviceOpener sim) const {
  return [this, tty = std::move(tty), sim = std::move(sim)](
             int port_number, PortError& error) -> std::unique_ptr<SerialDevice> {
    const std::string device = DeviceFor(port_number);
    const NamedDeviceOpener& opener = device == kSimulatedDevice ? sim : tty;
    if (!opener) {
      error = PortError{kErrDeviceUnavailable, "No backend can open " + device, ""};
      return nullptr;
    }
    return opener(device, error);
  };
}

}  // namespace platform
