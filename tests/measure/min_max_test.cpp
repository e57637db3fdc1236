// The lowest and highest pressure while polling: compared as numbers, kept as text.
#include <gtest/gtest.h>

#include "tests/measure/measure_fixture.h"

namespace {

class MinMaxTest : public measure_test::MeasureFixture {
 protected:
  void SetUp() override {
    t = &SelectSteadyTransmitter();
    ClickOnOff();
  }
  // One pressure poll answered with `value`.
  void Reading(std::string value) {
    t->set_pressure_text(std::move(value));
    PollPressure();
  }
  simbus::Transmitter* t = nullptr;
};

TEST_F(MinMaxTest, TheStartUpTextsGiveWayToTheFirstMaximumAndThenTheFirstMinimum) {
  ASSERT_EQ(Text("txtMIN"), "+999.9");
  ASSERT_EQ(Text("txtMAX"), "-999.9");
  Reading("+0040.0");
  EXPECT_EQ(Text("txtMAX"), "+0040.0");
  EXPECT_EQ(Text("txtMIN"), "+999.9") << "a new maximum is not compared with the minimum";
  Reading("+0030.0");
  EXPECT_EQ(Text("txtMIN"), "+0030.0") << "not a new maximum, below +999.9";
  EXPECT_EQ(Text("txtMAX"), "+0040.0");
  Reading("+0050.0");
  Reading("-0002.5");
  EXPECT_EQ(Text("txtMAX"), "+0050.0");
  EXPECT_EQ(Text("txtMIN"), "-0002.5");
  Reading("+0012.3");
  EXPECT_EQ(Text("txtMAX"), "+0050.0") << "a reading in between changes neither";
  EXPECT_EQ(Text("txtMIN"), "-0002.5");
}

TEST_F(MinMaxTest, ReadingsCompareAsNumbersButAreStoredAsTheyCame) {
  Reading("+0012.50");
  EXPECT_EQ(Text("txtMAX"), "+0012.50");
  Reading("+012.500");
  EXPECT_EQ(Text("txtMAX"), "+0012.50") << "equal to the maximum: nothing changes";
  Reading("+0009.99");
  Reading("+09.9900");
  EXPECT_EQ(Text("txtMIN"), "+0009.99") << "equal to the minimum: nothing changes";
  Reading("+0100.0kPa");
  EXPECT_EQ(Text("txtMAX"), "+0100.0kPa") << "the leading number counts, the text is kept whole";
}

TEST_F(MinMaxTest, AnOverflowMarkIsShownButIsNeitherMinimumNorMaximum) {
  Reading("+0040.0");
  Reading("+0030.0");
  for (simbus::Overflow mark : {simbus::Overflow::kPositive, simbus::Overflow::kNegative}) {
    t->faults() = {.overflow = mark};
    PollPressure();
    EXPECT_EQ(Text("TXT_PRESSURE"), mark == simbus::Overflow::kPositive ? "+@OVER" : "-@OVER");
  }
  EXPECT_EQ(Text("txtMAX"), "+0040.0");
  EXPECT_EQ(Text("txtMIN"), "+0030.0") << "read as 0 it would have become the minimum";
  EXPECT_EQ((*this)["Label19"].caption(), "0") << "the transmitter did answer";
}

}  // namespace
