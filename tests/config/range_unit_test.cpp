// Unit, decimal point and range: the read and write buttons and the unit list.
#include <gtest/gtest.h>

#include "platform/ui/window_observer.h"
#include "tests/config/config_fixture.h"

namespace {

using Commands = std::vector<std::string>;

class RangeUnitTest : public config_test::ConfigFixture {};

TEST_F(RangeUnitTest, ReadingPutsEachReplyIntoItsControl) {
  simbus::Transmitter& t = StartWithSelected("01");
  t.present().dp = 2;
  t.present().range_low = -5;
  t.present().range_high = 16;
  user.Click({"cmdSCALE_Read", -1});
  EXPECT_EQ(TakeCommands(), (Commands{"01UT", "01DP", "01DL", "01DH"}));
  EXPECT_EQ(Text("cmbUnit"), "kPa");
  EXPECT_EQ(Text("Cmb_DP"), "00.00");
  EXPECT_EQ(Text("TXT_DPL"), "-05.00");
  EXPECT_EQ(Text("TXT_DPH"), "+16.00");
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(RangeUnitTest, AReadUnitThatDiffersFromTheListIsWrittenBackAndEverythingIsReadAgain) {
  StartWithSelected("01").present().unit = 5;  // answered as "*015": the value "5"
  user.Click({"cmdSCALE_Read", -1});
  const Commands commands = TakeCommands();
  ASSERT_EQ(commands.size(), 2u + 17u + 3u);
  EXPECT_EQ(commands[1], "01UT5") << "the unit handler runs before DP is read";
  EXPECT_EQ(commands[2], "01TY") << "then the full read";
  EXPECT_EQ(Commands(commands.end() - 3, commands.end()), (Commands{"01DP", "01DL", "01DH"}));
  EXPECT_EQ(Text("cmbUnit"), "mBar");
  EXPECT_EQ(Text("TXT_FUNIT"), "mBar");
}

TEST_F(RangeUnitTest, AnAbsentTransmitterLeavesTheListsAsTheyWereAndShowsTheFailure) {
  Start(1);
  Found({{"09", 3}});
  user.Choose({"cmbUnit", -1}, 3);
  user.Choose({"Cmb_DP", -1}, 1);
  TakeCommands();
  user.Click({"cmdSCALE_Read", -1});
  EXPECT_EQ(Text("cmbUnit"), "Bar");
  EXPECT_EQ(Text("Cmb_DP"), "000.0");
  EXPECT_EQ(Text("TXT_DPL"), "ERR 0\r");
  EXPECT_EQ(Text("TXT_DPH"), "ERR 0\r");
  EXPECT_EQ(TakeCommands(), (Commands{"09UT", "09DP", "09DL", "09DH"}))
      << "the time-out is no unit: nothing is written back";
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(RangeUnitTest, WritingSendsUnitPointAndRangeInOrderAndTheTransmitterKeepsThem) {
  simbus::Transmitter& t = StartWithSelected("01");
  user.Choose({"cmbUnit", -1}, 3);
  user.Choose({"Cmb_DP", -1}, 1);
  user.Paste({"TXT_DPL", -1}, "+000.0");
  user.Paste({"TXT_DPH", -1}, "+100.0");
  t.present().range_high = 50;  // the transmitter differs from what the window shows
  TakeCommands();
  user.Click({"cmdSCALE_Write", -1});
  EXPECT_EQ(TakeCommands(), (Commands{"01UT3", "01DP1", "01DL+000.0", "01DH+100.0"}));
  EXPECT_EQ(t.present().unit, 3);
  EXPECT_EQ(t.present().range_high, 100.0);
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(RangeUnitTest, WritingWithNoUnitSelectedSendsMinusOneAndTakesTheTransmittersUnit) {
  simbus::Transmitter& t = AddTransmitter("01", 9600);
  t.present().unit = 4;
  Start(1);
  Found({{"01", 3}});  // selected in the list, never read: cmbUnit and Cmb_DP show nothing
  user.Click({"cmdSCALE_Write", -1});
  const Commands commands = TakeCommands();
  ASSERT_EQ(commands.size(), 2u + 17u + 3u);
  EXPECT_EQ(commands[0], "01UT-1");
  EXPECT_EQ(commands[1], "01UT4") << "the echoed unit is selected, which runs the unit handler";
  EXPECT_EQ(commands[19], "01DP1") << "each argument is taken when it is sent: the read chose dp 1";
  EXPECT_EQ(t.present().unit, 4) << "the transmitter refuses -1";
  EXPECT_EQ(Text("cmbUnit"), "psi");
}

// A transmitter that loses every unit written to it and reports yet another one: each
// read selects a new unit, whose handler would read again, without end.
class UnitFlipper final : public ui::WindowObserver {
 public:
  UnitFlipper(simbus::Transmitter& t, ui::Control& unit_list) : t_(t), list_(unit_list) {}
  void OnControlChanged(const ui::Control& control, ui::Property property) override {
    // The 4 mA box is filled early in every read, before the unit is read.
    if (control.name() == "TXT_DAL" && property == ui::Property::kText)
      t_.present().unit = list_.list_index() == 7 ? 8 : 7;
  }

 private:
  simbus::Transmitter& t_;
  ui::Control& list_;
};

TEST_F(RangeUnitTest, ATransmitterThatKeepsChangingItsUnitGetsOneFurtherReadAndNoMore) {
  simbus::Transmitter& t = StartWithSelected("01");
  UnitFlipper flipper(t, (*this)["cmbUnit"]);
  main.window().AddObserver(flipper);
  user.Choose({"cmbUnit", -1}, 3);
  main.window().RemoveObserver(flipper);
  Commands unit_writes;
  const Commands commands = TakeCommands();
  for (const std::string& c : commands)
    if (c.size() > 4 && c.starts_with("01UT")) unit_writes.push_back(c);
  EXPECT_EQ(unit_writes, (Commands{"01UT3", "01UT7", "01UT8"}));
  EXPECT_EQ(commands.size(), 3u + 2u * 17u) << "the user's change and one further read";
  EXPECT_EQ(t.present().unit, 8);
}

}  // namespace
