#pragma once
// A pressure manifold that several simulated transmitters share, as on a calibration
// bench: a transmitter under test and a reference transmitter see the same pressure,
// each through its own gain and offset error, so a transmitter out of tolerance is one
// option away. The manifold holds each of its pressures for a while, then steps to the
// next, and stays at the last.
//
//   --manifold P[,P]...[@MS]       the pressures, each held MS milliseconds (default 5000)
//   --error ADDR:GAIN[:OFFSET]     ADDR reads GAIN * pressure + OFFSET (default 1 and 0)

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace simbus {

class Bus;

struct ManifoldSpec {
  std::vector<double> pressures;
  std::uint32_t hold_ms = 5000;
};

struct ErrorSpec {
  std::string address;
  double gain = 1.0;
  double offset = 0.0;
};

// The noise on a manifold pressure, uniform within +- this: small enough for the last
// decimal a transmitter writes to settle.
inline constexpr double kManifoldNoise = 0.01;

class Manifold {
 public:
  // Its schedule starts at `start_us`.
  Manifold(ManifoldSpec wanted, std::uint64_t start_us) : schedule_(std::move(wanted)), start_us_(start_us) {}
  double PressureAt(std::uint64_t now_us) const;

 private:
  ManifoldSpec schedule_;
  std::uint64_t start_us_;
};

std::optional<ManifoldSpec> ParseManifold(std::string_view text);
std::optional<ErrorSpec> ParseError(std::string_view text);

// Connects every transmitter of `bus` to one manifold with the schedule `wanted`, starting now, each
// with the error `errors` give for its address. The error text when an error names no
// transmitter.
std::optional<std::string> ConnectManifold(Bus& bus, const ManifoldSpec& wanted,
                                           const std::vector<ErrorSpec>& errors);

}  // namespace simbus
