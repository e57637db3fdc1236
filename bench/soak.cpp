// Soak: Dravon's measurement polling through the real serial backend and a real
// pseudo-terminal, against a simulated transmitter that damages every pressure reply in
// turn with a time-out, a bad checksum, noise before the frame, and (harmlessly) a reply
// split into pieces. Reports polls made, failures counted against failures injected,
// resident memory at start and end, and CPU share.
//
//   soak [SECONDS]      (default 600, split evenly over the four fault phases)
#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "bench/thread_cpu.h"
#include "dravon_core/dravon_handlers.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/headless/event_loop.h"
#include "shell/main_window.h"
#include "simbus/bus.h"
#include "simbus/pty_server.h"

namespace {

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kb = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> kb;
      return kb;
    }
    status.ignore(1 << 16, '\n');
  }
  return -1;
}

double ProcessCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

class SoakServices final : public ui::UiServices {
 public:
  SoakServices(ui::Window& w, platform::Clock& c) : loop(w, c) {}
  ui::MessageBoxAnswer ShowMessageBox(const ui::MessageBoxRequest& r) override {
    return ui::FirstButton(r.buttons);
  }
  void DoEvents() override { loop.RunDueEvents(); }
  void TimerChanged(ui::Control& t) override { loop.TimerChanged(t); }
  ui::TimeOfDay Now() override { return ui::LocalTimeOfDay(); }
  ui::headless::EventLoop loop;
};

struct Phase {
  const char* name;
  simbus::Faults faults;
  bool fails_a_poll;  // whether a reply damaged this way must count as a failed poll
};

// The transmitter answers temperature and pressure in turn, so with every = 2 (counted
// from the first poll, a temperature poll) exactly the pressure replies are damaged.
const Phase kPhases[] = {
    {"time-out", {.silent = true, .every = 2}, true},
    {"bad checksum", {.bad_checksum = true, .every = 2}, true},
    {"noise before the frame", {.noise_before = "\x7f#", .every = 2}, true},
    {"reply in 3 pieces", {.split_pieces = 3, .split_gap_ms = 8, .every = 2}, false},
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const double total_s = argc > 1 ? std::atof(argv[1]) : 600.0;
  const auto phase_ms = static_cast<std::uint64_t>(total_s * 1000 / std::size(kPhases));

  platform::SystemClock clock;
  platform::MemorySettingsStore store;
  std::string tty;
  platform::SerialPort port(
      [&tty](int, platform::PortError& e) { return platform::OpenQtSerialDevice(tty, e); }, "MSCommBsq");
  shell::MainWindow main(port, clock, store);
  dravon::AttachDravonHandlers(main);
  SoakServices services(main.window(), clock);
  main.window().AttachServices(services);
  main.window().Load();
  main["CMB_ADDR"].add_item("01");
  main.OnlineTable = {{"01", 3}};
  main["CMB_ADDR"].set_list_index(0);  // selects 01 (its read runs on the closed port, at once)

  long rss_start = -1;
  const double cpu0 = ProcessCpuSeconds(), main_cpu0 = bench::ThreadCpuSeconds();
  const auto wall0 = std::chrono::steady_clock::now();
  long polls_total = 0, counted_total = 0, expected_total = 0;
  bool agree = true;

  for (const Phase& phase : kPhases) {
    simbus::Bus bus(clock);
    simbus::TransmitterConfig config;
    config.address = "01";
    config.baud = 9600;
    config.version = "1.50";
    config.faults = phase.faults;
    simbus::Transmitter& transmitter = bus.Add(config);
    std::string error;
    auto server = simbus::PtyServer::OpenPty(bus, &error);
    if (!server) {
      std::cerr << "soak: " << error << "\n";
      return 1;
    }
    tty = server->path();
    std::atomic<bool> stop{false};
    std::thread serving([&] { server->Serve(stop); });

    main["cmbCommPort"].set_list_index(-1);
    main["cmbCommPort"].set_list_index(0);  // opens the new pty
    main["cmdON_OFF"].set_caption("采集");
    main.TempTurn = true;            // the first poll of every phase reads the temperature
    main["cmdON_OFF"].RaiseClick();  // start: counters to 0
    if (rss_start < 0) rss_start = ResidentKb();
    services.loop.Wait(phase_ms);
    main["cmdON_OFF"].RaiseClick();  // stop
    services.loop.Wait(600);         // let a late reply of the last poll go by

    stop = true;
    serving.join();
    const simbus::FaultCounters& c = transmitter.fault_counters();
    const long polls = static_cast<long>(c.replies);
    const long counted = std::stol(main["Label19"].caption()) + std::stol(main["Label20"].caption());
    const long expected = phase.fails_a_poll ? static_cast<long>(c.faulted) : 0;
    polls_total += polls;
    counted_total += counted;
    expected_total += expected;
    agree = agree && counted == expected;
    std::printf("%-24s polls %6ld  damaged %6lu  failures counted %6ld  expected %6ld  %s\n", phase.name,
                polls, static_cast<unsigned long>(c.faulted), counted, expected,
                counted == expected ? "agree" : "DISAGREE");
    main.MSCommBsq.set_port_open(false);
  }

  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  const long rss_end = ResidentKb();
  std::printf("total: %ld polls in %.0f s; failures counted %ld, expected %ld (%s)\n", polls_total, wall,
              counted_total, expected_total, agree ? "agree" : "DISAGREE");
  std::printf("resident memory: %ld kB at start, %ld kB at end\n", rss_start, rss_end);
  std::printf(
      "CPU: whole process %.2f %% (incl. the simulated transmitter's thread), polling thread %.2f %%\n",
      100.0 * (ProcessCpuSeconds() - cpu0) / wall, 100.0 * (bench::ThreadCpuSeconds() - main_cpu0) / wall);
  main.window().DetachServices();
  return agree ? 0 : 1;
}
