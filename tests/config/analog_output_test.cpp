// The 4-20 mA output: its two pressures, its two trims and the trim bars.
#include <gtest/gtest.h>

#include "tests/config/config_fixture.h"

namespace {

using Commands = std::vector<std::string>;

class AnalogOutputTest : public config_test::ConfigFixture {
 protected:
  // Moves a trim bar as the user does and returns the one command it sent.
  std::string Step(const char* bar, int value) {
    EXPECT_EQ(user.Scroll({bar, -1}, value).status, ui::ActionStatus::kDone);
    const Commands sent = TakeCommands();
    EXPECT_EQ(sent.size(), 1u);
    return sent.empty() ? "" : sent.front();
  }
};

TEST_F(AnalogOutputTest, RightAfterStartUpTheInitialTextsAndTheFirstStepsGoOut) {
  Start(1);
  user.Click({"cmdDA_Write", -1});
  EXPECT_EQ(TakeCommands(), (Commands{"OLDAL", "OHDAH", "ZFDAZF", "FFDAFF"})) << "to the empty address";
  for (const char* box : {"TXT_DAL", "TXT_DAH", "TXT_DAZF", "TXT_DAFF"})
    EXPECT_EQ(Text(box), "ERR 0\r") << box;
  EXPECT_EQ(Step("VScroll1", 1), "ZF+0001");
  EXPECT_EQ(Step("VScroll2", -1), "FF-0001");
}

TEST_F(AnalogOutputTest, ReadingFillsTheBoxesAndWritingSendsThemAsTheyStand) {
  simbus::Transmitter& t = StartWithSelected("01");
  t.present().output_low = -2.5;
  t.present().output_high = 40;
  t.present().trim_low = 120;
  t.present().trim_high = -150;
  user.Click({"cmdDA_Read", -1});
  EXPECT_EQ(TakeCommands(), (Commands{"01OL", "01OH", "01ZF", "01FF"}));
  EXPECT_EQ(Text("TXT_DAL"), "-002.5");
  EXPECT_EQ(Text("TXT_DAZF"), "+0120");
  EXPECT_EQ(Text("TXT_DAFF"), "-0150");
  EXPECT_EQ((*this)["VScroll1"].value(), 0) << "a reading never moves the bar";

  user.Paste({"TXT_DAH", -1}, "20");  // rewritten in the decimal-point pattern
  user.Click({"cmdDA_Write", -1});
  EXPECT_EQ(TakeCommands(), (Commands{"01OL-002.5", "01OH+020.0", "01ZF+0120", "01FF-0150"}));
  EXPECT_EQ(t.present().output_high, 20.0);
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(AnalogOutputTest, EachBarStepSendsTheBarsOwnValueWhateverTheBoxShows) {
  simbus::Transmitter& t = StartWithSelected("01");
  t.present().trim_low = 120;
  user.Click({"cmdDA_Read", -1});
  TakeCommands();
  const std::tuple<const char*, int, const char*> steps[] = {
      {"VScroll1", -1, "01ZF-0001"},  // the bar starts at 0, not at the trim read
      {"VScroll1", 5000, "01ZF+5000"}, {"VScroll1", -5000, "01ZF-5000"}, {"VScroll1", 0, "01ZF+0000"},
      {"VScroll2", 1, "01FF+0001"},    {"VScroll2", 5000, "01FF+5000"},  {"VScroll2", -5000, "01FF-5000"},
      {"VScroll2", 0, "01FF+0000"},
  };
  for (const auto& [bar, value, command] : steps) {
    SCOPED_TRACE(command);
    EXPECT_EQ(Step(bar, value), command);
    const bool low = std::string(bar) == "VScroll1";
    EXPECT_EQ(low ? t.present().trim_low : t.present().trim_high, value);
    EXPECT_EQ(Text(low ? "TXT_DAZF" : "TXT_DAFF"), std::string(command).substr(4));
  }
  t.faults() = {.bad_checksum = true};
  EXPECT_EQ(Step("VScroll2", 7), "01FF+0007");
  EXPECT_EQ(Text("TXT_DAFF"), "EER 3\r") << "the box shows the answer, here a damaged one, not the text sent";
}

}  // namespace
