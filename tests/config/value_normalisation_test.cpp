// The number form of a typed range or output pressure, and when it applies.
#include "config/value_normalisation.h"

#include <gtest/gtest.h>

#include "platform/text/numeric_value.h"
#include "tests/config/config_fixture.h"

namespace {

using config::NormalisedValueText;

TEST(ValueNormalisation, ATypedNumberTakesTheSignAndThePatternOfTheDecimalPoint) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"000.0", "100", "+100.0"},
      {"000.0", "5", "+005.0"},
      {"000.0", "-5", "-005.0"},
      {"000.0", "0", "+000.0"},
      {"000.0", "1234.56", "+1234.6"},
      {"0000.", "100", "+0100."},
      {"00.00", "1.5", "+01.50"},
      {".0000", "0.25", "+.2500"},
      {".0000", "1.5", "+1.5000"},
      {"000.0", "-0", "+000.0"},
      {"000.0", " +100.0 ", "+100.0"},
      {"0.000", ".5", "+0.500"},
      {"0000.", "2.5", "+0003."},
      {"00.00", "-0.125", "-00.13"},
      {".0000", "9.99996", "+10.0000"},
      {"000.0", "-0.04", "-000.0"},
      {"0000.", "123456789", "+123456789."},  // as typed, not its single-precision neighbour
  };
  for (const auto& [pattern, typed, expected] : rows)
    EXPECT_EQ(NormalisedValueText("1.50", typed, pattern), expected) << pattern << " " << typed;
}

// One rounding rule for a typed pressure and for the temperature shown: half away from zero
// on the number as written in decimal, whatever its nearest binary value.
TEST(DecimalRounding, PressuresAndTemperatureRoundTheNumberAsWritten) {
  const struct {
    const char *number, *pattern, *pressure, *temperature;
  } rows[] = {
      {"+23.45", "000.0", "+023.5", "23.5"},   {"+23.35", "000.0", "+023.4", "23.4"},
      {"+0.25", "000.0", "+000.3", "0.3"},     {"+2.25", "000.0", "+002.3", "2.3"},
      {"-5.25", "000.0", "-005.3", "-5.3"},    {"0.35", "000.0", "+000.4", "0.4"},
      {"-0.04", "000.0", "-000.0", "0.0"},     {"-0.05", "000.0", "-000.1", "-0.1"},
      {"9.95", "000.0", "+010.0", "10.0"},     {"1.005", "00.00", "+01.01", "1.0"},
      {"99.995", "00.00", "+100.00", "100.0"}, {"0.00005", ".0000", "+.0001", "0.0"},
      {"2.5", "0000.", "+0003.", "2.5"},       {"1234.56", "000.0", "+1234.6", "1234.6"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(NormalisedValueText("1.50", row.number, row.pattern), row.pressure) << row.number;
    EXPECT_EQ(platform::FormatOneDecimal(row.number), row.temperature) << row.number;
  }
}

TEST(ValueNormalisation, OnlyNumbersWithAPatternOnTransmittersBelowVersionTwoAreRewritten) {
  for (const char* version : {"1.50", "1.99", "VER", ""})
    EXPECT_EQ(NormalisedValueText(version, "20", "000.0"), "+020.0") << version;
  for (const char* version : {"2.00", "2.10", "2", " 3"})
    EXPECT_EQ(NormalisedValueText(version, "20", "000.0"), std::nullopt) << version;
  for (const char* typed : {"", " ", "TXT_DPL", "12a", "1e3", "+-5", "1.2.3", "+", ".", "1 2"})
    EXPECT_EQ(NormalisedValueText("1.50", typed, "000.0"), std::nullopt) << typed;
  EXPECT_EQ(NormalisedValueText("1.50", "1" + std::string(60, '0'), "000.0"), std::nullopt);
  for (const char* pattern : {"", "0000", "00.0.", "##0.0"})
    EXPECT_EQ(NormalisedValueText("1.50", "20", pattern), std::nullopt) << pattern;
}

class ValueBoxTest : public config_test::ConfigFixture {};

TEST_F(ValueBoxTest, AnOlderTransmittersFourPressureBoxesAreRewrittenOnLeaving) {
  simbus::Transmitter& t = StartWithSelected("01", "1.50");
  user.Choose({"Cmb_DP", -1}, 2);
  for (const char* box : {"TXT_DPL", "TXT_DPH", "TXT_DAL", "TXT_DAH"}) {
    user.Paste({box, -1}, "-0.5");
    ASSERT_EQ(user.Focus({"txtType", -1}).status, ui::ActionStatus::kDone) << "the focus always moves on";
    EXPECT_EQ(Text(box), "-00.50") << box;
  }
  EXPECT_TRUE(TakeCommands().empty()) << "leaving a box sends nothing";
  EXPECT_EQ(t.present().range_low, 0.0);
}

TEST_F(ValueBoxTest, ANewerTransmitterGetsTheValueAsTyped) {
  simbus::Transmitter& t = StartWithSelected("01", "2.10");
  user.Paste({"TXT_DPL", -1}, "12.3");
  user.Click({"cmdSCALE_Write", -1});
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"01UT0", "01DP1", "01DL12.3", "01DH+100.0"}));
  EXPECT_EQ(t.present().range_low, 12.3);
  EXPECT_EQ(Text("TXT_DPL"), "+012.3") << "the box shows the transmitter's echo";
}

TEST_F(ValueBoxTest, AVersion200TransmitterKeepsItsRangeFixedButTheButtonsStillWork) {
  StartWithSelected("01", "2.00");
  for (const char* name : {"TXT_DPL", "TXT_DPH", "Cmb_DP"}) EXPECT_FALSE((*this)[name].enabled()) << name;
  EXPECT_EQ(user.Paste({"TXT_DPL", -1}, "5").status, ui::ActionStatus::kError);
  user.Click({"cmdSCALE_Write", -1});
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"01UT0", "01DP1", "01DL+000.0", "01DH+100.0"}));
}

TEST_F(ValueBoxTest, BeforeAnyReadingTheInitialTextsAndTheEmptyPatternStayAsTheyAre) {
  Start(1);
  user.Paste({"TXT_DAL", -1}, "20");
  user.Focus({"TXT_DPL", -1});
  user.Focus({"TXT_DAH", -1});
  EXPECT_EQ(Text("TXT_DPL"), "TXT_DPL") << "not a number";
  EXPECT_EQ(Text("TXT_DAL"), "20") << "no decimal-point pattern chosen yet";
  user.Choose({"Cmb_DP", -1}, 1);
  user.Focus({"TXT_DAL", -1});
  user.Focus({"TXT_DAH", -1});
  EXPECT_EQ(Text("TXT_DAL"), "+020.0") << "the version text \"VER\" reads as 0";
}

}  // namespace
