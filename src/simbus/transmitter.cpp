#include "simbus/transmitter.h"

#include <cmath>
#include <numbers>

#include "protocol/commands.h"

namespace simbus {
namespace {

constexpr int kBauds[] = {1200, 2400, 4800, 9600};

std::uint64_t SplitMix64(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Deterministic value of a signal at a time; `stream` keeps the noise of different
// signals of one transmitter apart.
double SignalAt(const Signal& s, std::uint64_t seed, std::uint64_t stream, std::uint64_t now_us) {
  const double t = static_cast<double>(now_us) / 1e6;
  double value = s.base;
  if (s.period_s > 0) value += s.amplitude * std::sin(2 * std::numbers::pi * t / s.period_s);
  if (s.noise > 0) {
    const std::uint64_t slot = now_us / 100000;  // the noise holds for 100 ms
    const std::uint64_t r = SplitMix64(SplitMix64(seed * 2 + stream) ^ slot);
    const double unit = static_cast<double>(r >> 11) / static_cast<double>(1ull << 53);  // [0, 1)
    value += s.noise * (2 * unit - 1);
  }
  return value;
}

}  // namespace

std::optional<int> BaudFromCode(int code) {
  if (code < 0 || code > 3) return std::nullopt;
  return kBauds[code];
}

std::optional<int> CodeFromBaud(int baud) {
  for (int code = 0; code < 4; ++code) {
    if (kBauds[code] == baud) return code;
  }
  return std::nullopt;
}

Transmitter::Transmitter(TransmitterConfig config)
    : config_(std::move(config)),
      address_(config_.address),
      baud_(config_.baud),
      present_(config_.settings),
      user_area_(config_.settings),
      factory_area_(config_.settings),
      faults_(config_.faults) {}

Outcome Transmitter::Handle(std::string_view command, std::uint64_t now_us, bool broadcast) {
  Outcome outcome;
  const std::string& stale = faults_.stale_echo_of;
  const bool stale_echo = !stale.empty() && command.size() > stale.size() && command.starts_with(stale);
  const std::optional<std::string> before = stale_echo ? Execute(stale, now_us, nullptr) : std::nullopt;
  const Settings present_before = present_, user_before = user_area_, factory_before = factory_area_;
  const std::string address_before = address_;
  std::optional<std::string> value = Execute(command, now_us, &outcome.baud_after);
  const bool changed = present_ != present_before || user_area_ != user_before ||
                       factory_area_ != factory_before || address_ != address_before ||
                       (outcome.baud_after && *outcome.baud_after != baud_);
  if (heard_.size() == kHeardLimit) heard_.pop_front();
  heard_.push_back({std::string(command), broadcast, changed});
  if (!value || broadcast) return outcome;
  if (before) value = before;

  // A reply is due: decide its fault before framing, as an overflow or a missing
  // temperature changes the value.
  const bool faulted = NextReplyFaulted(faults_, counters_);
  if (faulted && faults_.overflow != Overflow::kNone && command == protocol::cmd::kReadPressure) {
    *value = faults_.overflow == Overflow::kNegative ? "-@OVER" : "+@OVER";
    ++counters_.overflow;
  }
  if (faulted && faults_.no_temperature && command == protocol::cmd::kReadTemperature) {
    value->clear();
    ++counters_.no_temperature;
  }
  // The reply comes from the address the transmitter has now ("AD" set answers from
  // the new address).
  outcome.reply = ShapeReply(address_ + *value, faults_, faulted, counters_);
  return outcome;
}

double Transmitter::RawPressureAt(std::uint64_t now_us) const {
  if (manifold_) {
    const Signal noise{.base = 0, .amplitude = 0, .period_s = 0, .noise = kManifoldNoise};
    return gain_ * manifold_->PressureAt(now_us) + offset_ + SignalAt(noise, config_.seed, 0, now_us);
  }
  return SignalAt(config_.pressure, config_.seed, 0, now_us);
}

double Transmitter::PressureAt(std::uint64_t now_us) const {
  return RawPressureAt(now_us) - present_.zero_offset;
}

double Transmitter::TemperatureAt(std::uint64_t now_us) const {
  return SignalAt(config_.temperature, config_.seed, 1, now_us);
}

}  // namespace simbus
