// The command console on the simulated bus: what is typed goes out as typed, and the
// whole result comes back into txtReturn.
#include <gtest/gtest.h>

#include "platform/text/ansi_codepage.h"
#include "protocol/frame.h"
#include "tests/support/dravon_fixture.h"

namespace {

class CommandConsoleTest : public testing_support::DravonFixture {
 protected:
  // Transmitter 01 at 9600 baud, selected without the full read.
  simbus::Transmitter& SelectTransmitter() {
    simbus::Transmitter& t = AddTransmitter("01", 9600);
    Start(1);
    (*this)["CMB_ADDR"].add_item("01");
    (*this)["CMB_ADDR"].set_list_index(0);
    frames.clear();
    return t;
  }
  std::string Send(std::string_view command) {
    EXPECT_EQ(user.Paste({"txtInsSend", -1}, command).status, ui::ActionStatus::kDone);
    EXPECT_EQ(user.Click({"Cmd_INS", -1}).status, ui::ActionStatus::kDone);
    return (*this)["txtReturn"].text();
  }
};

TEST_F(CommandConsoleTest, TheWholeResultIsShownWithItsCarriageReturn) {
  SelectTransmitter();
  ASSERT_EQ((*this)["txtInsSend"].text(), "RP0") << "the start-up command";
  ASSERT_EQ(user.Click({"Cmd_INS", -1}).status, ui::ActionStatus::kDone);
  const std::string shown = (*this)["txtReturn"].text();
  EXPECT_EQ(TakeCommands(), std::vector<std::string>{"01RP0"});
  EXPECT_TRUE(shown.starts_with("*01+")) << shown;
  EXPECT_TRUE(shown.ends_with("\r")) << "the checksum is gone, the CR stays";
  EXPECT_EQ(shown.size(), 1 + 2 + 7 + 1u);

  EXPECT_EQ(Send("ADxx"), "*0101\r") << "an invalid argument: the transmitter answers its address";
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(CommandConsoleTest, ALowerCaseCommandGoesOutInLowerCase) {
  SelectTransmitter();
  EXPECT_EQ(Send("rp0"), "ERR 0\r") << "the transmitter does not know it";
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], protocol::BuildRequestFrame("01", "rp0"));
  EXPECT_EQ(frames[0].substr(3, 3), "rp0");
}

TEST_F(CommandConsoleTest, AChineseCharacterTravelsInGbkWithAFourDigitChecksum) {
  simbus::Transmitter& t = SelectTransmitter();
  const std::string shown = Send("TY型");
  ASSERT_EQ(frames.size(), 1u);
  const std::string gbk = platform::Utf8ToAnsi("型");
  ASSERT_EQ(gbk.size(), 2u);
  const std::string& frame = frames[0];
  EXPECT_EQ(frame.substr(0, 7), "$01TY" + gbk);
  const std::string checksum = frame.substr(7, frame.size() - 8);
  EXPECT_EQ(checksum.size(), 4u) << "the double-byte character is one 16-bit value";
  EXPECT_EQ(checksum.find_first_not_of("0123456789ABCDEF"), std::string::npos) << checksum;
  EXPECT_EQ(t.present().type, gbk) << "the transmitter accepted the frame";
  // Its echo carries the longer checksum too, which the reply check rejects.
  EXPECT_EQ(shown, "EER 3\r");
}

TEST_F(CommandConsoleTest, AFailedCommandNeverLeavesTheOldResultOnView) {
  simbus::Transmitter& t = SelectTransmitter();
  Send("VR");
  ASSERT_EQ((*this)["txtReturn"].text(), "*011.50\r");

  std::vector<std::string> seen;
  (*this)["txtReturn"].on_change([&](ui::UiServices&) { seen.push_back((*this)["txtReturn"].text()); });
  t.faults() = {.silent = true};
  Send("VR");
  EXPECT_EQ(seen, (std::vector<std::string>{"", "ERR 0\r"})) << "emptied before the transaction";
}

TEST_F(CommandConsoleTest, AnEmptyCommandWithoutAnAddressBuildsNoFrame) {
  AddTransmitter("01", 9600);
  Start(1);  // nothing selected in CMB_ADDR
  (*this)["txtReturn"].set_text("old");
  ASSERT_EQ(user.Clear({"txtInsSend", -1}).status, ui::ActionStatus::kDone);
  ASSERT_EQ(user.Click({"Cmd_INS", -1}).status, ui::ActionStatus::kDone);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ((*this)["txtReturn"].text(), "ERR 0\r");
  EXPECT_TRUE(services.boxes.empty());

  EXPECT_EQ(Send("RP0"), "ERR 0\r") << "a command without an address still goes out";
  EXPECT_EQ(TakeCommands(), std::vector<std::string>{"RP0"});
}

}  // namespace
