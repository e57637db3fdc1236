// An adapter unplugged in the middle of the work: every transaction fails at once with
// the failure result, the search finishes, polling counts failures, nothing waits on a
// device that is gone, and choosing the port again says why it cannot be opened.
#include <gtest/gtest.h>

#include "tests/support/dravon_fixture.h"

namespace {

class VanishedPortTest : public testing_support::DravonFixture {
 protected:
  int Counter(std::string_view label) { return std::stoi((*this)[label].caption()); }
};

TEST_F(VanishedPortTest, ASearchRunsToItsEndAndKeepsWhatItFound) {
  AddTransmitter("03", 9600);
  AddTransmitter("40", 9600);
  Start(1);
  vanish_at_us = 20 * 100'000;  // during the 9600 pass, after address 03 answered
  user.Click({"cmdSEARCH", -1});
  EXPECT_EQ((*this)["StatusBar1"].panel_text(1), "读取失败 17 项") << "the search ended, and its read failed whole";
  EXPECT_EQ((*this)["cmdSEARCH"].caption(), "搜索变送器");
  ASSERT_EQ((*this)["CMB_ADDR"].item_count(), 1);
  EXPECT_EQ((*this)["CMB_ADDR"].item_text(0), "03");
  EXPECT_EQ((*this)["TXT_VER"].text(), "ERR 0\r") << "the read of the found transmitter failed cleanly";
  EXPECT_LT(now_ms(), 3000u) << "no probe waited on the missing device";
}

TEST_F(VanishedPortTest, PollingCountsEveryFailureAtItsOwnPace) {
  AddTransmitter("03", 9600);
  Start(1);
  user.Click({"cmdSEARCH", -1});
  TakeCommands();
  user.Click({"cmdON_OFF", -1});
  services.loop.Wait(3000);
  const int before = Counter("Label19");
  EXPECT_EQ(before, 0);
  vanish_at_us = clock.now_us();
  services.loop.Wait(3000);
  // Ten ticks in three seconds, half of them pressure polls: the timer's pace, not a spin.
  EXPECT_EQ(Counter("Label19"), 5);
  EXPECT_EQ(Counter("Label20"), 5) << "a pulled cable fails the temperature polls too";
  EXPECT_EQ((*this)["TXT_TEMPERATURE"].text(), "ERR 0\r") << "never a reading of 0.0";
  EXPECT_TRUE((*this)["Timer1"].enabled());
}

TEST_F(VanishedPortTest, ChoosingThePortAgainShowsWhyItCannotBeOpened) {
  Start(1);
  vanish_at_us = 0;
  user.Choose({"cmbCommPort", -1}, 0);
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "No serial device at /dev/ttyUSB0");
  EXPECT_EQ(services.boxes[0].title, "Halvora");
  EXPECT_FALSE(port.port_open());
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "1");
}

TEST_F(VanishedPortTest, TheConsoleAndTheButtonsShowTheFailureResult) {
  AddTransmitter("03", 9600);
  Start(1);
  user.Click({"cmdSEARCH", -1});
  vanish_at_us = clock.now_us();
  user.Click({"Cmd_INS", -1});
  EXPECT_EQ((*this)["txtReturn"].text(), "ERR 0\r");
  user.Click({"cmdSCALE_Read", -1});
  EXPECT_EQ((*this)["TXT_DPL"].text(), "ERR 0\r");
  user.Click({"CMD_USER", -1});
  ASSERT_FALSE(services.boxes.empty());
  EXPECT_EQ(services.boxes.back().text, "写入用户数据区出错")
      << "a store that did not happen is never reported as done";
}

}  // namespace
