// Storing the settings in the user or factory data area, and restoring the factory ones.
#include <gtest/gtest.h>

#include "tests/config/config_fixture.h"

namespace {

using Commands = std::vector<std::string>;

class DataAreasTest : public config_test::ConfigFixture {
 protected:
  // The one message box shown since the last call: its text, after checking its form.
  std::string TakeMessage(const std::string& title) {
    EXPECT_EQ(services.boxes.size(), 1u);
    if (services.boxes.empty()) return "";
    const ui::MessageBoxRequest box = services.boxes.front();
    services.boxes.clear();
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.buttons, ui::MessageBoxButtons::kOk);
    return box.text;
  }
};

TEST_F(DataAreasTest, EachButtonReportsWhetherTheSelectedTransmitterConfirmed) {
  simbus::Transmitter& t = StartWithSelected("07");
  user.Type({"txtPass", -1}, "telbusk");
  const std::tuple<const char*, const char*, std::string> buttons[] = {
      {"CMD_USER", "07WU", "写入用户数据区"},
      {"CMD_FACT", "07WF", "写入工厂数据区"},
      {"CMD_LD", "07LD", "恢复工厂设定"},
  };
  for (const auto& [button, command, title] : buttons) {
    SCOPED_TRACE(button);
    for (const simbus::Faults& faults : {simbus::Faults{}, {.silent = true}, {.bad_checksum = true}}) {
      t.faults() = faults;
      user.Click({button, -1});
      EXPECT_EQ(TakeCommands(), Commands{command}) << "one transaction, nothing read back";
      EXPECT_EQ(TakeMessage(title), title + (faults.silent || faults.bad_checksum ? "出错" : "完成!"));
    }
  }
}

TEST_F(DataAreasTest, WithSameSettingsTickedEveryTransmitterTakesTheWindowsSettingsFirst) {
  AddTransmitter("07", 9600);
  simbus::Transmitter& t03 = AddTransmitter("03", 9600);
  t03.present().type = "86100000";
  t03.present().unit = 3;
  t03.present().range_high = 16;
  t03.present().trim_high = -150;
  Start(1);
  Found({{"07", 3}, {"03", 3}});
  user.Choose({"CMB_ADDR", -1}, 0);
  user.Type({"txtPass", -1}, "telbusk");
  user.Click({"chkSame", -1});
  TakeCommands();

  user.Click({"CMD_FACT", -1});
  EXPECT_EQ(TakeCommands(), (Commands{"AATY86000000", "AAUT0", "AADP1", "AADL+000.0", "AADH+100.0",
                                      "AAOL+000.0", "AAOH+100.0", "AAZF+0000", "AAFF+0000", "AAWF", "07WF"}));
  EXPECT_EQ(TakeMessage("写入工厂数据区"), "写入工厂数据区完成!");
  EXPECT_EQ(t03.present().type, "86000000");
  EXPECT_EQ(t03.present().unit, 0);
  EXPECT_EQ(t03.present().range_high, 100.0);
  EXPECT_EQ(t03.present().trim_high, 0);
  EXPECT_EQ(t03.factory_area(), t03.present()) << "and stored them";
}

TEST_F(DataAreasTest, TheRestoreBringsBackTheFactorySettingsWhileTheBoxesKeepTheOldOnesUntilRead) {
  simbus::Transmitter& t = StartWithSelected("07");
  user.Paste({"TXT_DPH", -1}, "250");
  user.Click({"cmdSCALE_Write", -1});
  user.Scroll({"VScroll1", -1}, 40);
  ASSERT_EQ(t.present().range_high, 250.0);
  TakeCommands();

  user.Click({"CMD_LD", -1});
  EXPECT_EQ(TakeCommands(), Commands{"07LD"});
  EXPECT_EQ(t.present(), t.factory_area());
  EXPECT_EQ(t.present().range_high, 100.0);
  EXPECT_EQ(t.present().trim_low, 0);
  EXPECT_EQ(Text("TXT_DPH"), "+250.0") << "not read back";
  EXPECT_EQ(Text("TXT_DAZF"), "+0040");
  user.Click({"cmdSCALE_Read", -1});
  EXPECT_EQ(Text("TXT_DPH"), "+100.0");
}

}  // namespace
