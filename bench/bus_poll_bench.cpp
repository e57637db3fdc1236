// The bus poll in real time, through a pseudo-terminal against the simbus program with
// twenty transmitters at 9600 baud:
//  - one whole cycle (pressure and temperature of all twenty) against the sum of its
//    exchanges' wire times and the transmitters' reply delays (goal: at most 1.05 times);
//  - the same with one dead address among the twenty: the cycle grows by the time-out
//    and nothing more;
//  - the loop's CPU time as a share of its wall time (goal: under 2 % of one core), and
//    per exchange.
// Each cycle's ratio is kept too: the best and the median show what load added.
// Window events run between exchanges as they do in the window (processEvents).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/bus_rig.h"
#include "bench/thread_cpu.h"
#include "measure/bus_poll.h"

namespace {

constexpr int kTransmitters = 20;
constexpr char kDeadAddress[] = "10";

class LiveServices final : public bench::QuietServices {
 public:
  void DoEvents() override { QCoreApplication::processEvents(); }
};

std::vector<std::string> SimbusArgs(bool one_dead) {
  std::vector<std::string> args;
  for (int n = 1; n <= kTransmitters; ++n) {
    char transmitter[32];
    std::snprintf(transmitter, sizeof transmitter, "%02d:9600", n);
    args.insert(args.end(), {"--transmitter", transmitter});
  }
  if (one_dead) args.insert(args.end(), {"--fault", std::string(kDeadAddress) + ":silent"});
  return args;
}

void BM_BusPollCycle(benchmark::State& state) {
  const bool one_dead = state.range(0) != 0;
  bench::BusRig rig(SimbusArgs(one_dead));
  LiveServices live;
  rig.main.window().DetachServices();
  rig.main.window().AttachServices(live);
  if (!rig.port.port_open()) return state.SkipWithError("could not open the simbus pty");
  for (int n = 1; n <= kTransmitters; ++n) {
    char address[8];
    std::snprintf(address, sizeof address, "%02d", n);
    rig.main["CMB_ADDR"].add_item(address);
    rig.main.OnlineTable.push_back({address, 3});  // found at 9600 baud
  }
  rig.bus_poll->Start();
  rig.bus_poll->Cycle();  // the first reads each unit and serial number once
  double wall_total = 0, expected_total = 0, cpu_total = 0, user_total = 0, exchanges = 0;
  std::vector<double> ratios;  // of each cycle: a loaded machine delays some more than others
  for (auto _ : state) {
    rig.log.clear();
    const bench::CpuSeconds cpu0 = bench::ThreadCpuSplit();
    const auto t0 = std::chrono::steady_clock::now();
    rig.bus_poll->Cycle();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const bench::CpuSeconds cpu1 = bench::ThreadCpuSplit();
    cpu_total += (cpu1.user - cpu0.user) + (cpu1.system - cpu0.system);
    user_total += cpu1.user - cpu0.user;
    const double expected = bench::ExpectedSeconds(rig.log);
    wall_total += wall;
    expected_total += expected;
    ratios.push_back(wall / expected);
    exchanges += static_cast<double>(rig.log.size());
  }
  rig.bus_poll->Stop();
  std::sort(ratios.begin(), ratios.end());
  const double n = static_cast<double>(state.iterations());
  state.counters["cycle_ms"] = 1000.0 * wall_total / n;
  state.counters["wire_and_delays_ms"] = 1000.0 * expected_total / n;
  state.counters["ratio"] = wall_total / expected_total;
  state.counters["ratio_best"] = ratios.front();
  state.counters["ratio_median"] = ratios[ratios.size() / 2];
  state.counters["exchanges"] = exchanges / n;
  state.counters["cpu_share_pct"] = 100.0 * cpu_total / wall_total;
  state.counters["user_cpu_share_pct"] = 100.0 * user_total / wall_total;  // the rest is the system's
  // Load does not stretch this one much: what an exchange costs the loop's thread itself.
  state.counters["cpu_us_per_exchange"] = 1e6 * cpu_total / exchanges;
}
BENCHMARK(BM_BusPollCycle)->Arg(0)->Arg(1)->ArgNames({"dead"})->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
