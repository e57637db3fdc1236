// The number form of a typed range or output pressure, and when it applies.
#include "config/value_normalisation.h"

#include <gtest/gtest.h>

#include "tests/config/config_fixture.h"

namespace {

using config::NormalisedValueText;

struct Row {
  const char* pattern;
  const char* typed;
  const char* expected;
};

TEST(ValueNormalisation, ATypedNumberTakesTheSignAndThePatternOfTheDecimalPoint) {
  const Row rows[] = {
      {"000.0", "100", "+100.0"},  {"000.0", "5", "+005.0"},        {"000.0", "-5", "-005.0"},
      {"000.0", "0", "+000.0"},    {"000.0", "1234.56", "+1234.6"}, {"0000.", "100", "+0100."},
      {"00.00", "1.5", "+01.50"},  {".0000", "0.25", "+.2500"},     {".0000", "1.5", "+1.5000"},
      {"00.00", "12.3", "+12.30"}, {"00.00", "-0.5", "-00.50"},     {"000.0", " +100.0 ", "+100.0"},
      {"0.000", ".5", "+0.500"},   {"0000.", "12.", "+0012."},      {".0000", "-0.25", "-.2500"},
      {"000.0", "-0", "+000.0"},   {"0000.", "123456", "+123456."},
  };
  for (const Row& r : rows)
    EXPECT_EQ(NormalisedValueText("1.50", r.typed, r.pattern), r.expected) << r.pattern << " " << r.typed;
}

TEST(ValueNormalisation, RoundingGoesHalfAwayFromZeroAndMayCarryIntoTheIntegerPart) {
  EXPECT_EQ(NormalisedValueText("1.50", "2.5", "0000."), "+0003.");
  EXPECT_EQ(NormalisedValueText("1.50", "-2.5", "0000."), "-0003.");
  EXPECT_EQ(NormalisedValueText("1.50", "0.125", "00.00"), "+00.13")
      << "a half goes up, not to the even digit";
  EXPECT_EQ(NormalisedValueText("1.50", "-0.125", "00.00"), "-00.13");
  EXPECT_EQ(NormalisedValueText("1.50", "9.99996", ".0000"), "+10.0000");
  EXPECT_EQ(NormalisedValueText("1.50", "999.96", "000.0"), "+1000.0");
  EXPECT_EQ(NormalisedValueText("1.50", "-0.04", "000.0"), "-000.0") << "a negative value keeps its sign";
  EXPECT_EQ(NormalisedValueText("1.50", "123456789", "0000."), "+123456792.") << "single precision";
}

TEST(ValueNormalisation, OnlyTransmittersBelowVersionTwoGetTheirValuesRewritten) {
  for (const char* version : {"1.50", "1.99", "VER", "", " 0"})
    EXPECT_EQ(NormalisedValueText(version, "20", "000.0"), "+020.0") << version;
  for (const char* version : {"2.00", "2.10", "2", "3.1x", " 3"})
    EXPECT_EQ(NormalisedValueText(version, "20", "000.0"), std::nullopt) << version;
}

TEST(ValueNormalisation, ATextThatIsNoNumberOrAMissingPatternLeavesTheBoxAsItIs) {
  const std::string beyond_single_precision = "1" + std::string(60, '0');
  for (const char* typed : {"", " ", "TXT_DPL", "DAL", "12a", "1e3", "--5", "+-5", "1.2.3", "+", ".", "1 2"})
    EXPECT_EQ(NormalisedValueText("1.50", typed, "000.0"), std::nullopt) << typed;
  EXPECT_EQ(NormalisedValueText("1.50", beyond_single_precision, "000.0"), std::nullopt);
  for (const char* pattern : {"", "0000", "00.0.", "##0.0", "0.0000000"})
    EXPECT_EQ(NormalisedValueText("1.50", "20", pattern), std::nullopt) << pattern;
}

class ValueBoxTest : public config_test::ConfigFixture {};

TEST_F(ValueBoxTest, AnOlderTransmittersFourPressureBoxesAreRewrittenOnLeaving) {
  simbus::Transmitter& t = StartWithSelected("01", "1.50");
  user.Choose({"Cmb_DP", -1}, 2);
  for (const char* box : {"TXT_DPL", "TXT_DPH", "TXT_DAL", "TXT_DAH"}) {
    user.Paste({box, -1}, "12.3");
    ASSERT_EQ(user.Focus({"txtType", -1}).status, ui::ActionStatus::kDone) << "the focus always moves on";
    EXPECT_EQ(Text(box), "+12.30") << box;
    user.Paste({box, -1}, "-0.5");
    user.Focus({"txtType", -1});
    EXPECT_EQ(Text(box), "-00.50") << box;
  }
  EXPECT_TRUE(TakeCommands().empty()) << "leaving a box sends nothing";
  EXPECT_EQ(t.present().range_low, 0.0);
}

TEST_F(ValueBoxTest, ANewerTransmitterGetsTheValueAsTyped) {
  simbus::Transmitter& t = StartWithSelected("01", "2.10");
  user.Paste({"TXT_DPL", -1}, "12.3");
  user.Click({"cmdSCALE_Write", -1});
  const std::vector<std::string> commands = TakeCommands();
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(commands[2], "01DL12.3");
  EXPECT_EQ(t.present().range_low, 12.3);
  EXPECT_EQ(Text("TXT_DPL"), "+012.3") << "the box shows the transmitter's echo";
}

TEST_F(ValueBoxTest, AVersion200TransmitterKeepsItsRangeFixedButTheButtonsStillWork) {
  StartWithSelected("01", "2.00");
  EXPECT_FALSE((*this)["TXT_DPL"].enabled());
  EXPECT_FALSE((*this)["TXT_DPH"].enabled());
  EXPECT_FALSE((*this)["Cmb_DP"].enabled());
  EXPECT_EQ(user.Paste({"TXT_DPL", -1}, "5").status, ui::ActionStatus::kError);

  user.Click({"cmdSCALE_Write", -1});
  EXPECT_EQ(TakeCommands(), (std::vector<std::string>{"01UT0", "01DP1", "01DL+000.0", "01DH+100.0"}));
  user.Click({"cmdSCALE_Read", -1});
  EXPECT_EQ(TakeCommands().size(), 4u);
}

TEST_F(ValueBoxTest, BeforeAnyReadingTheInitialTextsAndTheEmptyPatternStayAsTheyAre) {
  Start(1);
  user.Focus({"TXT_DPL", -1});
  user.Focus({"TXT_DAL", -1});
  EXPECT_EQ(Text("TXT_DPL"), "TXT_DPL") << "not a number";
  user.Paste({"TXT_DAL", -1}, "20");
  user.Focus({"TXT_DAH", -1});
  EXPECT_EQ(Text("TXT_DAL"), "20") << "no decimal-point pattern chosen yet";
  user.Choose({"Cmb_DP", -1}, 1);
  user.Focus({"TXT_DAL", -1});
  user.Focus({"TXT_DAH", -1});
  EXPECT_EQ(Text("TXT_DAL"), "+020.0") << "the version text \"VER\" reads as 0";
  EXPECT_EQ(Text("TXT_DAH"), "DAH");
}

}  // namespace
