// Zeroing, refresh and reset on the measurement panel.
#include <gtest/gtest.h>

#include "tests/measure/measure_fixture.h"

namespace {

using Commands = std::vector<std::string>;

class PanelButtonsTest : public measure_test::MeasureFixture {};

TEST_F(PanelButtonsTest, ZeroingShowsTheNewPressureAndLeavesPollingMinMaxAndCountersAlone) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  ClickOnOff();
  PollPressure();
  t.set_pressure_text("+4.0");
  PollPressure();  // one failed poll
  t.set_pressure_text("");

  ASSERT_EQ(user.Click({"COM_SC", -1}).status, ui::ActionStatus::kDone);
  EXPECT_EQ(TakeCommands(), Commands{"01SZ"});
  EXPECT_EQ(Text("TXT_PRESSURE"), "+0000.0");
  EXPECT_EQ(Text("txtMAX"), "+0040.0");
  EXPECT_EQ(Text("txtMIN"), "+999.9");
  EXPECT_EQ((*this)["Label19"].caption(), "1");
  EXPECT_TRUE((*this)["Timer1"].enabled());
  EXPECT_TRUE(services.boxes.empty()) << "no confirmation, no message";

  PollPressure();
  EXPECT_EQ(Text("TXT_PRESSURE"), "+0000.0") << "the transmitter reads from its new zero";
  EXPECT_EQ(Text("txtMIN"), "+0000.0");
}

TEST_F(PanelButtonsTest, ZeroingWithoutAnAnswerShowsTheValueCutOfTheFailure) {
  simbus::Transmitter& t = SelectSteadyTransmitter();
  t.faults() = {.silent = true};
  user.Click({"COM_SC", -1});
  EXPECT_EQ(Text("TXT_PRESSURE"), " 0") << "the value cut of \"ERR 0\"";
}

TEST_F(PanelButtonsTest, RefreshReadsEverythingAgainAndRestartsMinimumAndMaximum) {
  AddTransmitter("05", 4800, "1.50");
  Start(1);
  main.OnlineTable = {{"05", 2}};
  (*this)["CMB_ADDR"].add_item("05");
  (*this)["CMB_ADDR"].set_list_index(0);
  TakeCommands();
  (*this)["txtMIN"].set_text("+999.9");
  (*this)["txtMAX"].set_text("-999.9");

  ASSERT_EQ(user.Click({"cmdReFresh", -1}).status, ui::ActionStatus::kDone);
  const Commands commands = TakeCommands();
  EXPECT_EQ(commands.size(), 17u);
  EXPECT_EQ(commands.front(), "05TY");
  EXPECT_EQ(commands.back(), "05RT0");
  EXPECT_EQ(Text("txtMIN"), Text("TXT_PRESSURE"));
  EXPECT_EQ(Text("txtMAX"), Text("TXT_PRESSURE"));
  EXPECT_EQ(Text("TXT_VER"), "1.50");
}

TEST_F(PanelButtonsTest, RefreshWithoutASelectedTransmitterDoesNothing) {
  AddTransmitter("01", 9600);
  Start(1);
  ASSERT_EQ(user.Click({"cmdReFresh", -1}).status, ui::ActionStatus::kDone);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(Text("TXT_TYPE"), "TYPE");
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(PanelButtonsTest, ResetCopiesTheCurrentPressureIntoMaximumAndMinimum) {
  SelectSteadyTransmitter();
  ClickOnOff();
  PollPressure();
  ASSERT_EQ(Text("txtMIN"), "+999.9");
  // The button is never shown; its handler is still there.
  (*this)["cmdReset"].RaiseClick();
  EXPECT_EQ(Text("txtMAX"), "+0040.0");
  EXPECT_EQ(Text("txtMIN"), "+0040.0");
  EXPECT_TRUE(frames.empty()) << "no transaction";
}

}  // namespace
