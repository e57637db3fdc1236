// The 4-20 mA output: its two pressures, its two trims and the trim bars.
#include <gtest/gtest.h>

#include "tests/config/config_fixture.h"

namespace {

using Commands = std::vector<std::string>;

class AnalogOutputTest : public config_test::ConfigFixture {
 protected:
  // Moves a trim bar as the user does and returns the one command it sent.
  std::string Step(const char* bar, int value) {
    EXPECT_EQ(user.Scroll({bar, -1}, value).status, ui::ActionStatus::kDone) << bar << " " << value;
    const Commands sent = TakeCommands();
    EXPECT_EQ(sent.size(), 1u) << bar << " " << value;
    return sent.empty() ? "" : sent.front();
  }
};

TEST_F(AnalogOutputTest, ReadingFillsTheTwoPressuresAndTheTwoTrimsWithoutMovingTheBars) {
  simbus::Transmitter& t = StartWithSelected("01");
  t.present().output_low = -2.5;
  t.present().output_high = 40;
  t.present().trim_low = 120;
  t.present().trim_high = -150;

  user.Click({"cmdDA_Read", -1});

  EXPECT_EQ(TakeCommands(), (Commands{"01OL", "01OH", "01ZF", "01FF"}));
  EXPECT_EQ(Text("TXT_DAL"), "-002.5");
  EXPECT_EQ(Text("TXT_DAH"), "+040.0");
  EXPECT_EQ(Text("TXT_DAZF"), "+0120");
  EXPECT_EQ(Text("TXT_DAFF"), "-0150");
  EXPECT_EQ((*this)["VScroll1"].value(), 0);
  EXPECT_EQ((*this)["VScroll2"].value(), 0);
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(AnalogOutputTest, RightAfterStartUpTheInitialTextsAndTheFirstStepsGoOut) {
  Start(1);
  user.Click({"cmdDA_Write", -1});
  EXPECT_EQ(TakeCommands(), (Commands{"OLDAL", "OHDAH", "ZFDAZF", "FFDAFF"})) << "to the empty address";
  for (const char* box : {"TXT_DAL", "TXT_DAH", "TXT_DAZF", "TXT_DAFF"}) EXPECT_EQ(Text(box), " 0") << box;
  EXPECT_EQ(Step("VScroll1", 1), "ZF+0001");
  EXPECT_EQ(Step("VScroll2", -1), "FF-0001");
}

TEST_F(AnalogOutputTest, WritingSendsEachBoxAsItStandsAfterTheTypedValueWasRewritten) {
  simbus::Transmitter& t = StartWithSelected("01", "1.50");
  ASSERT_EQ((*this)["Cmb_DP"].text(), "000.0");
  user.Paste({"TXT_DAH", -1}, "20");

  user.Click({"cmdDA_Write", -1});

  EXPECT_EQ(TakeCommands(), (Commands{"01OL+000.0", "01OH+020.0", "01ZF+0000", "01FF+0000"}));
  EXPECT_EQ(t.present().output_high, 20.0);
  EXPECT_EQ(Text("TXT_DAH"), "+020.0");
}

TEST_F(AnalogOutputTest, EachBarStepSendsTheBarsOwnValueWhateverTheBoxShows) {
  simbus::Transmitter& t = StartWithSelected("01");
  t.present().trim_low = 120;
  t.present().trim_high = -150;
  user.Click({"cmdDA_Read", -1});
  ASSERT_EQ(Text("TXT_DAZF"), "+0120");
  TakeCommands();

  EXPECT_EQ(Step("VScroll1", -1), "01ZF-0001") << "the bar starts at 0, not at the trim read";
  EXPECT_EQ(Text("TXT_DAZF"), "-0001");
  EXPECT_EQ(t.present().trim_low, -1);
  EXPECT_EQ(Step("VScroll1", 25), "01ZF+0025");
  EXPECT_EQ(Step("VScroll1", -3), "01ZF-0003");
  EXPECT_EQ(Step("VScroll1", 5000), "01ZF+5000");
  EXPECT_EQ(Step("VScroll1", -5000), "01ZF-5000");
  EXPECT_EQ(t.present().trim_low, -5000);
  EXPECT_EQ(Step("VScroll1", 0), "01ZF+0000");

  EXPECT_EQ(Step("VScroll2", 1), "01FF+0001");
  EXPECT_EQ(Text("TXT_DAFF"), "+0001");
  EXPECT_EQ(Step("VScroll2", 5000), "01FF+5000");
  EXPECT_EQ(Step("VScroll2", -5000), "01FF-5000");
  EXPECT_EQ(Step("VScroll2", 0), "01FF+0000");
  EXPECT_EQ(t.present().trim_high, 0);
  EXPECT_EQ(Text("TXT_DAFF"), "+0000");

  EXPECT_EQ(Step("VScroll1", 12), "01ZF+0012");
  t.present().trim_low = 300;  // trimmed by another tool meanwhile
  user.Click({"cmdDA_Read", -1});
  EXPECT_EQ(Text("TXT_DAZF"), "+0300");
  EXPECT_EQ((*this)["VScroll1"].value(), 12) << "a reading never moves the bar";
  TakeCommands();

  t.faults() = {.bad_checksum = true};
  EXPECT_EQ(Step("VScroll2", 7), "01FF+0007");
  EXPECT_EQ(Text("TXT_DAFF"), " 3") << "the box shows the answer, here a damaged one, not the text sent";
  EXPECT_EQ(t.present().trim_high, 7);
}

}  // namespace
