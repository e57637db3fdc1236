// Dravon's bus search and full read in real time, through a pseudo-terminal against the
// simbus program (three transmitters: 01 at 9600, 05 at 4800, 12 at 1200):
//  - the search's duration against the sum of its time-outs and of the wire and
//    turnaround times of the probes that were answered (goal: within 1 %);
//  - the search's CPU time as a share of its wall time (goal: under 2 %);
//  - a full read at 9600 baud against the wire time of its exchanges.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/bus_rig.h"
#include "bench/thread_cpu.h"
#include "discovery/bus_search.h"
#include "discovery/device_read.h"

namespace {

void BM_FullSearch(benchmark::State& state) {
  bench::BusRig rig;
  if (!rig.port.port_open()) return state.SkipWithError("could not open the simbus pty");
  for (auto _ : state) {
    rig.log.clear();
    const double cpu0 = bench::ThreadCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    discovery::cmdSEARCH_Click(rig.main);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpu = bench::ThreadCpuSeconds() - cpu0;
    const double expected = bench::ExpectedSeconds(rig.log);
    state.counters["found"] = rig.main["CMB_ADDR"].item_count();
    state.counters["exchanges"] = static_cast<double>(rig.log.size());
    state.counters["wall_s"] = wall;
    state.counters["expected_s"] = expected;
    state.counters["over_expected_pct"] = 100.0 * (wall - expected) / expected;
    state.counters["cpu_share_pct"] = 100.0 * cpu / wall;
  }
}
BENCHMARK(BM_FullSearch)->Iterations(1)->Unit(benchmark::kSecond);

void BM_FullReadAt9600(benchmark::State& state) {
  bench::BusRig rig;
  rig.main["CMB_ADDR"].add_item("01");
  rig.main.OnlineTable = {{"01", 3}};
  rig.main["CMB_ADDR"].set_list_index(0);  // selects it (and reads it once)
  double wall_total = 0, expected_total = 0;
  for (auto _ : state) {
    rig.log.clear();
    const auto t0 = std::chrono::steady_clock::now();
    discovery::ReadAllParameters(rig.main);
    wall_total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    expected_total += bench::ExpectedSeconds(rig.log);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["read_ms"] = 1000.0 * wall_total / n;
  state.counters["wire_and_turnaround_ms"] = 1000.0 * expected_total / n;
  state.counters["exchanges"] = static_cast<double>(rig.log.size());
}
BENCHMARK(BM_FullReadAt9600)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
