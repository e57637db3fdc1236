#pragma once
// A rig for the benchmarks that drive Dravon's window through a real pseudo-terminal
// against the simbus program: a device that logs each exchange's bytes and rate, and
// what those exchanges must cost at least.

#include <memory>
#include <string>
#include <vector>

#include "dravon_core/dravon_handlers.h"
#include "platform/serial_qt/qt_serial_device.h"
#include "platform/settings/settings_store.h"
#include "protocol/transaction.h"
#include "shell/main_window.h"
#include "tests/support/child_process.h"

namespace bench {

constexpr double kTurnaroundS = 0.003;  // the simbus program's default

// Logs each transaction as its request and everything read after it.
class LoggingDevice final : public platform::SerialDevice {
 public:
  struct Exchange {
    std::size_t request_bytes;
    std::size_t reply_bytes;
    int baud;
  };
  explicit LoggingDevice(std::unique_ptr<platform::SerialDevice> inner, std::vector<Exchange>& log)
      : inner_(std::move(inner)), log_(log) {}
  platform::PortResult Configure(const platform::LineSettings& s) override {
    baud_ = s.baud;
    return inner_->Configure(s);
  }
  platform::PortResult SetHandshake(platform::Handshake h) override { return inner_->SetHandshake(h); }
  platform::PortResult DiscardInput() override { return inner_->DiscardInput(); }
  platform::PortResult DiscardOutput() override { return inner_->DiscardOutput(); }
  platform::PortResult Write(std::string_view bytes) override {
    log_.push_back({bytes.size(), 0, baud_});
    return inner_->Write(bytes);
  }
  platform::PortResult Read(std::string& out) override {
    const std::size_t before = out.size();
    auto r = inner_->Read(out);
    if (!log_.empty()) log_.back().reply_bytes += out.size() - before;
    return r;
  }
  platform::PortResult WaitForInput(std::uint32_t ms) override { return inner_->WaitForInput(ms); }

 private:
  std::unique_ptr<platform::SerialDevice> inner_;
  std::vector<Exchange>& log_;
  int baud_ = 9600;
};

// Answers every message box with its first button; window events are the rig's own.
class QuietServices : public ui::UiServices {
 public:
  ui::MessageBoxAnswer ShowMessageBox(const ui::MessageBoxRequest& r) override {
    return ui::FirstButton(r.buttons);
  }
  void DoEvents() override {}
  void TimerChanged(ui::Control&) override {}
  ui::TimeOfDay Now() override { return ui::LocalTimeOfDay(); }
};

// What the exchanges must cost at least: a time-out for each silent one, the wire time
// of both frames plus the turnaround for each answered one.
inline double ExpectedSeconds(const std::vector<LoggingDevice::Exchange>& log) {
  double total = 0;
  for (const auto& e : log) {
    const double byte_s = 10.0 / e.baud;
    if (e.reply_bytes == 0)
      total += protocol::TimeoutForSettings(std::to_string(e.baud) + ",n,8,1") / 1000.0;
    else
      total += (e.request_bytes + e.reply_bytes) * byte_s + kTurnaroundS;
  }
  return total;
}

// Dravon's main window on the simbus program's pseudo-terminal (`simbus_args`: its
// transmitters and faults; none: the demo bus), port 1 open.
struct BusRig {
  explicit BusRig(const std::vector<std::string>& simbus_args = {}) : bus(SIMBUS_BINARY, simbus_args) {
    bus_poll = &dravon::AttachDravonHandlers(main).bus_poll;
    main.window().AttachServices(services);
    main.window().Load();
    main["cmbCommPort"].set_list_index(0);
  }
  ~BusRig() { main.window().DetachServices(); }

  testing_support::SimbusProcess bus;
  std::vector<LoggingDevice::Exchange> log;
  platform::SystemClock clock;
  platform::MemorySettingsStore store;
  platform::SerialPort port{[this](int, platform::PortError& e) -> std::unique_ptr<platform::SerialDevice> {
                              auto d = platform::OpenQtSerialDevice(bus.tty(), e);
                              if (!d) return nullptr;
                              return std::make_unique<LoggingDevice>(std::move(d), log);
                            },
                            "MSCommBsq"};
  shell::MainWindow main{port, clock, store};
  QuietServices services;
  measure::BusPoll* bus_poll = nullptr;
};

}  // namespace bench
