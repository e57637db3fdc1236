// Every poll hands one reading to the feed's listeners: the panel's text, counter and
// unit as the poll left them, on the simulated bus and the virtual clock.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "measure/attach.h"
#include "measure/reading_feed.h"
#include "tests/measure/measure_fixture.h"

namespace {

using measure::Quantity;
using measure::Reading;

constexpr std::int64_t kWallStart = 1'796'688'000'000;  // 2026-12-08T00:00:00 UTC

class ReadingsTest : public measure_test::MeasureFixture {
 protected:
  ReadingsTest() : feed(clock, kWallStart) {
    measure::AttachMeasureHandlers(main, &feed);
    feed.Listen([this](const Reading& r) {
      // What the panel shows at the moment the reading is handed on.
      const bool pressure = r.quantity == Quantity::kPressure;
      shown.push_back(Text(pressure ? "TXT_PRESSURE" : "TXT_TEMPERATURE"));
      counters.push_back((*this)[pressure ? "Label19" : "Label20"].caption());
      readings.push_back(r);
    });
  }

  // Every reading's text is what its box showed; it failed exactly when its counter moved.
  void ExpectReadingsMatchThePanel() {
    std::string last_count[2] = {counts_at_start[0], counts_at_start[1]};
    for (std::size_t i = 0; i < readings.size(); ++i) {
      SCOPED_TRACE(i);
      const int q = static_cast<int>(readings[i].quantity);
      EXPECT_EQ(readings[i].text, shown[i]);
      EXPECT_EQ(readings[i].failed, counters[i] != last_count[q]);
      if (readings[i].failed) {
        EXPECT_FALSE(readings[i].value.has_value()) << "a failed poll has no value";
      }
      last_count[q] = counters[i];
    }
  }

  // Forgets the readings so far; the counters stand where they are.
  void Restart() {
    readings.clear(), shown.clear(), counters.clear();
    counts_at_start[0] = Failed();
    counts_at_start[1] = (*this)["Label20"].caption();
  }

  measure::ReadingFeed feed;
  std::string counts_at_start[2] = {"0", "0"};
  std::vector<Reading> readings;
  std::vector<std::string> shown, counters;
};

TEST_F(ReadingsTest, EachPollGivesOneReadingInTurnWithItsTimeAddressTextValueAndUnit) {
  SelectSteadyTransmitter();
  ClickOnOff();
  services.loop.Wait(4 * kIntervalMs);
  ASSERT_EQ(readings.size(), 4u) << "one reading a tick, none at the start";
  const Reading first{kWallStart + 300, "01", Quantity::kTemperature, "23.5", 23.5, "℃", false};
  const Reading second{kWallStart + 600, "01", Quantity::kPressure, "+0040.0", 40.0, "单位", false};
  EXPECT_EQ(readings[0], first);
  EXPECT_EQ(readings[1], second) << "the unit label as it stands before any full read";
  EXPECT_EQ(readings[2].quantity, Quantity::kTemperature);
  EXPECT_EQ(readings[3].time_ms, kWallStart + 1200);
  ClickOnOff();
  services.loop.Wait(2000);
  EXPECT_EQ(readings.size(), 4u) << "stopped: no readings";
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
      {{.silent = true}, "ERR 0\r", true},
      {{.bad_checksum = true}, "EER 3\r", true},
      {{.overflow = simbus::Overflow::kPositive}, "+@OVER", false},
      {{.overflow = simbus::Overflow::kNegative}, "-@OVER", false},
      {{}, "+0040.0", false},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.pressure_text);
    t.faults() = s.faults;
    Restart();
    PollPressure();
    ASSERT_FALSE(readings.empty());
    const Reading& r = readings.back();
    EXPECT_EQ(r.text, s.pressure_text);
    EXPECT_EQ(r.failed, s.failed);
    EXPECT_EQ(r.value.has_value(), std::string_view(s.pressure_text) == "+0040.0");
  }
}

TEST_F(ReadingsTest, TheReadingsFollowThePanelThroughFaultsAndUnitChanges) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  t.faults() = {.silent = true};
  services.loop.Wait(4 * kIntervalMs);
  t.faults() = {};
  services.loop.Wait(4 * kIntervalMs);
  ExpectReadingsMatchThePanel();
  EXPECT_EQ(Failed(), "2");

  main.OnlineTable.push_back({"01", 3});  // as a search leaves it: refresh reads it
  ASSERT_EQ(user.Choose({"cmbUnit", -1}, 1).status, ui::ActionStatus::kDone);  // the transmitter takes MPa
  ASSERT_EQ(user.Click({"cmdReFresh", -1}).status, ui::ActionStatus::kDone);   // the label shows it
  Restart();
  services.loop.Wait(4 * kIntervalMs);
  ExpectReadingsMatchThePanel();
  ASSERT_GE(readings.size(), 4u);
  for (const Reading& r : readings) {
    EXPECT_EQ(r.unit, r.quantity == Quantity::kPressure ? (*this)["Label3"].caption() : "℃");
  }
  EXPECT_EQ((*this)["Label3"].caption(), "Mpa");
}

}  // namespace
