#include "platform/serial/line_settings.h"

#include <gtest/gtest.h>

namespace {

using platform::LineSettings;

TEST(LineSettings, ReadsBackWithALowerCaseParityLetter) {
  for (const char* text : {"9600,N,8,1", "9600,n,8,1", " 9600 , N , 8 , 1 "}) {
    const auto s = LineSettings::Parse(text);
    ASSERT_TRUE(s) << text;
    EXPECT_EQ(s->ToText(), "9600,n,8,1");
  }
  EXPECT_EQ(LineSettings::Parse("14400,E,7,2")->ToText(), "14400,e,7,2");
  EXPECT_EQ(LineSettings::Parse("1200,O,8,1.5")->ToText(), "1200,o,8,1.5");
}

TEST(LineSettings, RefusesTextsThatAreNotLineSettings) {
  for (const char* text : {"", "9600", "9600,N,8", "9600,N,8,1,1", "abc,N,8,1", "0,N,8,1", "-9600,N,8,1",
                           "9600,X,8,1", "9600,NN,8,1", "9600,N,9,1", "9600,N,8,3", "96 00,N,8,1"}) {
    EXPECT_FALSE(LineSettings::Parse(text)) << text;
  }
}

}  // namespace
