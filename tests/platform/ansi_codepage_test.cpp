#include "platform/text/ansi_codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiCodePage, AsciiTravelsUnchanged) {
  EXPECT_EQ(platform::Utf8ToAnsi("RP0 rp0\r"), "RP0 rp0\r");
  EXPECT_EQ(platform::AnsiToUtf8("*01OK\r"), "*01OK\r");
}

TEST(AnsiCodePage, ChineseIsTwoBytesEachWay) {
  const std::string ansi = platform::Utf8ToAnsi("RP中");
  ASSERT_EQ(ansi.size(), 4u);
  EXPECT_EQ(static_cast<unsigned char>(ansi[2]), 0xD6);  // 中 is D6D0 in GBK
  EXPECT_EQ(static_cast<unsigned char>(ansi[3]), 0xD0);
  EXPECT_EQ(platform::AnsiToUtf8(ansi), "RP中");
}

TEST(AnsiCodePage, WhatCannotBeConvertedIsReplacedNotDropped) {
  EXPECT_EQ(platform::Utf8ToAnsi("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji has no GBK form
  EXPECT_EQ(platform::Utf8ToAnsi("a\xC3"), "a?");                 // truncated UTF-8
  EXPECT_EQ(platform::AnsiToUtf8("a\xFF"), "a\xEF\xBF\xBD");       // not GBK
  EXPECT_EQ(platform::AnsiToUtf8("\x81"), "\xEF\xBF\xBD");         // a lone lead byte
}

}  // namespace
