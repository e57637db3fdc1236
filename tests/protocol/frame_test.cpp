#include "protocol/frame.h"

#include <gtest/gtest.h>

#include "platform/text/ansi_codepage.h"
#include "protocol/checksum.h"

namespace {

using protocol::CheckReply;
using protocol::PARITY_XORB;

TEST(Checksum, KnownVectors) {
  EXPECT_EQ(PARITY_XORB("01RP0"), "33");
  EXPECT_EQ(PARITY_XORB("01OK"), "05");
  EXPECT_EQ(PARITY_XORB("0101"), "00") << "a zero XOR is written with two digits";
  EXPECT_EQ(PARITY_XORB("012.00"), "1D");
  EXPECT_EQ(PARITY_XORB("\x7f"), "7F");
  EXPECT_EQ(PARITY_XORB("\x0a"), "0A") << "padded, upper case";
}

TEST(Checksum, ADoubleByteCharacterCountsAsOneSixteenBitValue) {
  // 中 is D6 D0 in GBK: XOR with "01RP" (0x30^0x31^0x52^0x50 = 0x03) leaves the high byte.
  const std::string text = platform::Utf8ToAnsi("01RP中");
  EXPECT_EQ(PARITY_XORB(text), "D6D3");
  EXPECT_EQ(protocol::BuildRequestFrame("01", platform::Utf8ToAnsi("RP中")).size(), 1u + 2 + 4 + 4 + 1);
}

TEST(RequestFrame, FramesExactlyAsGiven) {
  EXPECT_EQ(protocol::BuildRequestFrame("01", "RP0"), "$01RP033\r");
  EXPECT_EQ(protocol::BuildRequestFrame("01", "rp0"), "$01rp0" + PARITY_XORB("01rp0") + "\r")
      << "nothing is upper-cased";
  EXPECT_EQ(protocol::BuildRequestFrame("AA", "UT3"), "$AAUT3" + PARITY_XORB("AAUT3") + "\r");
}

TEST(ReplyCheck, AcceptsExactlyOneValidFrame) {
  EXPECT_EQ(CheckReply("*01OK05\r"), "*01OK\r");
  EXPECT_EQ(CheckReply("*012.001D\r"), "*012.00\r");
  EXPECT_EQ(CheckReply(protocol::BuildReplyFrame("03+012.34")), "*03+012.34\r");
}

TEST(ReplyCheck, FiveCharactersOrFewerIsNoReply) {
  for (const char* r : {"", "*", "\r", "*0101", "*0\r", "*010\r"})
    EXPECT_EQ(CheckReply(r), protocol::kResultNoReply) << r;
  // A well-formed frame whose body is one character is still too short.
  EXPECT_EQ(CheckReply(protocol::BuildReplyFrame("0")), protocol::kResultNoReply);
}

TEST(ReplyCheck, AnythingButOneExactFrameIsABadFrame) {
  const char* bad[] = {
      "*012.001d\r",   // lower-case checksum digit
      "*01OK05\rX",    // a character after the CR
      "*01OK05\r\r",   // a second CR
      "x*01OK05\r",    // noise before the start
      "#01OK05\r",     // wrong start character
      "*01OK05",       // no CR: six or more characters but not a frame
      "*01OK06\r",     // wrong checksum
      "*01OK05\n",     // wrong terminator
  };
  for (const char* r : bad) EXPECT_EQ(CheckReply(r), protocol::kResultBadFrame) << r;
}

TEST(ReadingAResult, ValueCutAndExactMatch) {
  EXPECT_EQ(protocol::ValueCut("*01+012.3\r"), "+012.3");
  EXPECT_EQ(protocol::ValueCut(protocol::kResultNoReply), " 0");
  EXPECT_EQ(protocol::ValueCut(protocol::kResultBadFrame), " 3");
  EXPECT_EQ(protocol::ValueCut("*01\r"), "");
  EXPECT_EQ(protocol::ValueCut("ab"), "") << "shorter than any result: nothing to cut";
  EXPECT_TRUE(protocol::ExactMatch("*0505\r", "05", "05"));
  EXPECT_FALSE(protocol::ExactMatch("*0507\r", "05", "05"));
  EXPECT_FALSE(protocol::ExactMatch("*0505", "05", "05"));
  EXPECT_TRUE(protocol::ExactMatch("*03OK\r", "03", "OK"));
}

}  // namespace
