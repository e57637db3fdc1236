#pragma once
// Pemliq's window on a simulated bus with a VirtualClock, driven as a user drives it.
// Port 1 reaches the bus, port 2 a scripted device (replies placed by hand), port 3 is
// held by another program; any other port does not exist. Every device records what
// the window did to it, and any of them can be made to fail like an unplugged adapter.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/ui/user_actions.h"
#include "simbus/bus.h"
#include "simbus/sim_device.h"
#include "terminal/terminal_window.h"
#include "tests/support/scripted_device.h"

namespace terminal_test {

struct Write {
  std::uint64_t at_ms;
  std::string bytes;
};

struct DeviceLog {
  std::vector<Write> writes;
  std::vector<platform::LineSettings> configured;
  std::vector<platform::Handshake> handshakes;
  int opens = 0;
  int reads = 0;
  bool unplugged = false;  // every operation fails from now on
};

// Passes everything on to the device behind it and writes it down.
class LoggingDevice final : public platform::SerialDevice {
 public:
  LoggingDevice(std::unique_ptr<platform::SerialDevice> owned, platform::SerialDevice& inner, DeviceLog& log,
                const platform::Clock& clock)
      : owned_(std::move(owned)), inner_(inner), log_(log), clock_(clock) {}

  platform::PortResult Configure(const platform::LineSettings& s) override {
    log_.configured.push_back(s);
    return Unplugged() ? Unplugged() : inner_.Configure(s);
  }
  platform::PortResult SetHandshake(platform::Handshake mode) override {
    log_.handshakes.push_back(mode);
    return inner_.SetHandshake(mode);
  }
  platform::PortResult DiscardInput() override { return Unplugged() ? Unplugged() : inner_.DiscardInput(); }
  platform::PortResult DiscardOutput() override { return Unplugged() ? Unplugged() : inner_.DiscardOutput(); }
  platform::PortResult Write(std::string_view bytes) override {
    if (Unplugged()) return Unplugged();
    log_.writes.push_back({clock_.now_us() / 1000, std::string(bytes)});
    return inner_.Write(bytes);
  }
  platform::PortResult Read(std::string& out) override {
    ++log_.reads;
    return Unplugged() ? Unplugged() : inner_.Read(out);
  }
  platform::PortResult WaitForInput(std::uint32_t max_wait_ms) override {
    return Unplugged() ? Unplugged() : inner_.WaitForInput(max_wait_ms);
  }

 private:
  platform::PortResult Unplugged() const {
    if (!log_.unplugged) return std::nullopt;
    return platform::PortError{platform::kErrReadFailed, "the adapter was unplugged", ""};
  }

  std::unique_ptr<platform::SerialDevice> owned_;
  platform::SerialDevice& inner_;
  DeviceLog& log_;
  const platform::Clock& clock_;
};

// Message boxes are recorded and answered from `answers`; with none queued a Retry/Cancel
// box gets Cancel, so a test can never retry without end.
class RecordingServices final : public ui::UiServices {
 public:
  ui::MessageBoxAnswer ShowMessageBox(const ui::MessageBoxRequest& request) override {
    boxes.push_back(request);
    if (answers.empty()) {
      return request.buttons == ui::MessageBoxButtons::kOk ? ui::MessageBoxAnswer::kOk
                                                           : ui::MessageBoxAnswer::kCancel;
    }
    const ui::MessageBoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void DoEvents() override {}
  void Repaint() override {
    if (on_repaint) on_repaint();
  }
  void TimerChanged(ui::Control&) override {}
  ui::TimeOfDay Now() override { return {}; }

  std::vector<ui::MessageBoxRequest> boxes;
  std::deque<ui::MessageBoxAnswer> answers;
  std::function<void()> on_repaint;
};

inline simbus::TransmitterConfig Transmitter(std::string address, int baud) {
  simbus::TransmitterConfig config;
  config.address = std::move(address);
  config.baud = baud;
  return config;
}

class TerminalTest : public ::testing::Test {
 protected:
  TerminalTest() {
    bus.Add(Transmitter("01", 9600));  // version "2.00": "VR" answers "*012.001D"
    bus.Add(Transmitter("05", 4800));
    form.window().AttachServices(services);
    form.window().Load();
  }
  ~TerminalTest() override { form.window().DetachServices(); }

  simbus::Transmitter& T01() { return bus.transmitter(0); }

  std::unique_ptr<platform::SerialDevice> Open(int port_number, platform::PortError& error) {
    switch (port_number) {
      case 1: {
        ++bus_log.opens;
        auto sim = std::make_unique<simbus::SimDevice>(bus);
        simbus::SimDevice& inner = *sim;
        return std::make_unique<LoggingDevice>(std::move(sim), inner, bus_log, clock);
      }
      case 2:
        ++scripted_log.opens;
        return std::make_unique<LoggingDevice>(nullptr, scripted, scripted_log, clock);
      case 3:
        error = {platform::kErrDeviceBusy, "held by another program", ""};
        return nullptr;
      default:
        return nullptr;  // the port reports the device as unavailable
    }
  }

  std::string Text(const char* name) { return form[name].text(); }

  // What the user does; each must be possible (nothing hidden, disabled or refused).
  void Click(const char* name, int index = -1) { Expect(user.Click(ui::ControlId{name, index})); }
  void Choose(const char* name, int index) { Expect(user.Choose(ui::ControlId{name, -1}, index)); }
  void Type(const char* name, std::string_view text) { Expect(user.Type(ui::ControlId{name, -1}, text)); }
  void Paste(const char* name, std::string_view text) { Expect(user.Paste(ui::ControlId{name, -1}, text)); }
  void Key(const char* name, int code) { Expect(user.Key(ui::ControlId{name, -1}, code)); }
  // Puts `typed` into the send box and sends it.
  void Send(std::string_view typed) {
    Paste("Txt_send", typed);
    Click("Cmd_send");
  }
  static void Expect(const ui::ActionResult& result) {
    EXPECT_EQ(result.status, ui::ActionStatus::kDone) << result.error;
  }

  std::vector<std::string> WrittenBytes(const DeviceLog& log) const {
    std::vector<std::string> bytes;
    for (const Write& w : log.writes) bytes.push_back(w.bytes);
    return bytes;
  }
  std::string LastBoxText() const { return services.boxes.empty() ? "" : services.boxes.back().text; }
  // After a failure: the port is closed and the next send on port 1 works.
  void ExpectClosedAndNextSendWorks() {
    EXPECT_FALSE(port.port_open());
    Choose("Cbo_com", 0);
    Send("$01VR");
    EXPECT_EQ(Text("Txt_receive"), "2.00");
  }

  platform::VirtualClock clock;
  simbus::Bus bus{clock};
  testing_support::ScriptedDevice scripted{clock};
  DeviceLog bus_log;
  DeviceLog scripted_log;
  platform::SerialPort port{[this](int n, platform::PortError& e) { return Open(n, e); }, "MSComm1"};
  terminal::TerminalWindow form{port, clock};
  RecordingServices services;
  ui::UserActions user{form.window()};
};

// The text of the reply box for a failed exchange.
inline std::string ReplyBoxText(const std::string& reason, const std::string& framed) {
  return "通讯中断，请检查线路或变送器是否正常工作。" + reason + "\r" + framed;
}

}  // namespace terminal_test
