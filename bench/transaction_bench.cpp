// What a transaction costs on a real tty at 9600 baud:
//  - the delay from the reply's CR being written by the far end to Comm_Send returning;
//  - the CPU time of a transaction that times out on a silent address, as a share of
//    its wall time (a busy wait would show close to 100%).
// Each with the port untraced (/0) and tracing to a file as --trace does (/1).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/pty_peer.h"
#include "bench/thread_cpu.h"
#include "platform/clock.h"
#include "platform/serial/trace_file.h"
#include "platform/serial/traffic_recorder.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "protocol/transaction.h"

namespace {

struct Link {
  // `traced`: every record goes to a trace file, written and flushed line by line.
  Link(const std::string& path, bool traced)
      : port([path](int, platform::PortError& e) { return platform::OpenQtSerialDevice(path, e); }, "bench") {
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

void BM_ReplyToReturn(benchmark::State& state) {
  bench::PtyPeer peer("99");
  Link link(peer.slave_path(), state.range(0) != 0);
  std::vector<double> delays_us;
  for (auto _ : state) {
    const std::string r = link.transaction.Comm_Send("01", "WU");
    const std::int64_t returned = bench::SteadyNowNs();
    if (r != "*01OK\r") {
      state.SkipWithError("no reply from the peer");
      return;
    }
    delays_us.push_back(static_cast<double>(returned - peer.last_cr_written_ns()) / 1000.0);
  }
  std::sort(delays_us.begin(), delays_us.end());
  state.counters["median_cr_to_return_us"] = delays_us[delays_us.size() / 2];
  state.counters["p99_cr_to_return_us"] = delays_us[delays_us.size() * 99 / 100];
}
BENCHMARK(BM_ReplyToReturn)->Arg(0)->Arg(1)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_TimeoutCpuShare(benchmark::State& state) {
  bench::PtyPeer peer("99");
  Link link(peer.slave_path(), state.range(0) != 0);
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
BENCHMARK(BM_TimeoutCpuShare)->Arg(0)->Arg(1)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
