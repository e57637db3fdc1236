// Stands in for the full reader of port targets while it is being written: devices with
// the network kinds and "baud=N" only, enough for a port to reach a serial device
// server. The full reader replaces this file whole.
#include <charconv>
#include <utility>

#include "platform/serial/port_target.h"

namespace platform {

namespace {

constexpr int kDefaultServerBaud = 9600;

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string PortTarget::OptionsText() const {
  return fixed_baud ? "baud=" + std::to_string(*fixed_baud) : "";
}

std::string PortTarget::ToText() const {
  const std::string options = OptionsText();
  return options.empty() ? device : device + "," + options;
}

std::optional<int> PortTarget::FixedBaud() const {
  if (kind != DeviceKind::kTcp) return std::nullopt;
  return fixed_baud.value_or(kDefaultServerBaud);
}

PortTargetParse ParsePortTarget(std::string_view text) {
  PortTarget target;
  const std::size_t comma = text.find(',');
  target.device = std::string(text.substr(0, comma));
  if (target.device.empty()) return {std::nullopt, "no device"};
  if (target.device == "sim") target.kind = DeviceKind::kSimulated;
  for (const auto& [scheme, kind] :
       {std::pair{"tcp://", DeviceKind::kTcp}, std::pair{"rfc2217://", DeviceKind::kRfc2217}}) {
    const std::string_view prefix(scheme);
    if (target.device.rfind(prefix, 0) != 0) continue;
    const std::string address = target.device.substr(prefix.size());
    const std::size_t colon = address.rfind(':');
    const std::optional<int> port =
        colon == std::string::npos ? std::nullopt : Number(address.substr(colon + 1));
    if (colon == 0 || !port || *port < 1 || *port > 65535)
      return {std::nullopt, "\"" + target.device + "\" is no HOST:PORT"};
    target.kind = kind;
    target.host = address.substr(0, colon);
    target.tcp_port = *port;
  }
  if (comma == std::string_view::npos) return {target, ""};
  const std::string_view option = text.substr(comma + 1);
  const std::optional<int> baud = option.rfind("baud=", 0) == 0 ? Number(option.substr(5)) : std::nullopt;
  if (target.kind != DeviceKind::kTcp || !baud || *baud <= 0)
    return {std::nullopt, "unknown option \"" + std::string(option) + "\""};
  target.fixed_baud = baud;
  return {target, ""};
}

}  // namespace platform
