// What a transaction costs on a real tty at 9600 baud:
//  - the delay from the reply's CR being written by the far end to Comm_Send returning;
//  - the CPU time of a transaction that times out on a silent address, as a share of
//    its wall time (a busy wait would show close to 100%).
// Each with the port untraced (/0) and tracing to a file as --trace does (/1).
// The first again over tcp://, the second over rfc2217://, through ser2net on the loopback
// (skipped without ser2net).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/pty_peer.h"
#include "bench/thread_cpu.h"
#include "platform/clock.h"
#include "platform/serial/port_target.h"
#include "platform/serial/trace_file.h"
#include "platform/serial/traffic_recorder.h"
#include "platform/serial_net/network_device.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "protocol/transaction.h"
#include "tests/support/ser2net_process.h"

namespace {

platform::DeviceFactory TtyOpener(const std::string& path) {
  return [path](int, platform::PortError& e) { return platform::OpenQtSerialDevice(path, e); };
}

struct Link {
  // `traced`: every record goes to a trace file, written and flushed line by line.
  Link(platform::DeviceFactory open, bool traced) : port(std::move(open), "bench") {
    if (traced) {
      std::string error;
      trace = platform::TraceFile::Open(trace_path.string(), error);
      recorder.AddSink(*trace);
      port.set_recorder(&recorder);
    }
    port.set_settings("9600,N,8,1");
    port.set_port_open(true);
  }
  ~Link() {
    port.set_recorder(nullptr);
    std::filesystem::remove(trace_path);
  }
  platform::SystemClock clock;
  platform::SerialPort port;
  protocol::Transaction transaction{port, clock};
  platform::TrafficRecorder recorder{clock, [](int) { return std::string("bench"); }};
  std::filesystem::path trace_path =
      std::filesystem::temp_directory_path() / ("transaction_bench_" + std::to_string(getpid()) + ".jsonl");
  std::unique_ptr<platform::TraceFile> trace;
};

// The reply's CR leaving the far end to Comm_Send returning, in microseconds, sorted.
std::vector<double> ReplyDelays(benchmark::State& state, Link& link, const bench::PtyPeer& peer) {
  std::vector<double> delays_us;
  for (auto _ : state) {
    const std::string r = link.transaction.Comm_Send("01", "WU");
    const std::int64_t returned = bench::SteadyNowNs();
    if (r != "*01OK\r") {
      state.SkipWithError("no reply from the peer");
      return {};
    }
    delays_us.push_back(static_cast<double>(returned - peer.last_cr_written_ns()) / 1000.0);
  }
  std::sort(delays_us.begin(), delays_us.end());
  state.counters["median_cr_to_return_us"] = delays_us[delays_us.size() / 2];
  state.counters["p99_cr_to_return_us"] = delays_us[delays_us.size() * 99 / 100];
  return delays_us;
}

void BM_ReplyToReturn(benchmark::State& state) {
  bench::PtyPeer peer("99");
  Link link(TtyOpener(peer.slave_path()), state.range(0) != 0);
  ReplyDelays(state, link, peer);
}
BENCHMARK(BM_ReplyToReturn)->Arg(0)->Arg(1)->Iterations(300)->Unit(benchmark::kMillisecond);

// Exchanges with a silent address: their CPU share and how long each takes against its
// 100 ms time-out.
void TimeOuts(benchmark::State& state, Link& link) {
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double c0 = bench::ThreadCpuSeconds();
    const std::int64_t w0 = bench::SteadyNowNs();
    link.transaction.Comm_Send("99", "AD");
    wall += static_cast<double>(bench::SteadyNowNs() - w0) / 1e9;
    cpu += bench::ThreadCpuSeconds() - c0;
  }
  state.counters["cpu_share_pct"] = 100.0 * cpu / wall;
  state.counters["timeout_ms"] = 1000.0 * wall / static_cast<double>(state.iterations());
}

void BM_TimeoutCpuShare(benchmark::State& state) {
  bench::PtyPeer peer("99");
  Link link(TtyOpener(peer.slave_path()), state.range(0) != 0);
  TimeOuts(state, link);
}

// The peer behind ser2net on the loopback, the tty at 9600 baud.
struct ServedPeer {
  explicit ServedPeer(const std::string& ser2net)
      : keep_slave(open(peer.slave_path().c_str(), O_RDWR | O_NOCTTY)),
        server(ser2net, peer.slave_path(), 9600) {}
  ~ServedPeer() {
    if (keep_slave >= 0) close(keep_slave);
  }
  bench::PtyPeer peer{"99"};
  // Held open here so the peer never sees a hang-up when ser2net closes the tty between
  // connections (its start-up check connects once).
  int keep_slave;
  testing_support::Ser2netProcess server;
};

platform::DeviceFactory NetworkOpener(const std::string& target_text) {
  const platform::PortTarget target = *platform::ParsePortTarget(target_text).target;
  return [target](int, platform::PortError& e) { return platform::OpenNetworkDevice(target, e); };
}

// The far end behind ser2net's raw TCP port: the network path adds its hops to the delay.
void BM_ReplyToReturnOverTcp(benchmark::State& state) {
  const std::string ser2net = testing_support::Ser2netProcess::Find();
  if (ser2net.empty()) return state.SkipWithError("ser2net is not installed");
  ServedPeer served(ser2net);
  if (!served.server.ready()) return state.SkipWithError("ser2net did not start");
  Link link(NetworkOpener(served.server.TcpTarget()), false);
  // ser2net opens the tty once the connection is made: what comes before is not heard.
  for (int i = 0; i < 20 && link.transaction.Comm_Send("01", "WU") != "*01OK\r"; ++i) {
  }
  ReplyDelays(state, link, served.peer);
}
BENCHMARK(BM_ReplyToReturnOverTcp)->Iterations(300)->Unit(benchmark::kMillisecond);

// A silent address over rfc2217://: what the purges, the Telnet layer and the network's
// waits add to the time-out (the search's addresses are mostly silent ones).
void BM_TimeoutOverRfc2217(benchmark::State& state) {
  const std::string ser2net = testing_support::Ser2netProcess::Find();
  if (ser2net.empty()) return state.SkipWithError("ser2net is not installed");
  ServedPeer served(ser2net);
  if (!served.server.ready()) return state.SkipWithError("ser2net did not start");
  Link link(NetworkOpener(served.server.Rfc2217Target()), false);
  if (!link.port.port_open()) return state.SkipWithError("could not reach ser2net");
  TimeOuts(state, link);
  // A rate change, as the search makes one per rate: each setting is the server's to confirm.
  const std::int64_t t0 = bench::SteadyNowNs();
  constexpr int kChanges = 10;
  for (int i = 0; i < kChanges; ++i) link.port.set_settings(i % 2 == 0 ? "4800,N,8,1" : "9600,N,8,1");
  state.counters["rate_change_ms"] = static_cast<double>(bench::SteadyNowNs() - t0) / 1e6 / kChanges;
}
BENCHMARK(BM_TimeoutOverRfc2217)->Iterations(30)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_TimeoutCpuShare)->Arg(0)->Arg(1)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
