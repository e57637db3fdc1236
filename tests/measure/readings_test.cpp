// Every poll hands one reading to the feed's listeners: the panel's text, counter and
// unit as the poll left them, on the simulated bus and the virtual clock.
#include <gtest/gtest.h>

#include "measure/attach.h"
#include "measure/reading_feed.h"
#include "platform/serial/traffic_recorder.h"
#include "tests/measure/measure_fixture.h"

namespace {

using measure::Quantity;
using measure::Reading;

constexpr std::int64_t kWallStart = 1'796'688'000'000;  // 2026-12-08T00:00:00 UTC

class ReadingsTest : public measure_test::MeasureFixture {
 protected:
  ReadingsTest() : feed(clock) {
    clock.set_wall_ms(kWallStart);
    measure::AttachMeasureHandlers(main, &feed);
    feed.Listen([this](const Reading& r) {
      // Whatever the poll decided, the reading says the same as the panel: the text its
      // box shows, failed exactly when its counter moved.
      const bool pressure = r.quantity == Quantity::kPressure;
      const std::string& count = (*this)[pressure ? "Label19" : "Label20"].caption();
      EXPECT_EQ(r.text, Text(pressure ? "TXT_PRESSURE" : "TXT_TEMPERATURE"));
      EXPECT_EQ(r.failed, count != counts[pressure]) << r.text;
      EXPECT_FALSE(r.failed && r.value) << "a failed poll has no value";
      counts[pressure] = count;
      readings.push_back(r);
    });
  }

  measure::ReadingFeed feed;
  std::string counts[2] = {"0", "0"};
  std::vector<Reading> readings;
};

TEST_F(ReadingsTest, EachPollGivesOneReadingInTurnWithItsTimeAddressValueAndUnit) {
  SelectSteadyTransmitter();
  ClickOnOff();
  services.loop.Wait(4 * kIntervalMs);
  ASSERT_EQ(readings.size(), 4u) << "one reading a tick, none at the start";
  EXPECT_EQ(readings[0], (Reading{kWallStart + 300, "01", Quantity::kTemperature, "23.5", 23.5, "℃", false}));
  EXPECT_EQ(readings[1],
            (Reading{kWallStart + 600, "01", Quantity::kPressure, "+0040.0", 40.0, "单位", false}))
      << "the unit label as it stands before any full read";
  EXPECT_EQ(readings[3].time_ms, kWallStart + 1200) << "the time the poll went out";
  ClickOnOff();
  services.loop.Wait(2000);
  EXPECT_EQ(readings.size(), 4u) << "stopped: no readings";

  main.OnlineTable.push_back({"01", 3});  // as a search leaves it, so that refresh reads it
  user.Choose({"cmbUnit", -1}, 1);        // the transmitter takes the second unit
  user.Click({"cmdReFresh", -1});         // and the label shows it
  ClickOnOff();
  services.loop.Wait(2 * kIntervalMs);
  const Reading& pressure = readings.end()[readings.back().quantity == Quantity::kPressure ? -1 : -2];
  EXPECT_EQ(pressure.unit, "Mpa") << "the unit shown at that moment";
}

TEST_F(ReadingsTest, FailuresAndOverflowMarksGiveReadingsWithoutValue) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  struct Step {
    simbus::Faults faults;
    const char* pressure_text;
    bool failed;
  };
  const Step steps[] = {
      {{.silent = true}, "ERR 0\r", true},  // the temperature polls meanwhile fail or not as the panel says
      {{.bad_checksum = true}, "EER 3\r", true},
      {{.overflow = simbus::Overflow::kPositive}, "+@OVER", false},
      {{.overflow = simbus::Overflow::kNegative}, "-@OVER", false},
      {{}, "+0040.0", false},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.pressure_text);
    t.faults() = s.faults;
    PollPressure();
    PollPressure();  // a temperature poll between
    const Reading& r = readings.back();
    ASSERT_EQ(r.quantity, Quantity::kPressure);
    EXPECT_EQ(r.text, s.pressure_text);
    EXPECT_EQ(r.failed, s.failed);
    EXPECT_EQ(r.value.has_value(), std::string_view(s.pressure_text) == "+0040.0");
  }
}

// The log and the trace tell one story: when the system clock is set during polling
// (by hand, or by a time server after a long drift), the reading and the request it came
// from still carry the same wall-clock time.
TEST_F(ReadingsTest, AReadingAndItsRequestInTheTraceCarryOneTimeWhenTheClockIsSet) {
  struct KeepTransmitted final : platform::TrafficSink {
    void Take(const platform::TrafficRecord& r) override {
      if (r.kind == platform::TrafficKind::kBytes && r.dir == platform::Direction::kTx)
        sent_ms.push_back(r.wall_ms);
    }
    std::vector<std::int64_t> sent_ms;
  } trace;
  platform::TrafficRecorder recorder(clock, [](int) { return "sim"; });
  recorder.AddSink(trace);
  port.set_recorder(&recorder);
  SelectSteadyTransmitter();
  ClickOnOff();
  const std::int64_t steps_ms[] = {0, -3'600'000, 86'400'000, 1};  // as it was, an hour back, a day on
  for (const std::int64_t step : steps_ms) {
    SCOPED_TRACE(step);
    const std::int64_t set_to = clock.wall_ms() + step;
    clock.set_wall_ms(set_to);
    trace.sent_ms.clear();
    PollOnce();
    EXPECT_EQ(trace.sent_ms.size(), 1u) << "one request a poll";
    if (trace.sent_ms.empty()) break;  // the recorder must be detached below in any case
    EXPECT_EQ(readings.back().time_ms, trace.sent_ms[0]);
    EXPECT_GE(readings.back().time_ms, set_to) << "the clock as it was set";
    EXPECT_LT(readings.back().time_ms, set_to + static_cast<std::int64_t>(kIntervalMs) + 1);
  }
  port.set_recorder(nullptr);
}

}  // namespace
