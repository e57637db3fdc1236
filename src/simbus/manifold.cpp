#include "simbus/manifold.h"

#include <charconv>
#include <cmath>

#include "simbus/bus.h"

namespace simbus {

namespace {

std::optional<double> Number(std::string_view text) {
  double x = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(x) || std::abs(x) > 1e6)
    return std::nullopt;
  return x;
}

}  // namespace

double Manifold::PressureAt(std::uint64_t now_us) const {
  if (schedule_.pressures.empty()) return 0;
  const std::uint64_t elapsed = now_us > start_us_ ? now_us - start_us_ : 0;
  const std::uint64_t hold_us = std::uint64_t{schedule_.hold_ms} * 1000;
  const std::uint64_t step = hold_us == 0 ? 0 : elapsed / hold_us;
  return schedule_.pressures[std::min<std::uint64_t>(step, schedule_.pressures.size() - 1)];
}

std::optional<ManifoldSpec> ParseManifold(std::string_view text) {
  ManifoldSpec wanted;
  if (const std::size_t at = text.find('@'); at != std::string_view::npos) {
    const std::string_view ms = text.substr(at + 1);
    const auto [end, ec] = std::from_chars(ms.data(), ms.data() + ms.size(), wanted.hold_ms);
    if (ec != std::errc() || end != ms.data() + ms.size() || wanted.hold_ms == 0) return std::nullopt;
    text = text.substr(0, at);
  }
  while (true) {
    const std::size_t comma = text.find(',');
    const std::optional<double> p = Number(text.substr(0, comma));
    if (!p) return std::nullopt;
    wanted.pressures.push_back(*p);
    if (comma == std::string_view::npos) return wanted;
    text.remove_prefix(comma + 1);
  }
}

std::optional<ErrorSpec> ParseError(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return std::nullopt;
  ErrorSpec wanted{std::string(text.substr(0, 2))};
  std::string_view rest = text.substr(colon + 1);
  const std::size_t second = rest.find(':');
  const std::optional<double> gain = Number(rest.substr(0, second));
  if (!gain || *gain <= 0) return std::nullopt;
  wanted.gain = *gain;
  if (second != std::string_view::npos) {
    const std::optional<double> offset = Number(rest.substr(second + 1));
    if (!offset) return std::nullopt;
    wanted.offset = *offset;
  }
  return wanted;
}

std::optional<std::string> ConnectManifold(Bus& bus, const ManifoldSpec& wanted,
                                           const std::vector<ErrorSpec>& errors) {
  for (const ErrorSpec& e : errors)
    if (bus.Find(e.address) == nullptr) return "--error names no transmitter: " + e.address;
  auto manifold = std::make_shared<const Manifold>(wanted, bus.clock().now_us());
  for (std::size_t i = 0; i < bus.size(); ++i) {
    Transmitter& t = bus.transmitter(i);
    ErrorSpec own{t.address()};
    for (const ErrorSpec& e : errors)
      if (e.address == t.address()) own = e;
    t.ConnectManifold(manifold, own.gain, own.offset);
  }
  return std::nullopt;
}

}  // namespace simbus
