// Dravon's bus search and full read in real time, through a pseudo-terminal against the
// simbus program (three transmitters: 01 at 9600, 05 at 4800, 12 at 1200):
//  - the search's duration against the sum of its time-outs and of the wire and
//    turnaround times of the probes that were answered (goal: within 1 %);
//  - the search's CPU time as a share of its wall time (goal: under 2 %);
//  - a full read at 9600 baud against the wire time of its exchanges;
//  - the search and the read again over rfc2217:// through ser2net on the loopback
//    (skipped without ser2net): the server sets each speed on the pseudo-terminal.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/bus_rig.h"
#include "bench/thread_cpu.h"
#include "discovery/bus_search.h"
#include "discovery/device_read.h"
#include "dravon_core/dravon_handlers.h"
#include "platform/serial/port_target.h"
#include "platform/serial_net/network_device.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "platform/settings/settings_store.h"
#include "protocol/transaction.h"
#include "shell/main_window.h"
#include "tests/support/child_process.h"
#include "tests/support/ser2net_process.h"

namespace {

using bench::ExpectedSeconds;
using bench::LoggingDevice;
using bench::QuietServices;

struct Rig {
  testing_support::SimbusProcess bus{SIMBUS_BINARY, {}};
  std::unique_ptr<testing_support::Ser2netProcess> server;  // set: the port is its rfc2217:// target
  std::vector<LoggingDevice::Exchange> log;
  platform::SystemClock clock;
  platform::MemorySettingsStore store;
  platform::SerialPort port{[this](int, platform::PortError& e) -> std::unique_ptr<platform::SerialDevice> {
                              auto d =
                                  server ? platform::OpenNetworkDevice(
                                               *platform::ParsePortTarget(server->Rfc2217Target()).target, e)
                                         : platform::OpenQtSerialDevice(bus.tty(), e);
                              if (!d) return nullptr;
                              return std::make_unique<LoggingDevice>(std::move(d), log);
                            },
                            "MSCommBsq"};
  shell::MainWindow main{port, clock, store};
  QuietServices services;
  // `ser2net`: the program's path, to reach the bus through it; "" for the tty itself.
  explicit Rig(const std::string& ser2net = "") {
    if (!ser2net.empty())
      server = std::make_unique<testing_support::Ser2netProcess>(ser2net, bus.tty(), 9600);
    dravon::AttachDravonHandlers(main);
    main.window().AttachServices(services);
    main.window().Load();
    main["cmbCommPort"].set_list_index(0);
  }
  ~Rig() { main.window().DetachServices(); }
};

void SearchOnce(benchmark::State& state, Rig& rig) {
  for (auto _ : state) {
    rig.log.clear();
    const double cpu0 = bench::ThreadCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    discovery::cmdSEARCH_Click(rig.main);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpu = bench::ThreadCpuSeconds() - cpu0;
    const double expected = ExpectedSeconds(rig.log);
    state.counters["found"] = rig.main["CMB_ADDR"].item_count();
    state.counters["exchanges"] = static_cast<double>(rig.log.size());
    state.counters["wall_s"] = wall;
    state.counters["expected_s"] = expected;
    state.counters["over_expected_pct"] = 100.0 * (wall - expected) / expected;
    state.counters["cpu_share_pct"] = 100.0 * cpu / wall;
  }
}

void BM_FullSearch(benchmark::State& state) {
  Rig rig;
  if (!rig.port.port_open()) return state.SkipWithError("could not open the simbus pty");
  SearchOnce(state, rig);
}
BENCHMARK(BM_FullSearch)->Iterations(1)->Unit(benchmark::kSecond);

void BM_FullSearchOverRfc2217(benchmark::State& state) {
  const std::string ser2net = testing_support::Ser2netProcess::Find();
  if (ser2net.empty()) return state.SkipWithError("ser2net is not installed");
  Rig rig(ser2net);
  if (!rig.port.port_open()) return state.SkipWithError("could not reach the bus through ser2net");
  SearchOnce(state, rig);
}
BENCHMARK(BM_FullSearchOverRfc2217)->Iterations(1)->Unit(benchmark::kSecond);

void FullRead(benchmark::State& state, Rig& rig) {
  rig.main["CMB_ADDR"].add_item("01");
  rig.main.OnlineTable = {{"01", 3}};
  rig.main["CMB_ADDR"].set_list_index(0);  // selects it (and reads it once)
  double wall_total = 0, expected_total = 0;
  for (auto _ : state) {
    rig.log.clear();
    const auto t0 = std::chrono::steady_clock::now();
    discovery::ReadAllParameters(rig.main);
    wall_total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    expected_total += ExpectedSeconds(rig.log);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["read_ms"] = 1000.0 * wall_total / n;
  state.counters["wire_and_turnaround_ms"] = 1000.0 * expected_total / n;
  state.counters["exchanges"] = static_cast<double>(rig.log.size());
}

void BM_FullReadAt9600(benchmark::State& state) {
  Rig rig;
  FullRead(state, rig);
}
BENCHMARK(BM_FullReadAt9600)->Iterations(20)->Unit(benchmark::kMillisecond);

// Every exchange answered, each reply coming byte by byte through ser2net.
void BM_FullReadOverRfc2217(benchmark::State& state) {
  const std::string ser2net = testing_support::Ser2netProcess::Find();
  if (ser2net.empty()) return state.SkipWithError("ser2net is not installed");
  Rig rig(ser2net);
  if (!rig.port.port_open()) return state.SkipWithError("could not reach the bus through ser2net");
  FullRead(state, rig);
}
BENCHMARK(BM_FullReadOverRfc2217)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
