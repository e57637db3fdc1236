// How a send and a receive use the port: the line settings built from the lists, the
// port opened per action and closed on every way out, the failures the user is told
// of, normal mode, and replies placed by hand on a scripted device (port 2).

#include <gmock/gmock.h>

#include <functional>

#include "tests/terminal/terminal_fixture.h"

namespace terminal_test {
namespace {

using platform::Handshake;
using platform::LineSettings;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST_F(TerminalTest, LineSettingsComeFromTheListsAndATypedBaudGoesUnchanged) {
  Send("$01VR");  // the start-up choices
  Choose("Cbo_paritybit", 0);
  Choose("Cbo_databit", 3);
  Choose("Cbo_stopbit", 2);
  Choose("Cbo_shake", 2);
  Paste("Cbo_bound", "14400");
  Send("$01VR");
  EXPECT_EQ(port.comm_port(), 1);
  EXPECT_EQ(port.settings(), "14400,e,7,2");
  EXPECT_THAT(bus_log.configured,
              ElementsAre(LineSettings{9600, 'n', 8, "1"}, LineSettings{14400, 'e', 7, "2"}));
  EXPECT_THAT(bus_log.handshakes, ElementsAre(Handshake::kNone, Handshake::kRtsCts));
  EXPECT_EQ(bus_log.opens, 2);
}

TEST_F(TerminalTest, EachFailureBeforeTheExchangeIsNamedAndTheNextSendWorks) {
  const std::string kPortBox = "此端口已经打开，请更换一个可用端口";
  const std::tuple<const char*, std::function<void()>, std::string> cases[] = {
      {"a typed entry in the port list: port 0", [&] { Type("Cbo_com", "x"); }, kPortBox},
      {"held by another program", [&] { Choose("Cbo_com", 2); }, kPortBox},
      {"no such device", [&] { Choose("Cbo_com", 3); }, kPortBox},
      {"unplugged", [&] { bus_log.unplugged = true; }, kPortBox},
      {"no parity letter", [&] { Type("Cbo_paritybit", "?"); }, "9600,,8,1"},
      {"no handshake", [&] { Type("Cbo_shake", "?"); }, ""},
      {"a time-out that is no number", [&] { Paste("Txt_delay", "1e3"); }, "最大超时必须是整数！"},
  };
  for (const auto& [what, spoil, text] : cases) {
    SCOPED_TRACE(what);
    services.boxes.clear();
    const std::size_t writes = bus_log.writes.size();
    Paste("Txt_receive", "old");
    spoil();
    Send("$01VR");
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_THAT(services.boxes[0].title, ::testing::StartsWith("错误"));
    EXPECT_THAT(services.boxes[0].text, HasSubstr(text));
    EXPECT_EQ(bus_log.writes.size(), writes);
    EXPECT_EQ(Text("Txt_receive"), "old");
    bus_log.unplugged = false;
    Choose("Cbo_paritybit", 2);
    Choose("Cbo_shake", 0);
    Paste("Txt_delay", "250");
    ExpectClosedAndNextSendWorks();
  }
}

TEST_F(TerminalTest, VanishingDeviceOffersRetryWithoutAReasonAndLeavesThePortClosed) {
  Choose("Cbo_com", 1);
  scripted.FailFrom(clock.now_us() + 5000);  // unplugged while the reply is awaited
  services.answers = {ui::MessageBoxAnswer::kRetry, ui::MessageBoxAnswer::kCancel};
  Send("$01VR");
  ASSERT_EQ(services.boxes.size(), 2u) << "the retry fails the same way";
  EXPECT_EQ(services.boxes[0].text, ReplyBoxText("", "$01VR05\r"));
  EXPECT_EQ(services.boxes[1].text, services.boxes[0].text);
  EXPECT_FALSE(port.port_open());
  scripted.FailFrom(UINT64_MAX);  // plugged in again
  scripted.ReplyToNextWrite(5, "*012.001D\r");
  Send("$01VR");
  EXPECT_EQ(Text("Txt_receive"), "2.00");
}

TEST_F(TerminalTest, ScriptedRepliesCoverWhatTheBusCannotSend) {
  Choose("Cbo_com", 1);
  struct Case {
    const char* reply;  // arrives 5 ms after the frame, in one piece
    bool sum;           // the sum checksum is chosen
    const char* value;  // nullptr: refused with this reason
    const char* reason;
  };
  const Case cases[] = {
      {"*01OK05\rX", false, nullptr, "校验错误！"},  // the X is removed in place of the CR
      {"*00\r", false, nullptr, ""},                 // passes its checksum, but has no address
      {"*\r", false, nullptr, ""},                   // not even checksum digits
      {"\r", false, nullptr, "没有起始符!"},
      {"*01OK05\r", false, "OK", nullptr},
      {"*01OKFB\r", true, "OK", nullptr},  // '0' + '1' + 'O' + 'K' = 0xFB
      {"*01OK05\r", true, nullptr, "校验错误！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    services.boxes.clear();
    Click("optcrc", c.sum ? 0 : 1);
    scripted.ReplyToNextWrite(5, c.reply);
    Send("$01WU");
    if (c.value != nullptr) {
      EXPECT_EQ(Text("Txt_receive"), c.value);
      EXPECT_TRUE(services.boxes.empty());
    } else {
      EXPECT_EQ(LastBoxText(), ReplyBoxText(c.reason, Text("Txt_sendall")));
    }
  }
}

TEST_F(TerminalTest, NormalModeWritesTheTextAsTypedAndReceiveReadsWhatWaits) {
  Click("Opt_normal");
  Paste("Txt_receive", "old");
  Send("$");
  Paste("Txt_send", "$01VR05");
  Key("Txt_send", 13);
  EXPECT_THAT(WrittenBytes(bus_log), ElementsAre("$", "$01VR05"));
  EXPECT_EQ(Text("Txt_receive"), "old");
  EXPECT_EQ(Text("Txt_sendall"), "");
  Click("Cmd_receive");  // nothing waits
  EXPECT_EQ(Text("Txt_receive"), "");
  EXPECT_THAT(bus_log.configured, ::testing::Each(LineSettings{9600, 'n', 8, "1"}));

  bus_log.unplugged = true;
  Paste("Txt_receive", "old");
  Click("Cmd_receive");
  EXPECT_EQ(LastBoxText(), "此端口已经打开，请更换一个可用端口");
  EXPECT_EQ(Text("Txt_receive"), "old");
  EXPECT_FALSE(port.port_open());
  bus_log.unplugged = false;

  Choose("Cbo_com", 1);
  Click("Cmd_send");
  scripted.ArriveAt(clock.now_us() + 10'000, "*012.001D\r");
  clock.advance_ms(20);
  Click("Cmd_receive");
  EXPECT_EQ(Text("Txt_receive"), "*012.001D\r");
  EXPECT_EQ(scripted_log.opens, 2);
  EXPECT_FALSE(port.port_open());
}

}  // namespace
}  // namespace terminal_test
