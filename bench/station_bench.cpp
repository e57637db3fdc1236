// The production station in real time, through a pseudo-terminal against the simbus
// program serving a batch of new transmitters at the factory place (01, 9600 baud): the
// time from the user's OK to the next transmitter's box (probe, read, apply with read-back,
// address and baud change, store, report row) against the sum of those exchanges' wire
// and turnaround times (goal: at most 1.1 times). The probe finds each transmitter, so no
// full search runs: the exchanges per transmitter show it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench/bus_rig.h"

namespace {

constexpr int kTransmitters = 6;

// Answers each box with OK but the last, with Cancel, noting when it was shown and how
// many exchanges had been made by then; the files are the given ones.
class StationServices final : public bench::QuietServices {
 public:
  StationServices(const std::vector<bench::LoggingDevice::Exchange>& log, std::string profile,
                  std::string report)
      : log_(log), profile_(std::move(profile)), report_(std::move(report)) {}
  ui::MessageBoxAnswer ShowMessageBox(const ui::MessageBoxRequest&) override {
    shown.push_back({std::chrono::steady_clock::now(), log_.size()});
    answered.push_back(std::chrono::steady_clock::now());
    return shown.size() < kTransmitters ? ui::MessageBoxAnswer::kOk : ui::MessageBoxAnswer::kCancel;
  }
  std::optional<std::string> ChooseFile(const ui::FileChoiceRequest& request) override {
    return request.key == "profile" ? profile_ : report_;
  }
  struct Shown {
    std::chrono::steady_clock::time_point at;
    std::size_t exchanges;
  };
  std::vector<Shown> shown;
  std::vector<std::chrono::steady_clock::time_point> answered;

 private:
  const std::vector<bench::LoggingDevice::Exchange>& log_;
  std::string profile_, report_;
};

std::vector<std::string> SimbusArgs() {
  std::vector<std::string> args;
  for (int n = 1; n <= kTransmitters; ++n) {
    char serial[16];
    std::snprintf(serial, sizeof serial, "081000%02d", n);
    args.insert(args.end(), {"--batch", serial});
  }
  return args;
}

void BM_StationNextTransmitter(benchmark::State& state) {
  char pattern[] = "/tmp/station-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  std::ofstream(dir + "/p.ini") << "[Transmitter]\nUnit=4\nDecimalPoint=1\nRangeLow=0\nRangeHigh=250\n"
                                   "Output4mA=0\nOutput20mA=200\nStore=user\n[Station]\nFirstAddress=02\n"
                                   "LastAddress=99\n";
  double wall_total = 0, expected_total = 0, exchanges = 0;
  for (auto _ : state) {
    bench::BusRig rig(SimbusArgs());
    StationServices services(rig.log, dir + "/p.ini", dir + "/r.csv");
    rig.main.window().DetachServices();
    rig.main.window().AttachServices(services);
    if (!rig.port.port_open()) return state.SkipWithError("could not open the simbus pty");
    rig.main["mnuStation"].RaiseClick();
    if (services.shown.size() != kTransmitters)
      return state.SkipWithError("the run did not reach every transmitter");
    // From the first OK on: each next transmitter, OK to box.
    for (std::size_t k = 1; k < services.shown.size(); ++k) {
      wall_total += std::chrono::duration<double>(services.shown[k].at - services.answered[k - 1]).count();
      const std::vector<bench::LoggingDevice::Exchange> part(
          rig.log.begin() + static_cast<std::ptrdiff_t>(services.shown[k - 1].exchanges),
          rig.log.begin() + static_cast<std::ptrdiff_t>(services.shown[k].exchanges));
      expected_total += bench::ExpectedSeconds(part);
      exchanges += static_cast<double>(part.size());
    }
    std::filesystem::remove(dir + "/r.csv");
    rig.main.window().DetachServices();
    rig.main.window().AttachServices(rig.services);
  }
  std::filesystem::remove_all(dir);
  const double n = static_cast<double>(state.iterations()) * (kTransmitters - 1);
  state.counters["ok_to_box_ms"] = 1000.0 * wall_total / n;
  state.counters["wire_and_turnaround_ms"] = 1000.0 * expected_total / n;
  state.counters["ratio"] = wall_total / expected_total;
  state.counters["exchanges_per_transmitter"] = exchanges / n;
}
BENCHMARK(BM_StationNextTransmitter)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
