// Test mode: the checksum and time-out texts, framing with either checksum, the wait, the
// checks on the reply with their messages, Retry and Cancel, and the silent "AD" probe.

#include <gmock/gmock.h>

#include "platform/serial/reply_wait.h"
#include "platform/serial/traffic_log.h"
#include "platform/serial/traffic_recorder.h"
#include "tests/terminal/terminal_fixture.h"

namespace terminal_test {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;

constexpr const char* kPressure = "\\+00[34][0-9]\\.[0-9]";  // transmitter 01 reads about 40 kPa
const std::string kNoEnd = "没有收到字符串或缺少结束符！";

TEST_F(TerminalTest, FramesTheTypedRequestWithEitherChecksumAndReturnsTheValue) {
  Send("$01RP0");
  EXPECT_EQ(Text("Txt_sendall"), "$01RP033\r");
  EXPECT_THAT(Text("Txt_receive"), MatchesRegex(kPressure));
  EXPECT_THAT(Text("Txt_receiveall"), MatchesRegex("\\*01" + std::string(kPressure) + "[0-9A-F]{2}\r"));
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_FALSE(port.port_open());
  EXPECT_LT(clock.now_us(), 250'000u) << "the wait ends with the CR, not at the time-out";

  Paste("Txt_send", "$01VR");
  Key("Txt_send", 13);  // Enter sends like the button
  EXPECT_EQ(Text("Txt_receive"), "2.00");
  Send("$");
  Send("$数");
  EXPECT_EQ(Text("Txt_sendall"), "$数37\r");
  Click("optcrc", 0);
  Send("$");
  Send("$aaC");  // 'a' + 'a' + 'C' = 0x105: the sum sends its last two digits
  EXPECT_THAT(WrittenBytes(bus_log), ElementsAre("$01RP033\r", "$01VR05\r", "$00\r",
                                                 "$\xCA\xFD"
                                                 "37\r",
                                                 "$0\r", "$aaC05\r"));
}

TEST_F(TerminalTest, ReplyInPiecesIsGatheredAndBytesAfterTheCarriageReturnAreDiscarded) {
  T01().faults() = {.split_pieces = 3, .split_gap_ms = 40};
  Send("$01RP0");
  EXPECT_THAT(Text("Txt_receive"), MatchesRegex(kPressure));
  EXPECT_GE(clock.now_us(), 80'000u);

  T01().faults() = {.trailing = "XY"};
  for (int i = 0; i < 2; ++i) {
    clock.advance_ms(100);  // the user's next click
    Send("$01VR");
    EXPECT_EQ(Text("Txt_receiveall"), "*012.001D\r");
  }
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(TerminalTest, EachFailedCheckNamesItsReasonAndCancelReturnsNothing) {
  const std::tuple<simbus::Faults, const char*, const char*> cases[] = {
      {{.silent = true}, "$01RP0", "没有收到字符串或缺少结束符！"},
      {{.late_ms = 400}, "$01RP0", "没有收到字符串或缺少结束符！"},
      {{.noise_before = "#"}, "$01VR", "没有起始符!"},
      {{.bad_checksum = true}, "$01VR", "校验错误！"},
      {{.lower_case_checksum = true}, "$01VR", "校验错误！"},
      {{.overflow = simbus::Overflow::kNegative}, "$01RP0", "溢出错误！"},
      {{.overflow = simbus::Overflow::kPositive}, "$01RP0", "溢出错误！"},
  };
  for (const auto& [faults, request, reason] : cases) {
    SCOPED_TRACE(std::string(request) + " " + reason);
    services.boxes.clear();
    T01().faults() = faults;
    Paste("Txt_receive", "old");
    Send(request);
    ASSERT_EQ(services.boxes.size(), 1u);
    const ui::MessageBoxRequest& box = services.boxes[0];
    EXPECT_EQ(box.text, ReplyBoxText(reason, Text("Txt_sendall")));
    EXPECT_EQ(box.title, "错误信息");
    EXPECT_EQ(box.buttons, ui::MessageBoxButtons::kRetryCancel);
    EXPECT_EQ(box.icon, ui::MessageBoxIcon::kWarning);
    EXPECT_EQ(Text("Txt_receive"), "");
    EXPECT_FALSE(port.port_open());
    clock.advance_ms(1000);  // a late reply lands while the port is closed
  }
  EXPECT_THAT(Text("Txt_receiveall"), ::testing::StartsWith("*01+@OVER"));
}

TEST_F(TerminalTest, BareAddressReplyGivesAnEmptyValueWithoutComplaint) {
  simbus::TransmitterConfig blank = Transmitter("07", 9600);
  blank.settings.type = "";
  bus.Add(blank);
  Paste("Txt_receive", "old");
  Send("$07TY");
  EXPECT_EQ(Text("Txt_receiveall"), "*0707\r");
  EXPECT_EQ(Text("Txt_receive"), "");
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(TerminalTest, RetryResendsTheSameFrameAndWaitsTheFullTimeoutAgain) {
  T01().faults() = {.silent = true};
  Paste("Txt_delay", "300");
  services.answers = {ui::MessageBoxAnswer::kRetry, ui::MessageBoxAnswer::kCancel};
  Send("$01RP0");
  EXPECT_THAT(WrittenBytes(bus_log), ElementsAre("$01RP033\r", "$01RP033\r"));
  ASSERT_EQ(bus_log.writes.size(), 2u);
  EXPECT_GE(bus_log.writes[1].at_ms - bus_log.writes[0].at_ms, 300u);
  EXPECT_GE(clock.now_us() / 1000 - bus_log.writes[1].at_ms, 300u);
  ASSERT_EQ(services.boxes.size(), 2u);
  EXPECT_EQ(services.boxes[1].text, ReplyBoxText(kNoEnd, "$01RP033\r"));
}

TEST_F(TerminalTest, TheWindowIsRepaintedWhileTheReplyIsAwaitedShowingTheFrameSent) {
  T01().faults() = {.silent = true};
  Paste("Txt_delay", "1200");
  std::vector<std::pair<std::uint64_t, std::string>> repaints;  // when, and the send buffer then
  services.on_repaint = [&] { repaints.emplace_back(clock.now_us() / 1000, Text("Txt_sendall")); };
  Send("$01RP0");
  ASSERT_EQ(repaints.size(), 3u);
  for (std::size_t i = 0; i < repaints.size(); ++i) {
    EXPECT_EQ(repaints[i].first, i * platform::kRepaintEveryMs);
    EXPECT_EQ(repaints[i].second, "$01RP033\r");
  }
}

TEST_F(TerminalTest, EachPassOfAnExchangeIsSummedUpWithTheChecksVerdict) {
  platform::TrafficRecorder recorder{clock, {}};
  platform::TrafficLog log;
  recorder.AddSink(log);
  port.set_recorder(&recorder);
  std::vector<platform::ExchangeSummary> summaries;
  const auto take = [&] {
    for (std::uint64_t n = log.first_number(); n < log.next_number(); ++n)
      if (log.At(n).kind == platform::TrafficKind::kExchange) summaries.push_back(log.At(n).exchange);
    log.Clear();
  };
  Send("$01VR");
  take();
  T01().faults() = {.noise_before = "#"};
  services.answers = {ui::MessageBoxAnswer::kRetry, ui::MessageBoxAnswer::kCancel};
  Send("$01VR");
  take();
  ASSERT_EQ(summaries.size(), 3u) << "one pass, then a failed pass and its retry";
  EXPECT_EQ(summaries[0].address, "01");
  EXPECT_EQ(summaries[0].command, "VR");
  EXPECT_EQ(summaries[0].sent, "$01VR05\r");
  EXPECT_EQ(summaries[0].received, "*012.001D\r");
  EXPECT_EQ(summaries[0].outcome, "") << "passed";
  EXPECT_TRUE(summaries[0].outcome_is_verdict);
  EXPECT_EQ(summaries[1].outcome, "没有起始符!");
  EXPECT_EQ(summaries[2].received, "#*012.001D\r");
  port.set_recorder(nullptr);
}

TEST_F(TerminalTest, AddressProbesFailSilently) {
  Paste("Txt_receive", "old");
  Send("$09AD");
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_EQ(Text("Txt_receive"), "");
  Send("$01AD");
  EXPECT_EQ(Text("Txt_receive"), "01");
}

TEST_F(TerminalTest, TimeoutOfZeroOrBelowStillReadsOnce) {
  for (const char* timeout : {"0", "-50"}) {
    SCOPED_TRACE(timeout);
    bus_log.reads = 0;
    Paste("Txt_delay", timeout);
    Send("$01RP0");
    EXPECT_EQ(bus_log.reads, 1);
    EXPECT_EQ(clock.now_us(), 0u);
    EXPECT_EQ(LastBoxText(), ReplyBoxText(kNoEnd, "$01RP033\r"));
  }
  Choose("Cbo_com", 1);  // a reply that is already there is taken
  scripted.ReplyToNextWrite(0, "*012.001D\r");
  Send("$01VR");
  EXPECT_EQ(Text("Txt_receive"), "2.00");
  EXPECT_EQ(scripted_log.reads, 1);
}

TEST_F(TerminalTest, TimeoutIsExactAcrossTheTickCounterWrap) {
  clock.set_tick_origin_ms(0xFFFFFFFFu - 100);  // the counter wraps during the wait
  T01().faults() = {.silent = true};
  Send("$01RP0");
  EXPECT_GE(clock.now_us(), 250'000u);
  EXPECT_LT(clock.now_us(), 251'000u);
  EXPECT_LE(bus_log.reads, 3) << "the wait sleeps in the port instead of polling";
}

TEST_F(TerminalTest, EndlessStreamWithoutCarriageReturnIsCapped) {
  simbus::TransmitterConfig chatty = Transmitter("20", 115200);
  chatty.faults = {.noise_before = std::string(6000, 'x')};
  bus.Add(chatty);
  Choose("Cbo_bound", 0);
  Paste("Txt_delay", "9999");
  Send("$20VR");
  EXPECT_EQ(Text("Txt_receiveall"), std::string(4096, 'x'));
  EXPECT_EQ(LastBoxText(), ReplyBoxText(kNoEnd, Text("Txt_sendall")));
  EXPECT_LT(clock.now_us(), 1'000'000u) << "the CR after the noise still ends the wait";
}

}  // namespace
}  // namespace terminal_test
