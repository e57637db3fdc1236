#pragma once
// A serial device for tests: replies are scripted as (arrival time, bytes) on a
// VirtualClock; every write, discard and wait is recorded, and any operation can be
// made to fail as an unplugged adapter would.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/serial/serial_device.h"

namespace testing_support {

class ScriptedDevice final : public platform::SerialDevice {
 public:
  struct Arrival {
    std::uint64_t at_us;
    std::string bytes;
  };

  explicit ScriptedDevice(platform::VirtualClock& clock) : clock_(clock) {}

  // Bytes that arrive at `delay_ms` after the next write.
  void ReplyToNextWrite(std::uint32_t delay_ms, std::string bytes) {
    script_.push_back({delay_ms, std::move(bytes)});
  }
  // Bytes that arrive at an absolute time.
  void ArriveAt(std::uint64_t at_us, std::string bytes) { pending_.push_back({at_us, std::move(bytes)}); }
  void FailFrom(std::uint64_t at_us) { fail_from_us_ = at_us; }

  platform::PortResult Configure(const platform::LineSettings& s) override {
    configured.push_back(s);
    return Check();
  }
  platform::PortResult SetHandshake(platform::Handshake) override { return Check(); }
  platform::PortResult DiscardInput() override {
    ++discards_in;
    Deliver();
    arrived_.clear();
    return Check();
  }
  platform::PortResult DiscardOutput() override { return Check(); }
  platform::PortResult Write(std::string_view bytes) override {
    if (auto r = Check()) return r;
    writes.emplace_back(bytes);
    for (const auto& s : script_) pending_.push_back({clock_.now_us() + s.at_us * 1000, s.bytes});
    script_.clear();
    return std::nullopt;
  }
  platform::PortResult Read(std::string& out) override {
    if (auto r = Check()) return r;
    ++reads;
    Deliver();
    out += arrived_;
    arrived_.clear();
    return std::nullopt;
  }
  platform::PortResult WaitForInput(std::uint32_t max_wait_ms) override {
    if (auto r = Check()) return r;
    ++waits;
    Deliver();
    if (!arrived_.empty()) return std::nullopt;
    std::uint64_t wake = clock_.now_us() + std::uint64_t{max_wait_ms} * 1000;
    for (const auto& a : pending_)
      if (a.at_us < wake) wake = a.at_us;
    if (fail_from_us_ < wake) wake = fail_from_us_;
    clock_.sleep_until_us(wake);
    return Check();
  }

  std::vector<std::string> writes;
  std::vector<platform::LineSettings> configured;
  int reads = 0;
  int waits = 0;
  int discards_in = 0;

 private:
  platform::PortResult Check() const {
    if (clock_.now_us() >= fail_from_us_)
      return platform::PortError{platform::kErrReadFailed, "device vanished", ""};
    return std::nullopt;
  }
  void Deliver() {
    for (auto it = pending_.begin(); it != pending_.end();) {
      if (it->at_us <= clock_.now_us()) {
        arrived_ += it->bytes;
        it = pending_.erase(it);
      } else {
        ++it;
      }
    }
  }

  platform::VirtualClock& clock_;
  std::vector<Arrival> script_;  // at_us holds the delay in ms until written
  std::vector<Arrival> pending_;
  std::string arrived_;
  std::uint64_t fail_from_us_ = UINT64_MAX;
};

}  // namespace testing_support
