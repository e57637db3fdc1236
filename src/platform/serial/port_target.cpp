#include "platform/serial/port_target.h"

#include <charconv>
#include <vector>

namespace platform {

namespace {

constexpr std::string_view kTcpScheme = "tcp://";
constexpr std::string_view kRfc2217Scheme = "rfc2217://";
constexpr int kDefaultServerBaud = 9600;

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t comma = text.find(',');
    parts.push_back(Trimmed(text.substr(0, comma)));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

// A whole number within [low, high], digits only.
std::optional<int> WholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

// "HOST:PORT" after the scheme; an IPv6 address is written in brackets ("[::1]:4001").
std::string ReadServer(std::string_view device, std::string_view rest, PortTarget& target) {
  const std::string url(device);
  std::string_view host;
  std::string_view port;
  if (!rest.empty() && rest.front() == '[') {
    const std::size_t close = rest.find(']');
    if (close == std::string_view::npos || close + 1 >= rest.size() || rest[close + 1] != ':')
      return "\"" + url + "\" needs HOST:PORT, such as [::1]:4001";
    host = rest.substr(1, close - 1);
    port = rest.substr(close + 2);
  } else {
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos) return "\"" + url + "\" has no port number (HOST:PORT)";
    host = rest.substr(0, colon);
    port = rest.substr(colon + 1);
  }
  if (host.empty()) return "\"" + url + "\" has no host name";
  if (host.find_first_of(":/ []@") != std::string_view::npos && rest.front() != '[')
    return "\"" + url + "\" is not HOST:PORT";
  const std::optional<int> number = WholeNumber(port, 1, 65535);
  if (!number) return "\"" + url + "\" has a bad port number \"" + std::string(port) + "\" (1 to 65535)";
  target.host = std::string(host);
  target.tcp_port = *number;
  return {};
}

std::string ReadDevice(std::string_view device, PortTarget& target) {
  if (device.empty()) return "the target names no device";
  target.device = std::string(device);
  target.kind = KindOfDevice(device);
  switch (target.kind) {
    case DeviceKind::kTcp:
      return ReadServer(device, device.substr(kTcpScheme.size()), target);
    case DeviceKind::kRfc2217:
      return ReadServer(device, device.substr(kRfc2217Scheme.size()), target);
    case DeviceKind::kSimulated:
      return {};
    case DeviceKind::kTty:
      break;
  }
  if (device.find("://") != std::string_view::npos)
    return "unknown kind of device \"" + std::string(device) + "\" (a tty path, sim, tcp:// or rfc2217://)";
  return {};
}

std::string ReadOption(std::string_view option, PortTarget& target, std::vector<std::string_view>& seen) {
  const std::size_t eq = option.find('=');
  const std::string_view name = option.substr(0, eq);
  const std::optional<std::string_view> value =
      eq == std::string_view::npos ? std::nullopt : std::optional(option.substr(eq + 1));
  const std::string quoted = "\"" + std::string(option) + "\"";
  if (option.empty()) return "an empty option (two commas, or a comma at the end)";
  for (std::string_view before : seen)
    if (before == name) return "the option " + std::string(name) + " is given twice";
  seen.push_back(name);

  if (name == "echo") {
    if (value == "auto") {
      target.echo = EchoMode::kAuto;
    } else if (value == "on") {
      target.echo = EchoMode::kOn;
    } else if (value == "off") {
      target.echo = EchoMode::kOff;
    } else {
      return "bad option " + quoted + ": echo is auto, on or off";
    }
    return {};
  }
  if (name == "rs485") {
    if (target.kind != DeviceKind::kTty) return "rs485 is for a serial device, not " + target.device;
    if (!value || value == "rts-high") {
      target.rs485 = Rs485Mode::kRtsHigh;
    } else if (value == "rts-low") {
      target.rs485 = Rs485Mode::kRtsLow;
    } else {
      return "bad option " + quoted + ": rs485 or rs485=rts-low";
    }
    return {};
  }
  if (name == "baud") {
    if (target.kind != DeviceKind::kTcp) return "baud= is for a tcp:// server, not " + target.device;
    const std::optional<int> baud = value ? WholeNumber(*value, 50, 4000000) : std::nullopt;
    if (!baud) return "bad option " + quoted + ": baud=N with N the server's line speed";
    target.fixed_baud = *baud;
    return {};
  }
  return "unknown option " + quoted + " (echo=auto|on|off, rs485, rs485=rts-low, baud=N)";
}

}  // namespace

DeviceKind KindOfDevice(std::string_view device) {
  if (device == "sim") return DeviceKind::kSimulated;
  if (device.substr(0, kTcpScheme.size()) == kTcpScheme) return DeviceKind::kTcp;
  if (device.substr(0, kRfc2217Scheme.size()) == kRfc2217Scheme) return DeviceKind::kRfc2217;
  return DeviceKind::kTty;
}

std::string PortTarget::OptionsText() const {
  std::string text;
  const auto add = [&text](std::string_view option) {
    if (!text.empty()) text += ',';
    text += option;
  };
  if (echo) add(*echo == EchoMode::kAuto ? "echo=auto" : *echo == EchoMode::kOn ? "echo=on" : "echo=off");
  if (rs485 == Rs485Mode::kRtsHigh) add("rs485");
  if (rs485 == Rs485Mode::kRtsLow) add("rs485=rts-low");
  if (fixed_baud) add("baud=" + std::to_string(*fixed_baud));
  return text;
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
  const std::vector<std::string_view> parts = SplitAtCommas(text);
  PortTarget target;
  std::string error = ReadDevice(parts.front(), target);
  std::vector<std::string_view> seen;
  for (std::size_t i = 1; error.empty() && i < parts.size(); ++i) error = ReadOption(parts[i], target, seen);
  if (!error.empty()) return {std::nullopt, std::move(error)};
  return {std::move(target), {}};
}

}  // namespace platform
