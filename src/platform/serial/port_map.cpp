#include "platform/serial/port_map.h"

#include "platform/os/device_names.h"
#include "platform/serial/port_failure_text.h"
#include "platform/text/trim.h"

namespace platform {

std::string_view PortSourceName(PortSource source) {
  switch (source) {
    case PortSource::kOption:
      return "option";
    case PortSource::kSimulate:
      return "simulate";
    case PortSource::kSettings:
      return "settings";
    case PortSource::kDefault:
      break;
  }
  return "default";
}

PortMap::PortMap(SettingsStore* store, std::string app) : store_(store), app_(std::move(app)) {}

PortAssignment PortMap::Resolve(int port_number) const {
  if (const auto it = overrides_.find(port_number); it != overrides_.end())
    return {it->second, PortSource::kOption};
  if (!everything_.empty()) return {everything_, PortSource::kSimulate};
  if (std::string stored = Stored(port_number); !stored.empty())
    return {std::move(stored), PortSource::kSettings};
  return {os::SystemSerialDevice(port_number), PortSource::kDefault};
}

std::string PortMap::Stored(int port_number) const {
  if (!store_) return "";
  // A value edited by hand may carry blanks around the path.
  return std::string(TrimBlanks(store_->Get(app_, kPortsSection, Key(port_number))));
}

bool PortMap::Store(int port_number, const std::string& device) {
  return store_ != nullptr && store_->Set(app_, kPortsSection, Key(port_number), device);
}

DeviceFactory PortMap::MakeFactory(NamedDeviceOpener tty, NamedDeviceOpener sim) const {
  return [this, tty = std::move(tty), sim = std::move(sim)](
             int port_number, PortError& error) -> std::unique_ptr<SerialDevice> {
    const std::string device = DeviceFor(port_number);
    const NamedDeviceOpener& opener = device == kSimulatedDevice ? sim : tty;
    if (!opener) {
      error = OpenFailure(device, 0);
      return nullptr;
    }
    return opener(device, error);
  };
}

}  // namespace platform
