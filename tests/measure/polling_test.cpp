// Polling on Timer1: the turns, the failure counters, the timing on the virtual clock.
#include <gtest/gtest.h>

#include "tests/measure/measure_fixture.h"

namespace {

using Commands = std::vector<std::string>;

class PollingTest : public measure_test::MeasureFixture {};

TEST_F(PollingTest, TheFirstPollComesOneIntervalAfterTheStartAndTheTurnsAlternateAcrossStopAndStart) {
  SelectSteadyTransmitter();
  ClickOnOff();
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "停止");
  EXPECT_TRUE((*this)["Timer1"].enabled());

  services.loop.Wait(299);
  EXPECT_TRUE(TakeCommands().empty()) << "nothing at once";
  services.loop.Wait(1);
  EXPECT_EQ(TakeCommands(), Commands{"01RT0"}) << "the first tick after start-up polls temperature";
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "23.5");
  EXPECT_EQ(PollOnce(), Commands{"01RP0"});
  EXPECT_EQ(Text("TXT_PRESSURE"), "+0040.0") << "the value as the transmitter wrote it";
  EXPECT_EQ(PollOnce(), Commands{"01RT0"});

  ClickOnOff();
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "采集");
  EXPECT_FALSE((*this)["Timer1"].enabled());
  services.loop.Wait(2000);
  EXPECT_TRUE(TakeCommands().empty()) << "stopped means no polls, and no backlog";

  ClickOnOff();
  services.loop.Wait(299);
  EXPECT_TRUE(TakeCommands().empty());
  EXPECT_EQ(PollOnce(), Commands{"01RP0"}) << "the turn goes on from where it stopped";
  EXPECT_EQ(PollOnce(), Commands{"01RT0"});
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(PollingTest, StartingResetsTheCountersAndTheElapsedTimeButKeepsMinimumAndMaximum) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  PollPressure();
  ASSERT_EQ(Text("txtMAX"), "+0040.0");

  t.faults() = {.silent = true};
  services.loop.Wait(10 * kIntervalMs);
  EXPECT_EQ((*this)["Label19"].caption(), "5") << "five silent pressure polls";
  EXPECT_EQ((*this)["Label20"].caption(), "0") << "a silent temperature poll shows 0.0 instead";
  EXPECT_EQ(Text("TXT_PRESSURE"), "ERR 0\r") << "a failed poll leaves the whole result";
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "0.0");
  EXPECT_EQ((*this)["StatusBar1"].panel_text(4), "0:00:03");

  ClickOnOff();              // at 3.7 s, once the last silent poll has waited its 100 ms
  services.loop.Wait(5300);  // restart at 9.0 s: the first tick falls in the same second
  ClickOnOff();
  EXPECT_EQ((*this)["Label19"].caption(), "0");
  EXPECT_EQ((*this)["Label20"].caption(), "0");
  EXPECT_EQ(Text("txtMAX"), "+0040.0") << "minimum and maximum survive a restart";
  EXPECT_EQ(Text("txtMIN"), "+999.9");
  EXPECT_EQ(Text("TXT_PRESSURE"), "ERR 0\r") << "so does the last value shown";
  PollOnce();
  EXPECT_EQ((*this)["StatusBar1"].panel_text(4), "0:00:00") << "the elapsed time starts again";
}

TEST_F(PollingTest, APressureReplyOfNineCharactersIsAReadingAndOneOfEightAFailedPoll) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  t.set_pressure_text("+40.0");  // "*01+40.0" CR
  PollPressure();
  EXPECT_EQ(Text("TXT_PRESSURE"), "+40.0");
  EXPECT_EQ(Text("txtMAX"), "+40.0");
  EXPECT_EQ((*this)["Label19"].caption(), "0");

  t.set_pressure_text("+4.0");  // "*01+4.0" CR
  PollPressure();
  EXPECT_EQ(Text("TXT_PRESSURE"), "*01+4.0\r") << "a failed poll shows the whole result";
  EXPECT_EQ((*this)["Label19"].caption(), "1");
  EXPECT_EQ(Text("txtMAX"), "+40.0") << "and is no reading";
  EXPECT_EQ(Text("txtMIN"), "+999.9");
}

TEST_F(PollingTest, ErrorResultsShowAsAValueForTemperatureAndCountForPressure) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  t.faults() = {.bad_checksum = true};
  ClickOnOff();
  EXPECT_EQ(PollOnce(), Commands{"01RT0"});
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "3.0") << "\"EER 3\" passes the length test";
  EXPECT_EQ(PollOnce(), Commands{"01RP0"});
  EXPECT_EQ(Text("TXT_PRESSURE"), "EER 3\r");

  t.faults() = {.silent = true};
  PollOnce();
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "0.0");
  PollOnce();
  EXPECT_EQ(Text("TXT_PRESSURE"), "ERR 0\r");
  EXPECT_EQ((*this)["Label19"].caption(), "2");
  EXPECT_EQ((*this)["Label20"].caption(), "0");
  EXPECT_EQ(Text("txtMIN"), "+999.9") << "no failure reaches minimum or maximum";
  EXPECT_EQ(Text("txtMAX"), "-999.9");
  EXPECT_TRUE(services.boxes.empty()) << "a failed poll shows no message";
}

TEST_F(PollingTest, AtTwelveHundredBaudASilentTransmitterIsPolledBackToBackWithoutABacklog) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  t.faults() = {.silent = true};
  ASSERT_FALSE(port.set_settings("1200,N,8,1"));
  ClickOnOff();
  // Each transaction waits out its 450 ms, longer than the interval: the ticks that fall
  // due meanwhile collapse into one that comes as soon as the transaction ends.
  services.loop.Wait(4500);
  EXPECT_EQ(TakeCommands().size(), 10u)
      << "ticks at 300, 750, 1200 ... 4350 ms; the 300 ms beat alone gives 15";
  EXPECT_EQ((*this)["Label19"].caption(), "5");

  ClickOnOff();
  services.loop.Wait(3000);
  EXPECT_TRUE(TakeCommands().empty()) << "the ticks that fell due were not queued";
}

TEST_F(PollingTest, TheElapsedTimeCountsOnPastMidnight) {
  SelectSteadyTransmitter();
  services.start_of_day_seconds = 24 * 3600 - 30;  // 23:59:30 at the start
  ClickOnOff();
  services.loop.Wait(15 * 1000);
  EXPECT_EQ((*this)["StatusBar1"].panel_text(4), "0:00:15");
  services.loop.Wait(51 * 1000);  // now 0:00:36 on the next day
  EXPECT_EQ((*this)["StatusBar1"].panel_text(4), "0:01:06");
}

TEST_F(PollingTest, TicksOnAClosedPortFailLikeASilentLineAndWriteNothing) {
  Start(0);  // nothing stored: the port stays closed
  ASSERT_FALSE(port.port_open());
  ClickOnOff();
  services.loop.Wait(4 * kIntervalMs);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ((*this)["Label19"].caption(), "2") << "both pressure polls failed";
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "0.0");
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "停止") << "polling goes on";
}

TEST_F(PollingTest, WithNoTransmitterSelectedThePollsGoOutWithAnEmptyAddress) {
  AddTransmitter("01", 9600);
  Start(1);
  ClickOnOff();
  EXPECT_EQ(PollOnce(), Commands{"RT0"});
  EXPECT_EQ(PollOnce(), Commands{"RP0"});
  EXPECT_EQ((*this)["Label19"].caption(), "1");
  EXPECT_EQ(Text("TXT_TEMPERATURE"), "0.0");
}

}  // namespace
