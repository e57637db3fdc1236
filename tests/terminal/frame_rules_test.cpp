// The small rules under a send: checksum texts, request framing, the line settings text
// and the time-out text, where their edges are not reachable through the bus.

#include <gmock/gmock.h>

#include "terminal/checksum_text.h"
#include "terminal/line_settings_text.h"
#include "terminal/timeout_text.h"
#include "tests/terminal/terminal_fixture.h"

namespace terminal_test {
namespace {

using terminal::ChecksumKind;

TEST(ChecksumText, WritesBothKindsAsTheTransmitterExpects) {
  struct Case {
    std::string bytes;
    ChecksumKind kind;
    const char* text;
  };
  const Case cases[] = {
      {"01RP0", ChecksumKind::kExclusiveOr, "33"},
      {"0101", ChecksumKind::kExclusiveOr, "00"},
      {"", ChecksumKind::kExclusiveOr, "00"},
      {"\x0A", ChecksumKind::kExclusiveOr, "0A"},
      {"\xCA\xFD", ChecksumKind::kExclusiveOr, "37"},  // one GBK character, byte by byte
      {"", ChecksumKind::kSum, "0"},
      {"\x0F", ChecksumKind::kSum, "F"},
      {"aaC", ChecksumKind::kSum, "05"},
      {"\xCA\xFD", ChecksumKind::kSum, "C7"},
      {std::string(300, '\xFF'), ChecksumKind::kSum, "D4"},  // 300 * 0xFF = 0x12AD4
  };
  for (const Case& c : cases) EXPECT_EQ(terminal::ChecksumText(c.bytes, c.kind), c.text) << c.bytes;
}

TEST(ChecksumText, FrameAndAddressProbe) {
  EXPECT_EQ(terminal::FrameRequest("$01RP0", ChecksumKind::kExclusiveOr), "$01RP033\r");
  EXPECT_EQ(terminal::FrameRequest("", ChecksumKind::kSum), "0\r");
  EXPECT_TRUE(terminal::IsAddressRequest("$01AD31\r"));
  EXPECT_TRUE(terminal::IsAddressRequest("#xyADzz"));
  EXPECT_FALSE(terminal::IsAddressRequest("$AD00\r"));
  EXPECT_FALSE(terminal::IsAddressRequest("$01A"));
}

TEST(LineSettingsText, NoSelectionPassesThroughAsItIs) {
  EXPECT_EQ(terminal::LineSettingsText("9600", 2, 4, "1"), "9600,N,8,1");
  EXPECT_EQ(terminal::LineSettingsText("14400", 4, 0, "1.5"), "14400,S,4,1.5");
  EXPECT_EQ(terminal::LineSettingsText("", -1, -1, ""), ",,3,");
  EXPECT_EQ(terminal::ParityLetter(3), "M");
  EXPECT_EQ(terminal::ParityLetter(5), "");
}

TEST(TimeoutText, WholeNumbersOnly) {
  EXPECT_EQ(terminal::TimeoutFromText("250"), 250);
  EXPECT_EQ(terminal::TimeoutFromText(" 80 "), 80);
  EXPECT_EQ(terminal::TimeoutFromText("+5"), 5);
  EXPECT_EQ(terminal::TimeoutFromText("-3"), -3);
  for (const char* bad : {"", " ", "+", "+-3", "1.5", "12a", "abc", "1e3", "99999999999"})
    EXPECT_EQ(terminal::TimeoutFromText(bad), std::nullopt) << bad;
}

TEST_F(TerminalTest, ChineseTextIsFramedInTheCodePage) {
  Send("$数");
  ASSERT_EQ(bus_log.writes.size(), 1u);
  EXPECT_EQ(bus_log.writes[0].bytes,
            "$\xCA\xFD"
            "37\r");
  EXPECT_EQ(Text("Txt_sendall"), "$数37\r");
}

TEST_F(TerminalTest, NegativeTimeoutWaitsLikeZero) {
  Paste("Txt_delay", "-50");
  Send("$01RP0");
  EXPECT_EQ(bus_log.reads, 1);
  EXPECT_EQ(services.boxes.size(), 1u);
}

}  // namespace
}  // namespace terminal_test
