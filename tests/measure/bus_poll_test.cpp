// The bus poll: every found transmitter in turn at its own rate, on the simulated bus and
// the virtual clock; its exchanges and rate switches, its counts, a dead transmitter, and
// that it never shares the port with the polling, a search, a read or a close.
#include "measure/bus_poll.h"

#include <gtest/gtest.h>

#include <functional>

#include "discovery/bus_search.h"
#include "tests/measure/bus_poll_fixture.h"

namespace {

using measure::Quantity;
using measure::Reading;
using measure_test::Found;
using Wire = std::vector<std::string>;

class BusPollTest : public measure_test::BusPollFixture {
 public:
  // The cases of a table each run on a bus of their own.
  using DravonFixture::AtNextEvents;
  using DravonFixture::bus_poll;
  using DravonFixture::clock;
  using DravonFixture::main;
  using DravonFixture::port;
  using DravonFixture::services;
  using DravonFixture::user;
  using DravonFixture::wire;
  using DravonFixture::operator[];
  using BusPollFixture::ClickPollAll;
  using BusPollFixture::FoundOnBus;
  using BusPollFixture::readings;
  using BusPollFixture::RunCycles;
  using BusPollFixture::Watched;

  static Wire Split(const Wire& all, std::size_t from, std::size_t to) {
    return Wire(all.begin() + static_cast<std::ptrdiff_t>(from),
                all.begin() + static_cast<std::ptrdiff_t>(to));
  }
};

// One case's own window and bus.
struct Bus final : BusPollTest {
  void TestBody() override {}
};

TEST_F(BusPollTest, PollsTheFoundListInOrderSwitchingTheRateOnlyWhereItChangesAndPutsItBack) {
  struct Case {
    const char* name;
    std::vector<Found> found;
    Wire first_cycle;   // with the unit and serial number read at the first answer
    Wire second_cycle;  // pressure then temperature only
  };
  const Case cases[] = {
      {"three rates",
       {{"01", 9600}, {"05", 4800}, {"12", 1200}},
       {"01RP0", "01UT", "01ID", "01RT0", "4800", "05RP0", "05UT", "05ID", "05RT0", "1200", "12RP0", "12UT",
        "12ID", "12RT0"},
       {"9600", "01RP0", "01RT0", "4800", "05RP0", "05RT0", "1200", "12RP0", "12RT0"}},
      {"two at one rate",
       {{"03", 9600}, {"07", 9600}, {"04", 2400}},
       {"03RP0", "03UT", "03ID", "03RT0", "07RP0", "07UT", "07ID", "07RT0", "2400", "04RP0", "04UT", "04ID",
        "04RT0"},
       {"9600", "03RP0", "03RT0", "07RP0", "07RT0", "2400", "04RP0", "04RT0"}},
      {"one address at two rates",
       {{"05", 9600}, {"05", 1200}},
       {"05RP0", "05UT", "05ID", "05RT0", "1200", "05RP0", "05UT", "05ID", "05RT0"},
       {"9600", "05RP0", "05RT0", "1200", "05RP0", "05RT0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bus t;
    t.FoundOnBus(c.found);
    t.RunCycles(2);
    t.ClickPollAll();
    const std::size_t first = c.first_cycle.size();
    ASSERT_EQ(t.wire.size(), first + c.second_cycle.size() + 1);
    EXPECT_EQ(Split(t.wire, 0, first), c.first_cycle);
    EXPECT_EQ(Split(t.wire, first, first + c.second_cycle.size()), c.second_cycle);
    EXPECT_EQ(t.wire.back(), std::to_string(c.found.front().baud)) << "the stop puts the rate back";
    EXPECT_EQ((t)["mnuPollAll"].caption(), measure::kBusPollStartCaption);

    // Every poll is a reading with its address, in bus order, pressure first.
    ASSERT_EQ(t.readings.size(), 4 * c.found.size());
    for (std::size_t i = 0; i < t.readings.size(); ++i) {
      const Reading& r = t.readings[i];
      EXPECT_EQ(r.address, c.found[(i / 2) % c.found.size()].address) << i;
      EXPECT_EQ(r.quantity, i % 2 == 0 ? Quantity::kPressure : Quantity::kTemperature) << i;
      EXPECT_FALSE(r.failed) << i;
      EXPECT_EQ(r.unit, i % 2 == 0 ? "kPa" : "℃") << "the unit read at the first answer";
    }
    EXPECT_EQ(t.Watched(0).serial, "08000000");
  }
}

TEST_F(BusPollTest, NeverSharesThePortWithTheOtherUsersOfTheBus) {
  struct Case {
    const char* name;
    std::function<void(BusPollTest&)> act;  // while the poll is at 1200 baud, between exchanges
    std::string first_after;                // the first frame after it ("" for none)
    std::string rate_of_it;                 // the line's rate for that frame
  };
  const Case cases[] = {
      {"stop", [](BusPollTest& t) { t.ClickPollAll(); }, "", "9600"},
      {"polling",
       [](BusPollTest& t) {
         t.user.Click({"cmdON_OFF", -1});
       },
       "01RT0", "9600"},
      {"search",
       [](BusPollTest& t) {
         t.user.Click({"cmdSEARCH", -1});
       },
       "01AD", "9600"},
      {"refresh",
       [](BusPollTest& t) {
         t.user.Click({"cmdReFresh", -1});
       },
       "01TY", "9600"},
      {"choosing another",
       [](BusPollTest& t) {
         t.user.Choose({"CMB_ADDR", -1}, 1);
       },
       "05TY", "4800"},
      {"zeroing",
       [](BusPollTest& t) {
         t.user.Click({"COM_SC", -1});
       },
       "01SZ", "9600"},
      {"close", [](BusPollTest& t) { t.user.Close(); }, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bus t;
    t.FoundOnBus({{"01", 9600}, {"05", 4800}, {"12", 1200}}, true);
    std::size_t acted_at = 0;
    bool acted = false;
    t.bus_poll->Listen([&] {
      if (acted || t.wire.empty() || t.wire.back() != "12RP0") return;
      acted = true;
      t.AtNextEvents([&] {
        acted_at = t.wire.size();
        c.act(t);
      });
    });
    t.ClickPollAll();
    t.services.loop.Wait(2000);
    ASSERT_TRUE(acted);
    EXPECT_FALSE(t.bus_poll->running());
    EXPECT_FALSE(t.main.PortHeld());
    const Wire after = Split(t.wire, acted_at, t.wire.size());
    std::string rate = "1200";
    std::string first;
    for (const std::string& w : after) {
      if (std::isdigit(static_cast<unsigned char>(w.back())) && w.size() == 4) {
        rate = w;
        continue;
      }
      if (first.empty()) {
        first = w;
        if (!c.rate_of_it.empty()) {
          EXPECT_EQ(rate, c.rate_of_it);
        }
      }
      EXPECT_FALSE(w == "12RT0" || w == "12RP0") << "the poll of 12 goes no further after " << c.name;
    }
    EXPECT_EQ(first, c.first_after);
    if (c.rate_of_it.empty()) {
      EXPECT_FALSE(t.port.port_open());
    } else {
      EXPECT_EQ(rate, c.rate_of_it) << "where the port is left";
    }
  }
}

TEST_F(BusPollTest, StartingStopsThePollingAndIsRefusedWithoutAPortAListOrDuringASearch) {
  FoundOnBus({{"01", 9600}});
  user.Click({"cmdON_OFF", -1});
  ASSERT_TRUE((*this)["Timer1"].enabled());
  ClickPollAll();
  EXPECT_TRUE(bus_poll->running());
  EXPECT_FALSE((*this)["Timer1"].enabled()) << "one of the two polls at a time";
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "采集");
  EXPECT_EQ((*this)["mnuPollAll"].caption(), measure::kBusPollStopCaption);
  ClickPollAll();
  EXPECT_FALSE(bus_poll->running());

  struct Refusal {
    const char* name;
    std::function<void(BusPollTest&)> arrange;
    std::string box;  // "" for none
  };
  const Refusal refusals[] = {
      {"closed port", [](BusPollTest& t) { t.port.set_port_open(false); },
       std::string(discovery::kPortClosedText)},
      {"nothing found", [](BusPollTest& t) { t.main["CMB_ADDR"].clear_items(); },
       std::string(measure::kNothingFoundText)},
      {"searching", [](BusPollTest& t) { t.main["cmdSEARCH"].set_caption("停止"); }, ""},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    Bus t;
    t.FoundOnBus({{"01", 9600}});
    r.arrange(t);
    t.ClickPollAll();
    EXPECT_FALSE(t.bus_poll->running());
    EXPECT_FALSE(t.main.PortHeld());
    if (r.box.empty()) {
      EXPECT_TRUE(t.services.boxes.empty());
    } else {
      ASSERT_EQ(t.services.boxes.size(), 1u);
      EXPECT_EQ(t.services.boxes[0].text, r.box);
    }
  }
}

TEST_F(BusPollTest, ADeadTransmitterCostsOneTimeOutACycleIsMarkedAndComesBack) {
  FoundOnBus({{"01", 9600}, {"02", 9600}, {"03", 9600}});
  RunCycles(2);  // the first also reads units and serial numbers
  const std::uint64_t alive_cycle_us = bus_poll->last_cycle_us();
  const std::string last_good = Watched(1).pressure;
  simbus::Transmitter& dead = *bus.Find("02", 9600);
  dead.faults() = {.silent = true};
  wire.clear();
  RunCycles(2);
  EXPECT_EQ(Split(wire, 0, 5), (Wire{"01RP0", "01RT0", "02RP0", "03RP0", "03RT0"})) << "no temperature asked";
  EXPECT_GT(bus_poll->last_cycle_us(), alive_cycle_us);
  EXPECT_LE(bus_poll->last_cycle_us(), alive_cycle_us + 100'000) << "it grows by the time-out, no more";
  EXPECT_TRUE(Watched(1).silent);
  EXPECT_TRUE(Watched(1).failed_last_turn);
  EXPECT_EQ(Watched(1).failures, 2);
  EXPECT_EQ(Watched(1).pressure, last_good) << "the last good reading stays";
  EXPECT_FALSE(Watched(0).failed_last_turn);
  EXPECT_EQ(Watched(0).failures, 0);
  const std::uint64_t last_heard = Watched(1).last_answer_us.value_or(0);
  EXPECT_LT(last_heard + 100'000, bus_poll->now_us());
  EXPECT_TRUE(std::any_of(readings.begin(), readings.end(), [](const Reading& r) {
    return r.address == "02" && r.failed && !r.value;
  })) << "the log sees the failed polls";

  dead.faults() = {};
  RunCycles(1);
  EXPECT_FALSE(Watched(1).silent);
  EXPECT_FALSE(Watched(1).failed_last_turn);
  EXPECT_EQ(Watched(1).failures, 2) << "the count stays until the next start";
  EXPECT_GT(Watched(1).last_answer_us.value_or(0), last_heard);
}

TEST_F(BusPollTest, KeepsEachTransmittersFailuresLastReadingsAndMinimumAndMaximum) {
  FoundOnBus({{"01", 9600}, {"05", 4800}});
  simbus::Transmitter& t = *bus.Find("05", 4800);
  struct Step {
    const char* pressure;
    bool temperature_without_value;
    const char *shown, *min, *max;
    int failures;
    bool red;
  };
  const Step steps[] = {
      {"+0040.0", false, "+0040.0", "+0040.0", "+0040.0", 0, false},  // the first seeds both
      {"+0030.0", false, "+0030.0", "+0030.0", "+0040.0", 0, false},
      {"+4.0", false, "+0030.0", "+0030.0", "+0040.0", 1, true},  // eight characters: failed
      {"+0100.0", false, "+0100.0", "+0030.0", "+0100.0", 1, false},
      {"+@OVER", false, "+@OVER", "+0030.0", "+0100.0", 1, false},  // shown, not compared
      {"+0050.0", true, "+0050.0", "+0030.0", "+0100.0", 2, true},  // the temperature failed
  };
  std::string last_temperature;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.pressure);
    t.set_pressure_text(s.pressure);
    t.faults().no_temperature = s.temperature_without_value;
    RunCycles(1);
    if (!s.temperature_without_value) last_temperature = Watched(1).temperature;
    EXPECT_EQ(Watched(1).pressure, s.shown);
    EXPECT_EQ(Watched(1).min, s.min);
    EXPECT_EQ(Watched(1).max, s.max);
    EXPECT_EQ(Watched(1).failures, s.failures);
    EXPECT_EQ(Watched(1).failed_last_turn, s.red);
    EXPECT_EQ(Watched(0).failures, 0) << "each transmitter counts its own";
  }
  EXPECT_EQ(Watched(1).temperature, last_temperature) << "a failed temperature keeps the last good one";
  ClickPollAll();
  ClickPollAll();
  EXPECT_EQ(Watched(1).failures, 0) << "a start counts again from 0";
  EXPECT_EQ(Watched(1).max, "+0100.0") << "and keeps minimum and maximum";
}

TEST_F(BusPollTest, CyclesStartAtTheIntervalOrBackToBackWhenTheBusIsSlower) {
  struct Case {
    int interval_ms;
    std::uint64_t run_ms;
  };
  for (const Case& c : {Case{0, 3000}, Case{1000, 3500}, Case{20, 1000}}) {
    SCOPED_TRACE(c.interval_ms);
    Bus t;
    t.FoundOnBus({{"01", 9600}, {"05", 4800}});
    t.bus_poll->set_interval_ms(c.interval_ms);
    t.ClickPollAll();
    const std::uint64_t start_us = t.clock.now_us();
    t.services.loop.Wait(c.run_ms);
    const std::uint64_t cycle_ms = t.bus_poll->last_cycle_us() / 1000;
    ASSERT_GT(cycle_ms, 0u);
    const std::uint64_t period_ms = std::max<std::uint64_t>(c.interval_ms, cycle_ms + 1);
    const std::uint64_t elapsed_ms = (t.clock.now_us() - start_us) / 1000;
    EXPECT_NEAR(static_cast<double>(t.bus_poll->cycles()), static_cast<double>(elapsed_ms / period_ms), 1.0);
  }
}

TEST_F(BusPollTest, ChoosingARowStopsThePollAndReadsThatTransmitter) {
  FoundOnBus({{"01", 9600}, {"05", 4800}, {"12", 1200}});
  ClickPollAll();
  services.loop.Wait(300);
  wire.clear();
  ASSERT_TRUE(bus_poll->SelectInMainWindow(2));
  EXPECT_FALSE(bus_poll->running());
  EXPECT_EQ((*this)["CMB_ADDR"].list_index(), 2);
  ASSERT_GE(wire.size(), 2u);
  EXPECT_EQ(wire[wire[0] == "9600" ? 1 : 0], "1200");
  EXPECT_EQ((*this)["TXT_ADDR"].text(), "12");
  EXPECT_FALSE(bus_poll->SelectInMainWindow(7));
}

}  // namespace
