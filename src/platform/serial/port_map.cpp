#include "platform/serial/port_map.h"

#include "platform/os/device_names.h"
#include "platform/serial/echo_device.h"
#include "platform/serial/port_failure_text.h"
#include "platform/text/trim.h"
#include "platform/ui/text_pattern.h"

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
    return {it->second, PortSource::kOption, {}};
  if (everything_) return {*everything_, PortSource::kSimulate, {}};
  if (std::string stored = Stored(port_number); !stored.empty()) {
    PortTargetParse parsed = ParsePortTarget(stored);
    if (parsed.target) return {std::move(*parsed.target), PortSource::kSettings, {}};
    PortTarget unreadable;
    unreadable.device = std::move(stored);
    return {std::move(unreadable), PortSource::kSettings, std::move(parsed.error)};
  }
  PortTarget system_device;
  system_device.device = os::SystemSerialDevice(port_number);
  return {std::move(system_device), PortSource::kDefault, {}};
}

std::string PortMap::Stored(int port_number) const {
  if (!store_) return "";
  // A value edited by hand may carry blanks around the path.
  return std::string(TrimBlanks(store_->Get(app_, kPortsSection, Key(port_number))));
}

bool PortMap::Store(int port_number, const std::string& target_text) {
  return store_ != nullptr && store_->Set(app_, kPortsSection, Key(port_number), target_text);
}

DeviceFactory PortMap::MakeFactory(DeviceOpeners openers) const {
  return [this, openers = std::move(openers)](int port_number,
                                              PortError& error) -> std::unique_ptr<SerialDevice> {
    const PortAssignment a = Resolve(port_number);
    if (!a.error.empty()) {
      error = {kErrDeviceUnavailable, ui::FillPattern(kUnreadableTargetText, {a.target.device, a.error}), ""};
      return nullptr;
    }
    const PortTarget& target = a.target;
    const bool network = target.kind == DeviceKind::kTcp || target.kind == DeviceKind::kRfc2217;
    const NamedDeviceOpener& opener = network                                 ? openers.network
                                      : target.kind == DeviceKind::kSimulated ? openers.sim
                                                                              : openers.tty;
    if (!opener) {
      error = network ? PortError{kErrDeviceUnavailable,
                                  ui::FillPattern(kNoNetworkPortsText, {target.device}), ""}
                      : OpenFailure(target.device, 0);
      return nullptr;
    }
    std::unique_ptr<SerialDevice> device = opener(target, error);
    const EchoMode echo = target.echo.value_or(default_echo_);
    if (!device || echo == EchoMode::kOff) return device;
    return std::make_unique<EchoDevice>(std::move(device), echo, target.device);
  };
}

}  // namespace platform
