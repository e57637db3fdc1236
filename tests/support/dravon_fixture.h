#pragma once
// Dravon's whole main window on a simulated bus and a virtual clock, for tests of every
// subsystem: message boxes are recorded (and answered from a queue), window events run
// through the headless event loop, and every request frame written is recorded.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dravon_core/dravon_handlers.h"
#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"
#include "platform/ui/headless/event_loop.h"
#include "platform/ui/user_actions.h"
#include "shell/main_window.h"
#include "simbus/bus.h"
#include "simbus/sim_device.h"

namespace testing_support {

// Records every frame the program writes, then hands it to the simulated bus; `wire`
// also gets every rate the line is set to, in order with the frames ("4800").
// From `vanish_at_us` on, every operation fails as an unplugged USB adapter does. With
// `fixed_baud` set it stands for a raw stream to a serial device server at that speed.
class RecordingDevice final : public platform::SerialDevice {
 public:
  RecordingDevice(simbus::Bus& bus, std::vector<std::string>& frames, std::vector<std::string>& wire,
                  const std::uint64_t& vanish_at_us, std::optional<int> fixed_baud = std::nullopt)
      : inner_(bus), frames_(frames), wire_(wire), vanish_at_us_(vanish_at_us), fixed_baud_(fixed_baud) {}
  platform::PortResult Configure(const platform::LineSettings& s) override {
    if (Gone()) return Unplugged();
    wire_.push_back(std::to_string(s.baud));
    return inner_.Configure(s);
  }
  platform::PortResult SetHandshake(platform::Handshake h) override { return inner_.SetHandshake(h); }
  platform::PortResult DiscardInput() override { return Gone() ? Unplugged() : inner_.DiscardInput(); }
  platform::PortResult DiscardOutput() override { return Gone() ? Unplugged() : inner_.DiscardOutput(); }
  platform::PortResult Write(std::string_view bytes) override {
    if (Gone()) return Unplugged();
    frames_.emplace_back(bytes);
    wire_.push_back(bytes.size() >= 4 ? std::string(bytes.substr(1, bytes.size() - 4)) : std::string(bytes));
    return inner_.Write(bytes);
  }
  platform::PortResult Read(std::string& out) override { return Gone() ? Unplugged() : inner_.Read(out); }
  platform::PortResult WaitForInput(std::uint32_t ms) override {
    return Gone() ? Unplugged() : inner_.WaitForInput(ms);
  }
  std::optional<int> FixedBaud() const override { return fixed_baud_; }

 private:
  bool Gone() { return inner_.bus().clock().now_us() >= vanish_at_us_; }
  static platform::PortResult Unplugged() {
    return platform::PortError{platform::kErrReadFailed, "/dev/ttyUSB0: the device was removed", ""};
  }

  simbus::SimDevice inner_;
  std::vector<std::string>& frames_;
  std::vector<std::string>& wire_;
  const std::uint64_t& vanish_at_us_;
  std::optional<int> fixed_baud_;
};

// The commands that changed the transmitter (its settings, a data area, its address or
// rate), in the order it heard them: by its own record, whatever the window sent.
inline std::vector<std::string> ChangesHeard(const simbus::Transmitter& t) {
  std::vector<std::string> changes;
  for (const simbus::HeardCommand& h : t.heard())
    if (h.changed) changes.push_back(h.command);
  return changes;
}

class RecordingServices final : public ui::UiServices {
 public:
  RecordingServices(ui::Window& window, platform::Clock& clock) : loop(window, clock), clock_(clock) {}

  ui::MessageBoxAnswer ShowMessageBox(const ui::MessageBoxRequest& request) override {
    boxes.push_back(request);
    if (answers.empty()) return ui::FirstButton(request.buttons);
    const ui::MessageBoxAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  void DoEvents() override {
    ++do_events;
    if (on_do_events) on_do_events();
    loop.RunDueEvents();
  }
  void TimerChanged(ui::Control& timer) override { loop.TimerChanged(timer); }
  // A step of a handler's wait for the line: nothing runs, the test may look.
  void Repaint() override {
    if (on_repaint) on_repaint();
  }
  // Answers with `files[key]`; a key without an entry is a dialog the user cancelled.
  std::optional<std::string> ChooseFile(const ui::FileChoiceRequest& request) override {
    file_requests.push_back(request);
    const auto it = files.find(request.key);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  ui::TimeOfDay Now() override {
    return ui::TimeOfDay::FromSeconds(start_of_day_seconds +
                                      static_cast<long long>(clock_.now_us() / 1'000'000));
  }

  ui::headless::EventLoop loop;
  std::vector<ui::MessageBoxRequest> boxes;
  std::deque<ui::MessageBoxAnswer> answers;
  std::map<std::string, std::string> files;
  std::vector<ui::FileChoiceRequest> file_requests;
  long long start_of_day_seconds = 12 * 3600;
  int do_events = 0;
  std::function<void()> on_do_events;  // what the user does while a handler lets events run
  std::function<void()> on_repaint;    // what the window shows while a handler waits

 private:
  platform::Clock& clock_;
};

// Ports 1..4 are the simulated bus; port 5 does not exist; port 6 is held by another program.
class DravonFixture : public ::testing::Test {
 protected:
  DravonFixture()
      : bus(clock),
        port(
            [this](int n, platform::PortError& error) -> std::unique_ptr<platform::SerialDevice> {
              if (n == 5) {
                error = {platform::kErrDeviceUnavailable, "No serial device at /dev/ttyS4", ""};
                return nullptr;
              }
              if (n == 6) {
                error = {platform::kErrDeviceBusy, "/dev/ttyS5 is held by another program", ""};
                return nullptr;
              }
              if (clock.now_us() >= vanish_at_us) {
                error = {platform::kErrDeviceUnavailable, "No serial device at /dev/ttyUSB0", ""};
                return nullptr;
              }
              return std::make_unique<RecordingDevice>(bus, frames, wire, vanish_at_us, server_baud);
            },
            "MSCommBsq"),
        main(port, clock, store),
        services(main.window(), clock),
        user(main.window()) {
    main.window().AttachServices(services);
    const dravon::DravonParts parts = dravon::AttachDravonHandlers(main);
    bus_poll = &parts.bus_poll;
    check = &parts.check;
  }
  ~DravonFixture() override { main.window().DetachServices(); }

  simbus::Transmitter& AddTransmitter(std::string address, int baud, std::string version = "1.50") {
    simbus::TransmitterConfig config;
    config.address = std::move(address);
    config.baud = baud;
    config.version = std::move(version);
    return bus.Add(config);
  }

  // Starts the window with port `n` remembered (0: nothing stored).
  void Start(int stored_port = 1) {
    if (stored_port > 0) store.Set("Halvora", "Transmitter", "CommPort", std::to_string(stored_port));
    main.window().Load();
  }

  // The commands (address + command text) of the frames written since the last call.
  std::vector<std::string> TakeCommands() {
    std::vector<std::string> commands;
    for (const std::string& f : frames) commands.push_back(f.size() >= 4 ? f.substr(1, f.size() - 4) : f);
    frames.clear();
    return commands;
  }

  // Runs `action` when the window next lets events run (a stop press during a search).
  void AtNextEvents(std::function<void()> action) {
    services.loop.Schedule(clock.now_us(), std::move(action));
  }

  ui::Control& operator[](std::string_view name) { return main[name]; }
  std::uint64_t now_ms() const { return clock.now_us() / 1000; }

  platform::VirtualClock clock;
  std::uint64_t vanish_at_us = UINT64_MAX;  // the adapter is unplugged at this time
  std::optional<int> server_baud;           // the port is a raw stream at this speed
  simbus::Bus bus;
  std::vector<std::string> frames;
  std::vector<std::string> wire;  // commands and rate switches, in order
  platform::MemorySettingsStore store;
  platform::SerialPort port;
  shell::MainWindow main;
  RecordingServices services;
  ui::UserActions user;
  measure::BusPoll* bus_poll = nullptr;
  check::CheckRun* check = nullptr;
};

}  // namespace testing_support
