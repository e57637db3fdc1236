// Polling on Timer1: the turns, the failure counters, minimum and maximum, the elapsed
// time and zeroing, on the virtual clock.
#include <gtest/gtest.h>

#include "tests/measure/measure_fixture.h"

namespace {

using Commands = std::vector<std::string>;

class PollingTest : public measure_test::MeasureFixture {};

TEST_F(PollingTest, TheFirstPollComesOneIntervalAfterTheStartAndTheTurnsAlternateAcrossStopAndStart) {
  SelectSteadyTransmitter();
  ClickOnOff();
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "停止");
  services.loop.Wait(kIntervalMs - 1);
  EXPECT_TRUE(TakeCommands().empty()) << "nothing at once";
  services.loop.Wait(1);
  EXPECT_EQ(TakeCommands(), Commands{"01RT0"}) << "the first tick after start-up polls temperature";
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "23.5");
  EXPECT_EQ(PollOnce(), Commands{"01RP0"});
  EXPECT_EQ(Text("TXT_PRESSURE"), "+0040.0") << "the value as the transmitter wrote it";
  EXPECT_EQ(PollOnce(), Commands{"01RT0"});
  ClickOnOff();
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "采集");
  services.loop.Wait(2000);
  EXPECT_TRUE(TakeCommands().empty()) << "stopped means no polls, and no backlog";
  ClickOnOff();
  services.loop.Wait(kIntervalMs - 1);
  EXPECT_TRUE(TakeCommands().empty());
  EXPECT_EQ(PollOnce(), Commands{"01RP0"}) << "the turn goes on from where it stopped";
}

TEST_F(PollingTest, StartingResetsTheCountersAndTheElapsedTimeButKeepsMinimumAndMaximum) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  PollPressure();
  t.faults() = {.silent = true};
  services.loop.Wait(10 * kIntervalMs);
  EXPECT_EQ(Failed(), "5") << "five silent pressure polls";
  EXPECT_EQ((*this)["Label20"].caption(), "5") << "and five silent temperature polls";
  EXPECT_EQ(Text("TXT_PRESSURE"), "ERR 0\r") << "a failed poll leaves the whole result";
  EXPECT_EQ((*this)["StatusBar1"].panel_text(4), "0:00:03");
  ClickOnOff();              // at 3.7 s, once the last silent poll has waited its 100 ms
  services.loop.Wait(5300);  // restart at 9.0 s: the first tick falls in the same second
  ClickOnOff();
  EXPECT_EQ(Failed(), "0");
  EXPECT_EQ((*this)["Label20"].caption(), "0");
  EXPECT_EQ(Text("txtMAX"), "+0040.0") << "minimum and maximum survive a restart";
  EXPECT_EQ(Text("txtMIN"), "+999.9");
  PollOnce();
  EXPECT_EQ((*this)["StatusBar1"].panel_text(4), "0:00:00") << "the elapsed time starts again";
}

TEST_F(PollingTest, MinimumAndMaximumCompareAsNumbersAndKeepTheTextAsItCame) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  ASSERT_EQ(Text("txtMIN"), "+999.9");
  ASSERT_EQ(Text("txtMAX"), "-999.9");
  struct Step {
    const char* reply;
    const char *min, *max;
  };
  const Step steps[] = {
      {"+0040.0", "+999.9", "+0040.0"},   // a new maximum is not compared with the minimum
      {"+0030.0", "+0030.0", "+0040.0"},  // not a new maximum, below +999.9
      {"+040.00", "+0030.0", "+0040.0"},  // equal to the maximum: nothing changes
      {"+30.0", "+0030.0", "+0040.0"},    // nine characters: a reading, equal to the minimum
      {"+4.0", "+0030.0", "+0040.0"},     // eight characters: a failed poll
      {"+0100.0kPa", "+0030.0", "+0100.0kPa"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.reply);
    PressureReading(t, s.reply);
    EXPECT_EQ(Text("txtMIN"), s.min);
    EXPECT_EQ(Text("txtMAX"), s.max);
  }
  EXPECT_EQ(Text("TXT_PRESSURE"), "+0100.0kPa");
  EXPECT_EQ(Failed(), "1");
  for (simbus::Overflow mark : {simbus::Overflow::kPositive, simbus::Overflow::kNegative}) {
    t.faults() = {.overflow = mark};
    PollPressure();
    EXPECT_EQ(Text("TXT_PRESSURE"), mark == simbus::Overflow::kPositive ? "+@OVER" : "-@OVER");
  }
  EXPECT_EQ(Text("txtMAX"), "+0100.0kPa");
  EXPECT_EQ(Text("txtMIN"), "+0030.0") << "read as 0 it would have become the minimum";
  EXPECT_EQ(Failed(), "1") << "the transmitter did answer";
}

TEST_F(PollingTest, FailedPollsStayWholeInTheirBoxAndCountForBothQuantities) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  const struct {
    simbus::Faults faults;
    const char* temperature;
    const char* pressure;
  } turns[] = {
      {{.silent = true}, "ERR 0\r", "ERR 0\r"},
      {{.bad_checksum = true}, "EER 3\r", "EER 3\r"},
      {{.no_temperature = true}, "*01\r", "+0040.0"},
  };
  for (const auto& turn : turns) {
    t.faults() = turn.faults;
    EXPECT_EQ(PollOnce(), Commands{"01RT0"});
    EXPECT_EQ(Text("TXT_TEMPERATURE"), turn.temperature);
    EXPECT_EQ(PollOnce(), Commands{"01RP0"});
    EXPECT_EQ(Text("TXT_PRESSURE"), turn.pressure);
  }
  EXPECT_EQ((*this)["Label20"].caption(), "3");
  EXPECT_EQ(Failed(), "2");
  EXPECT_EQ(Text("txtMIN"), "+999.9") << "no failure reaches minimum or maximum";
  EXPECT_EQ(Text("txtMAX"), "+0040.0");
  t.faults() = {};
  PollOnce();
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "23.5") << "a reading shows as before";
  EXPECT_EQ((*this)["Label20"].caption(), "3");
  EXPECT_TRUE(services.boxes.empty()) << "a failed poll shows no message";
}

TEST_F(PollingTest, AtTwelveHundredBaudASilentTransmitterIsPolledBackToBackWithoutABacklog) {
  SelectSteadyTransmitter().faults() = {.silent = true};
  ASSERT_FALSE(port.set_settings("1200,N,8,1"));
  ClickOnOff();
  // Each transaction waits out its 450 ms, longer than the interval: the ticks that fall
  // due meanwhile collapse into one that comes as soon as the transaction ends.
  services.loop.Wait(4500);
  EXPECT_EQ(TakeCommands().size(), 10u)
      << "ticks at 300, 750, 1200 ... 4350 ms; the 300 ms beat alone gives 15";
  ClickOnOff();
  services.loop.Wait(3000);
  EXPECT_TRUE(TakeCommands().empty()) << "the ticks that fell due were not queued";
}

TEST_F(PollingTest, TheElapsedTimeCountsOnPastMidnight) {
  SelectSteadyTransmitter();
  services.start_of_day_seconds = 24 * 3600 - 30;  // 23:59:30 at the start
  ClickOnOff();
  services.loop.Wait(66 * 1000);  // now 0:00:36 on the next day
  EXPECT_EQ((*this)["StatusBar1"].panel_text(4), "0:01:06");
}

TEST_F(PollingTest, TicksOnAClosedPortFailLikeASilentLineAndWriteNothing) {
  Start(0);  // nothing stored: the port stays closed
  ClickOnOff();
  services.loop.Wait(4 * kIntervalMs);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(Failed(), "2") << "both pressure polls failed";
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "停止") << "polling goes on";
}

TEST_F(PollingTest, ZeroingShowsTheNewPressureAndLeavesPollingAlone) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  PollPressure();
  ASSERT_EQ(user.Click({"COM_SC", -1}).status, ui::ActionStatus::kDone);
  EXPECT_EQ(TakeCommands(), Commands{"01SZ"});
  EXPECT_EQ(Text("TXT_PRESSURE"), "+0000.0");
  EXPECT_EQ(Text("txtMAX"), "+0040.0");
  EXPECT_TRUE((*this)["Timer1"].enabled());
  t.faults() = {.silent = true};
  user.Click({"COM_SC", -1});
  EXPECT_EQ(Text("TXT_PRESSURE"), "ERR 0\r") << "the failure, never a pressure of 0";
}

}  // namespace
