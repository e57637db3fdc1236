// How a send and a receive use the port: the line settings built from the lists, the
// port opened per action and closed on every way out, the failures the user is told
// of, normal mode, and replies placed by hand on a scripted device (port 2).

#include <gmock/gmock.h>

#include "tests/terminal/terminal_fixture.h"

namespace terminal_test {
namespace {

using ::testing::ElementsAre;

class PortHandling : public TerminalTest {
 protected:
  void ExpectPortBox(std::size_t boxes = 1) {
    ASSERT_EQ(services.boxes.size(), boxes);
    EXPECT_EQ(services.boxes.back().text, "此端口已经打开，请更换一个可用端口");
    EXPECT_EQ(services.boxes.back().title, "错误MSComm1");
    EXPECT_EQ(services.boxes.back().buttons, ui::MessageBoxButtons::kOk);
    EXPECT_EQ(services.boxes.back().icon, ui::MessageBoxIcon::kNone);
  }
  // After a failure the port is closed and the next send on port 1 works.
  void ExpectNextSendWorks() {
    EXPECT_FALSE(port.port_open());
    Choose("Cbo_com", 0);
    Send("$01VR");
    EXPECT_EQ(Text("Txt_receive"), "2.00");
  }
  platform::LineSettings Line(int baud, char parity, int bits, std::string stop) {
    return platform::LineSettings{baud, parity, bits, std::move(stop)};
  }
};

TEST_F(PortHandling, StartUpSendsOnPortOneAt9600N81WithoutHandshake) {
  Send("$01VR");
  EXPECT_EQ(bus_log.opens, 1);
  EXPECT_THAT(bus_log.configured, ElementsAre(Line(9600, 'n', 8, "1")));
  EXPECT_THAT(bus_log.handshakes, ElementsAre(platform::Handshake::kNone));
  EXPECT_EQ(port.comm_port(), 1);
  EXPECT_FALSE(port.port_open());
}

TEST_F(PortHandling, ListsGiveTheLineSettingsAndTypedBaudGoesUnchanged) {
  Choose("Cbo_paritybit", 0);
  Choose("Cbo_databit", 3);
  Choose("Cbo_stopbit", 2);
  Choose("Cbo_shake", 2);
  Paste("Cbo_bound", "14400");
  Send("$01VR");
  EXPECT_EQ(port.settings(), "14400,e,7,2");
  EXPECT_THAT(bus_log.configured, ElementsAre(Line(14400, 'e', 7, "2")));
  EXPECT_THAT(bus_log.handshakes, ElementsAre(platform::Handshake::kRtsCts));
  EXPECT_THAT(WrittenBytes(bus_log), ElementsAre("$01VR05\r"));
}

TEST_F(PortHandling, TypedPortEntryMeansPortZeroAndAClearFailure) {
  Paste("Txt_receive", "old");
  Type("Cbo_com", "x");
  EXPECT_EQ(form["Cbo_com"].list_index(), -1);
  Send("$01VR");
  ExpectPortBox();
  EXPECT_EQ(Text("Txt_receive"), "old");
  EXPECT_EQ(bus_log.opens, 0);
  ExpectNextSendWorks();
}

TEST_F(PortHandling, PortMissingOrHeldElsewhereShowsThePortBox) {
  Choose("Cbo_com", 2);  // held by another program
  Send("$01VR");
  ExpectPortBox(1);
  Choose("Cbo_com", 3);  // no such device
  Send("$01VR");
  ExpectPortBox(2);
  ExpectNextSendWorks();
}

TEST_F(PortHandling, SettingsThePortCannotUseAreNamedAndNothingOpens) {
  Type("Cbo_paritybit", "?");  // no parity letter
  Send("$01VR");
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].title, "错误MSComm1");
  EXPECT_THAT(services.boxes[0].text, ::testing::HasSubstr("9600,,8,1"));
  Choose("Cbo_paritybit", 2);
  Type("Cbo_shake", "?");  // handshake -1
  Send("$01VR");
  EXPECT_EQ(services.boxes.size(), 2u);
  EXPECT_EQ(bus_log.opens, 0);
  Choose("Cbo_shake", 0);
  ExpectNextSendWorks();
}

TEST_F(PortHandling, TimeoutThatIsNoNumberStopsTheSendWithAMessage) {
  Paste("Txt_delay", "1e3");
  Send("$01VR");
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "最大超时必须是整数！");
  EXPECT_EQ(services.boxes[0].title, "错误");
  EXPECT_TRUE(bus_log.writes.empty());
  Paste("Txt_delay", "250");
  ExpectNextSendWorks();
}

TEST_F(PortHandling, VanishingDeviceOffersRetryWithoutAReasonAndLeavesThePortClosed) {
  Choose("Cbo_com", 1);
  scripted.FailFrom(clock.now_us() + 5000);  // unplugged while the reply is awaited
  services.answers = {ui::MessageBoxAnswer::kRetry, ui::MessageBoxAnswer::kCancel};
  Paste("Txt_receive", "old");
  Send("$01VR");
  ASSERT_EQ(services.boxes.size(), 2u) << "the retry fails the same way";
  EXPECT_EQ(services.boxes[0].text, ReplyBoxText("", "$01VR05\r"));
  EXPECT_EQ(services.boxes[1].text, services.boxes[0].text);
  EXPECT_EQ(Text("Txt_receive"), "");
  EXPECT_FALSE(port.port_open());

  scripted.FailFrom(UINT64_MAX);  // plugged in again
  scripted.ReplyToNextWrite(5, "*012.001D\r");
  Send("$01VR");
  EXPECT_EQ(Text("Txt_receive"), "2.00");
}

TEST_F(PortHandling, UnpluggedBeforeTheSendShowsThePortBox) {
  bus_log.unplugged = true;
  Send("$01VR");
  ExpectPortBox();
  bus_log.unplugged = false;
  ExpectNextSendWorks();
}

TEST_F(PortHandling, ScriptedRepliesCoverWhatTheBusCannotSend) {
  Choose("Cbo_com", 1);
  struct Case {
    const char* reply;  // arrives 5 ms after the frame, in one piece
    const char* value;  // nullptr: refused with this reason
    const char* reason;
  };
  const Case cases[] = {
      {"*01OK05\rX", nullptr, "校验错误！"},  // the X is removed in place of the CR
      {"*00\r", nullptr, ""},                 // passes its checksum, but has no address
      {"*\r", nullptr, ""},                   // not even checksum digits
      {"\r", nullptr, "没有起始符!"},
      {"*01OK05\r", "OK", nullptr},
  };
  for (const Case& c : cases) {
    services.boxes.clear();
    scripted.ReplyToNextWrite(5, c.reply);
    Send("$01WU");
    if (c.value != nullptr) {
      EXPECT_EQ(Text("Txt_receive"), c.value);
      EXPECT_TRUE(services.boxes.empty()) << c.reply;
    } else {
      EXPECT_EQ(LastBoxText(), ReplyBoxText(c.reason, "$01WU" + std::string("03") + "\r")) << c.reply;
    }
  }
}

TEST_F(PortHandling, SumChecksumIsCheckedOnTheReplyToo) {
  Choose("Cbo_com", 1);
  Click("optcrc", 0);
  scripted.ReplyToNextWrite(5, "*01OKFB\r");  // '0' + '1' + 'O' + 'K' = 0xFB
  Send("$01WU");
  EXPECT_EQ(Text("Txt_receive"), "OK");
  scripted.ReplyToNextWrite(5, "*01OK05\r");  // an exclusive-or checksum
  Send("$01WU");
  EXPECT_EQ(LastBoxText(), ReplyBoxText("校验错误！", Text("Txt_sendall")));
}

TEST_F(PortHandling, TimeoutOfZeroTakesAReplyThatIsAlreadyThere) {
  Choose("Cbo_com", 1);
  Paste("Txt_delay", "0");
  scripted.ReplyToNextWrite(0, "*012.001D\r");
  Send("$01VR");
  EXPECT_EQ(Text("Txt_receive"), "2.00");
  EXPECT_EQ(scripted_log.reads, 1);
}

TEST_F(PortHandling, NormalModeWritesTheTextAsTypedAndReceiveReadsWhatWaits) {
  Click("Opt_normal");
  Paste("Txt_receive", "old");
  Send("$");
  Paste("Txt_send", "$01VR05");
  Expect(user.Key(ui::ControlId{"Txt_send", -1}, 13));
  EXPECT_THAT(WrittenBytes(bus_log), ElementsAre("$", "$01VR05"));
  EXPECT_EQ(Text("Txt_receive"), "old");
  EXPECT_EQ(Text("Txt_sendall"), "");
  EXPECT_FALSE(port.port_open());

  Choose("Cbo_com", 1);
  Click("Cmd_send");
  scripted.ArriveAt(clock.now_us() + 10'000, "*012.001D\r");
  clock.advance_ms(20);
  Click("Cmd_receive");
  EXPECT_EQ(Text("Txt_receive"), "*012.001D\r");
  EXPECT_EQ(scripted_log.opens, 2);
  EXPECT_FALSE(port.port_open());
}

TEST_F(PortHandling, ReceiveUsesThePortDefaultsAndReportsAPortItCannotOpen) {
  Click("Opt_normal");
  Click("Cmd_receive");
  EXPECT_EQ(bus_log.opens, 1);
  EXPECT_THAT(bus_log.configured, ElementsAre(Line(9600, 'n', 8, "1")));
  EXPECT_EQ(Text("Txt_receive"), "");

  bus_log.unplugged = true;
  Paste("Txt_receive", "old");
  Click("Cmd_receive");
  ExpectPortBox();
  EXPECT_EQ(Text("Txt_receive"), "old");
  EXPECT_FALSE(port.port_open());
  bus_log.unplugged = false;
  Click("Cmd_receive");
  EXPECT_EQ(Text("Txt_receive"), "");
}

}  // namespace
}  // namespace terminal_test
