#pragma once
// The main window on the simulated bus with one transmitter selected, for the
// measurement panel: polling runs on Timer1 through the headless event loop, so
// virtual time passes and the timer ticks as it would in the window.

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/dravon_fixture.h"

namespace measure_test {

class MeasureFixture : public testing_support::DravonFixture {
 protected:
  static constexpr std::uint64_t kIntervalMs = 300;

  // Transmitter 01 at 9600 baud with a steady pressure of 40 and temperature of 23.5,
  // selected in CMB_ADDR as a search leaves it but without the full read, so the panel
  // keeps its start-up texts ("+999.9", "-999.9").
  simbus::Transmitter& SelectSteadyTransmitter() {
    simbus::TransmitterConfig config;
    config.address = "01";
    config.baud = 9600;
    config.pressure = {40.0, 0.0, 60.0, 0.0};
    config.temperature = {23.5, 0.0, 600.0, 0.0};
    simbus::Transmitter& t = bus.Add(config);
    Start(1);
    (*this)["CMB_ADDR"].add_item("01");
    (*this)["CMB_ADDR"].set_list_index(0);  // no OnlineTable entry: no read
    TakeCommands();
    return t;
  }

  void ClickOnOff() { ASSERT_EQ(user.Click({"cmdON_OFF", -1}).status, ui::ActionStatus::kDone); }

  // One interval of polling: with transactions shorter than it, exactly one poll.
  std::vector<std::string> PollOnce() {
    services.loop.Wait(kIntervalMs);
    return TakeCommands();
  }

  // Polls until a pressure poll has run (at most two intervals).
  void PollPressure() {
    for (int i = 0; i < 2; ++i) {
      for (const std::string& c : PollOnce())
        if (c.ends_with("RP0")) return;
    }
    ADD_FAILURE() << "no pressure poll";
  }

  // One pressure poll answered with `value`.
  void PressureReading(simbus::Transmitter& t, std::string value) {
    t.set_pressure_text(std::move(value));
    PollPressure();
  }
  const std::string& Text(std::string_view name) { return (*this)[name].text(); }
  const std::string& Failed() { return (*this)["Label19"].caption(); }
};

}  // namespace measure_test
