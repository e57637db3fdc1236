#include <gtest/gtest.h>

#include "tests/support/dravon_fixture.h"

namespace {

class AddressChangeTest : public testing_support::DravonFixture {
 protected:
  void SetUp() override {
    t03 = &AddTransmitter("03", 2400);
    AddTransmitter("07", 2400);
    Start(1);
    user.Click({"cmdSEARCH", -1});
    ASSERT_EQ((*this)["CMB_ADDR"].text(), "03");
    TakeCommands();
  }
  simbus::Transmitter* t03 = nullptr;
};

TEST_F(AddressChangeTest, AValidAddressIsWrittenWithTwoDigits) {
  for (const char* typed : {"5", "5.0", " 5 ", "4.6"}) {
    user.Paste({"TXT_ADDR", -1}, typed);
    EXPECT_EQ(user.Focus({"txtType", -1}).status, ui::ActionStatus::kDone) << typed;
    EXPECT_EQ((*this)["TXT_ADDR"].text(), "05") << typed;
  }
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(AddressChangeTest, AnAddressOutOfRangeOrNotANumberIsRefusedAndKeepsTheFocus) {
  for (const char* typed : {"100", "99.5", "0", "00", "0.9", "-3", "abc", "", "1 2"}) {
    services.boxes.clear();
    user.Paste({"TXT_ADDR", -1}, typed);
    EXPECT_EQ(user.Click({"COM_ADDR", -1}).status, ui::ActionStatus::kRefused) << typed;
    ASSERT_EQ(services.boxes.size(), 1u) << typed;
    EXPECT_EQ(services.boxes[0].text, "地址设置参数错误，请重新输入！");
    EXPECT_EQ(services.boxes[0].title, "错误");
    EXPECT_EQ((*this)["TXT_ADDR"].text(), typed) << "left as typed";
    EXPECT_EQ(main.window().focused(), &(*this)["TXT_ADDR"]);
  }
  EXPECT_TRUE(TakeCommands().empty()) << "nothing is sent";
}

TEST_F(AddressChangeTest, AnAddressAlreadyFoundIsRefused) {
  user.Paste({"TXT_ADDR", -1}, "07");
  user.Click({"COM_ADDR", -1});
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "地址 07 已经存在,按“OK”键返回！");
  EXPECT_EQ(services.boxes[0].title, "错误");
  EXPECT_EQ((*this)["TXT_ADDR"].text(), "03");
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(AddressChangeTest, TheSameAddressWithAnotherBaudRateChangesOnlyTheRate) {
  user.Choose({"CMB_BAND", -1}, 3);
  user.Click({"COM_ADDR", -1});
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"03AD03", "03BD3", "03TY86000000", "03ID08000000"}));
  EXPECT_EQ(port.settings(), "9600,n,8,1");
  EXPECT_EQ((*this)["TXT_BAND"].text(), "9600");
  EXPECT_EQ(main.OnlineTable[0].BandIndex, 3);
  EXPECT_EQ(t03->baud(), 9600);
  EXPECT_EQ((*this)["txtType"].text(), "86000000") << "the echo came back at the new rate";
}

// Behind a raw stream the server keeps the line at its speed: a confirmed change to
// another speed tells the user to set the server too; the server's own speed needs no word.
TEST_F(AddressChangeTest, ASpeedChangeBehindAFixedSpeedServerTellsToSetTheServer) {
  const std::pair<int, std::string> cases[] = {{3, "9600"}, {0, "1200"}, {1, ""}};
  for (const auto& [band, warned_speed] : cases) {
    SCOPED_TRACE(band);
    port.set_port_open(false);
    server_baud = 2400;
    ASSERT_FALSE(port.set_port_open(true));
    services.boxes.clear();
    user.Choose({"CMB_BAND", -1}, band);
    user.Click({"COM_ADDR", -1});
    if (warned_speed.empty()) {
      EXPECT_TRUE(services.boxes.empty());
      continue;
    }
    ASSERT_EQ(services.boxes.size(), 1u);
    const std::string& text = services.boxes[0].text;
    EXPECT_NE(text.find("变送器的波特率已改为 " + warned_speed), std::string::npos) << text;
    EXPECT_NE(text.find("固定为 2400 波特"), std::string::npos) << text;
    // The simulated line follows the port, so the transmitter is back at 2400 for the next case.
    user.Choose({"CMB_BAND", -1}, 1);
    user.Click({"COM_ADDR", -1});
  }
}

TEST_F(AddressChangeTest, ANewAddressEditsTheEntryInPlace) {
  user.Paste({"TXT_ADDR", -1}, "12");
  user.Click({"COM_ADDR", -1});
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"03AD12", "12BD1", "12TY86000000", "12ID08000000"}));
  EXPECT_EQ((*this)["CMB_ADDR"].item_text(0), "12");
  EXPECT_EQ((*this)["CMB_ADDR"].text(), "12");
  EXPECT_EQ((*this)["CMB_ADDR"].item_text(1), "07");
  EXPECT_EQ(t03->address(), "12");
  EXPECT_EQ(main.OnlineTable.size(), 2u);
}

TEST_F(AddressChangeTest, ATransmitterThatIgnoresTheBaudChangeKeepsTheOldRate) {
  user.Paste({"TXT_ADDR", -1}, "12");
  user.Choose({"CMB_BAND", -1}, 3);
  t03->faults() = {.silent = true};
  user.Click({"COM_ADDR", -1});
  EXPECT_EQ((*this)["CMB_ADDR"].text(), "ERR 0\r") << "the failed address echo is what the entry shows";
  EXPECT_EQ(port.settings(), "2400,n,8,1");
  EXPECT_EQ((*this)["TXT_BAND"].text(), "2400");
  EXPECT_EQ((*this)["CMB_BAND"].text(), "9600") << "the list keeps the user's choice";
  EXPECT_EQ(main.OnlineTable[0].BandIndex, 1);
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(AddressChangeTest, NewAddressAcceptedButBaudNotConfirmed) {
  user.Paste({"TXT_ADDR", -1}, "12");
  user.Choose({"CMB_BAND", -1}, 3);
  user.Click({"COM_ADDR", -1});
  ASSERT_EQ(t03->baud(), 9600);
  // The transmitter confirms; now move it again but let only the address through.
  user.Paste({"TXT_ADDR", -1}, "13");
  user.Choose({"CMB_BAND", -1}, 0);
  t03->faults() = {.bad_checksum = true, .every = 2};  // the 2nd reply (to "BD") is damaged
  t03->reset_fault_counters();
  user.Click({"COM_ADDR", -1});
  EXPECT_EQ((*this)["CMB_ADDR"].text(), "13");
  EXPECT_EQ((*this)["TXT_BAND"].text(), "9600");
  EXPECT_EQ(port.settings(), "9600,n,8,1");
}

TEST_F(AddressChangeTest, NoSelectedEntryMeansNoCommand) {
  (*this)["CMB_ADDR"].set_list_index(-1);
  user.Paste({"TXT_ADDR", -1}, "22");
  user.Click({"COM_ADDR", -1});
  EXPECT_TRUE(TakeCommands().empty());
  EXPECT_EQ((*this)["CMB_ADDR"].item_text(0), "03");
}

}  // namespace
