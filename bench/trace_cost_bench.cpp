// What recording costs a port's byte I/O, on a device that moves no bytes, so that only
// the port's own work is measured: untraced (/0), into the monitor's bounded list (/1),
// and into a trace file (/2). allocs_per_op counts every heap allocation a write and a
// read make together: an untraced port must make none. BM_EchoIo: the same for taking
// out an adapter's echo.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>

#include "platform/clock.h"
#include "platform/serial/echo_device.h"
#include "platform/serial/serial_port.h"
#include "platform/serial/trace_file.h"
#include "platform/serial/traffic_log.h"
#include "platform/serial/traffic_recorder.h"

namespace {

std::atomic<long long> g_allocations{0};

// Takes every write; each read hands back one byte.
class IdleDevice final : public platform::SerialDevice {
 public:
  platform::PortResult Configure(const platform::LineSettings&) override { return std::nullopt; }
  platform::PortResult SetHandshake(platform::Handshake) override { return std::nullopt; }
  platform::PortResult DiscardInput() override { return std::nullopt; }
  platform::PortResult DiscardOutput() override { return std::nullopt; }
  platform::PortResult Write(std::string_view) override { return std::nullopt; }
  platform::PortResult Read(std::string& out) override {
    out += '*';
    return std::nullopt;
  }
  platform::PortResult WaitForInput(std::uint32_t) override { return std::nullopt; }
};

// The measured loop: a request written, what came back read, and with `summarise` the
// exchange's summary; counts the heap allocations. The last read's bytes.
std::string WriteAndRead(benchmark::State& state, platform::SerialPort& port, bool summarise) {
  std::string in;
  in.reserve(64);
  const long long before = g_allocations.load();
  for (auto _ : state) {
    port.Write("$01RP033\r");
    in.clear();
    port.Read(in);
    if (summarise) port.RecordExchange("01", "RP0", "*01+012.3\r");
    benchmark::DoNotOptimize(in);
  }
  state.counters["allocs_per_op"] =
      static_cast<double>(g_allocations.load() - before) / static_cast<double>(state.iterations());
  return in;
}

// An adapter that hears itself: each read hands back what was last written, then a reply.
class EchoingDevice final : public platform::SerialDevice {
 public:
  platform::PortResult Configure(const platform::LineSettings&) override { return std::nullopt; }
  platform::PortResult SetHandshake(platform::Handshake) override { return std::nullopt; }
  platform::PortResult DiscardInput() override { return std::nullopt; }
  platform::PortResult DiscardOutput() override { return std::nullopt; }
  platform::PortResult Write(std::string_view bytes) override {
    sent_.assign(bytes);
    return std::nullopt;
  }
  platform::PortResult Read(std::string& out) override {
    out += sent_;
    out += "*01+012.3\r";
    sent_.clear();
    return std::nullopt;
  }
  platform::PortResult WaitForInput(std::uint32_t) override { return std::nullopt; }

 private:
  std::string sent_;
};

// What taking out the adapter's echo costs one exchange's write and read, untraced:
// /0 the echo read as received (no echo handling), /1 echo=auto, /2 echo=on.
void BM_EchoIo(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  platform::SerialPort port(
      [mode](int, platform::PortError&) -> std::unique_ptr<platform::SerialDevice> {
        auto device = std::make_unique<EchoingDevice>();
        if (mode == 0) return device;
        return std::make_unique<platform::EchoDevice>(
            std::move(device), mode == 1 ? platform::EchoMode::kAuto : platform::EchoMode::kOn, "bench");
      },
      "bench");
  port.set_port_open(true);
  state.counters["bytes_read"] = static_cast<double>(WriteAndRead(state, port, false).size());
}
BENCHMARK(BM_EchoIo)->Arg(0)->Arg(1)->Arg(2);

void BM_PortIo(benchmark::State& state) {
  platform::SystemClock clock;
  platform::SerialPort port([](int, platform::PortError&) { return std::make_unique<IdleDevice>(); },
                            "bench");
  platform::TrafficRecorder recorder(clock, [](int) { return std::string("bench"); });
  platform::TrafficLog log;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("trace_cost_bench_" + std::to_string(getpid()) + ".jsonl");
  std::string error;
  std::unique_ptr<platform::TraceFile> file;
  if (state.range(0) == 1) recorder.AddSink(log);
  if (state.range(0) == 2) {
    file = platform::TraceFile::Open(path.string(), error);
    recorder.AddSink(*file);
  }
  if (state.range(0) != 0) port.set_recorder(&recorder);
  port.set_port_open(true);
  WriteAndRead(state, port, true);
  state.counters["records_kept"] = static_cast<double>(log.size());
  port.set_recorder(nullptr);
  std::filesystem::remove(path);
}
BENCHMARK(BM_PortIo)->Arg(0)->Arg(1)->Arg(2);

}  // namespace

// Every allocation of the program goes through here, so the benchmark can count them.
void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

BENCHMARK_MAIN();
