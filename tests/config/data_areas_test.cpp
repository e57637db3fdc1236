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
    EXPECT_EQ(box.icon, ui::MessageBoxIcon::kNone);
    return box.text;
  }
  void EnterFactoryCode() { user.Type({"txtPass", -1}, "telbusk"); }
};

struct AreaButton {
  const char* button;
  const char* command;
  const char* title;
  const char* done;
  const char* failed;
};

TEST_F(DataAreasTest, EachButtonReportsWhetherTheSelectedTransmitterConfirmed) {
  simbus::Transmitter& t = StartWithSelected("07");
  EnterFactoryCode();
  const AreaButton buttons[] = {
      {"CMD_USER", "07WU", "写入用户数据区", "写入用户数据区完成!", "写入用户数据区出错"},
      {"CMD_FACT", "07WF", "写入工厂数据区", "写入工厂数据区完成!", "写入工厂数据区出错"},
      {"CMD_LD", "07LD", "恢复工厂设定", "恢复工厂设定完成!", "恢复工厂设定出错"},
  };
  for (const AreaButton& b : buttons) {
    SCOPED_TRACE(b.button);
    t.faults() = {};
    user.Click({b.button, -1});
    EXPECT_EQ(TakeCommands(), Commands{b.command}) << "one transaction, nothing read back";
    EXPECT_EQ(TakeMessage(b.title), b.done);

    t.faults() = {.silent = true};
    user.Click({b.button, -1});
    EXPECT_EQ(TakeMessage(b.title), b.failed) << "no answer";

    t.faults() = {.bad_checksum = true};
    user.Click({b.button, -1});
    EXPECT_EQ(TakeMessage(b.title), b.failed) << "a damaged confirmation";
    TakeCommands();
  }
}

TEST_F(DataAreasTest, WithSameSettingsTickedEveryTransmitterTakesTheWindowsSettingsFirst) {
  simbus::Transmitter& t07 = AddTransmitter("07", 9600);
  simbus::Transmitter& t03 = AddTransmitter("03", 9600);
  t03.present().type = "86100000";
  t03.present().unit = 3;
  t03.present().dp = 2;
  t03.present().range_high = 16;
  t03.present().trim_high = -150;
  Start(1);
  Found({{"07", 3}, {"03", 3}});
  user.Choose({"CMB_ADDR", -1}, 0);
  EnterFactoryCode();
  user.Click({"chkSame", -1});
  ASSERT_EQ((*this)["chkSame"].value(), 1);
  TakeCommands();

  user.Click({"CMD_FACT", -1});

  EXPECT_EQ(TakeCommands(), (Commands{"AATY86000000", "AAUT0", "AADP1", "AADL+000.0", "AADH+100.0",
                                      "AAOL+000.0", "AAOH+100.0", "AAZF+0000", "AAFF+0000", "AAWF", "07WF"}));
  EXPECT_EQ(TakeMessage("写入工厂数据区"), "写入工厂数据区完成!") << "the selected transmitter's answer only";
  EXPECT_EQ(t03.present().type, "86000000");
  EXPECT_EQ(t03.present().unit, 0);
  EXPECT_EQ(t03.present().dp, 1);
  EXPECT_EQ(t03.present().range_high, 100.0);
  EXPECT_EQ(t03.present().trim_high, 0);
  EXPECT_EQ(t03.factory_area(), t03.present()) << "and stored them";
  EXPECT_EQ(t07.factory_area(), t07.present());

  user.Click({"CMD_USER", -1});
  const Commands commands = TakeCommands();
  ASSERT_EQ(commands.size(), 11u);
  EXPECT_EQ(commands[9], "AAWU");
  EXPECT_EQ(commands[10], "07WU");
  EXPECT_EQ(t03.user_area(), t03.present());
  EXPECT_EQ(TakeMessage("写入用户数据区"), "写入用户数据区完成!");
}

TEST_F(DataAreasTest, TheRestoreBringsBackTheFactorySettingsWhileTheBoxesKeepTheOldOnesUntilRead) {
  simbus::Transmitter& t = StartWithSelected("07");
  EnterFactoryCode();
  user.Click({"chkSame", -1});  // plays no part in the restore
  user.Paste({"TXT_DPH", -1}, "250");
  user.Click({"cmdSCALE_Write", -1});
  user.Scroll({"VScroll1", -1}, 40);
  ASSERT_EQ(t.present().range_high, 250.0);
  ASSERT_EQ(t.present().trim_low, 40);
  TakeCommands();

  user.Click({"CMD_LD", -1});

  EXPECT_EQ(TakeCommands(), Commands{"07LD"});
  EXPECT_EQ(TakeMessage("恢复工厂设定"), "恢复工厂设定完成!");
  EXPECT_EQ(t.present(), t.factory_area());
  EXPECT_EQ(t.present().range_high, 100.0);
  EXPECT_EQ(Text("TXT_DPH"), "+250.0") << "not read back";
  EXPECT_EQ(Text("TXT_DAZF"), "+0040");

  user.Click({"cmdSCALE_Read", -1});
  user.Click({"cmdDA_Read", -1});
  EXPECT_EQ(Text("TXT_DPH"), "+100.0");
  EXPECT_EQ(Text("TXT_DAZF"), "+0000");
}

TEST_F(DataAreasTest, WithoutASelectedTransmitterTheStoreGoesToTheEmptyAddressAndFails) {
  Start(1);
  user.Click({"CMD_USER", -1});
  EXPECT_EQ(TakeCommands(), Commands{"WU"});
  EXPECT_EQ(TakeMessage("写入用户数据区"), "写入用户数据区出错");
}

}  // namespace
