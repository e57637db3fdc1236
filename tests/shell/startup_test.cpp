#include "shell/startup.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/headless/headless_driver.h"
#include "tests/support/dravon_fixture.h"

namespace {

using testing_support::DravonFixture;

using StartupTest = DravonFixture;

TEST_F(StartupTest, TheWindowOpensWithEveryControlInItsInitialState) {
  Start(0);
  EXPECT_EQ(main.window().caption(), "智能变送器参数设置1.35                 2008.4");
  EXPECT_EQ((*this)["cmdSEARCH"].caption(), "搜索变送器");
  EXPECT_EQ((*this)["txtType"].text(), "86000000");
  EXPECT_EQ((*this)["cmbUnit"].item_text(1), "Mpa");
  EXPECT_EQ(main.UnitNames[1], "MPa");
  EXPECT_EQ(main.UnitNames[12], "User");
  EXPECT_FALSE((*this)["CMD_FACT"].visible());
  EXPECT_FALSE((*this)["CMD_FACT"].enabled());
  EXPECT_FALSE((*this)["chkSame"].visible());
  EXPECT_FALSE((*this)["Timer1"].enabled());
  EXPECT_EQ((*this)["Timer1"].interval(), 300);
  EXPECT_EQ((*this)["txtMIN"].text(), "+999.9");
  EXPECT_EQ((*this)["lblMAX"].caption(), "最大值;");
  EXPECT_EQ((*this)["StatusBar1"].panel_text(1), "按“搜索变送器”键，开始搜索在线变送器！");
  EXPECT_TRUE(main.TempTurn);
  EXPECT_EQ(main.app_title, "Halvora");
}

TEST_F(StartupTest, NothingStoredLeavesThePortClosedWithoutAMessage) {
  Start(0);
  EXPECT_EQ((*this)["cmbCommPort"].list_index(), -1);
  EXPECT_FALSE(port.port_open());
  EXPECT_TRUE(services.boxes.empty());
}

TEST_F(StartupTest, TheRememberedPortIsSelectedAndOpened) {
  store.Set("Halvora", "Transmitter", "CommPort", "3.0");  // written as a number by hand
  main.window().Load();
  EXPECT_EQ((*this)["cmbCommPort"].text(), "com3");
  EXPECT_TRUE(port.port_open());
  EXPECT_EQ(port.comm_port(), 3);
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "3");
}

TEST_F(StartupTest, AStoredValueThatNamesNoItemIsIgnoredAndKept) {
  for (const char* stored : {"9", "x", "0", "", "-2", "3x"}) {
    SCOPED_TRACE(stored);
    EXPECT_EQ(shell::StoredPortIndex(stored, 6), std::nullopt);
  }
  for (const char* stored : {"3", " 3 ", "3.0", "+3"})
    EXPECT_EQ(shell::StoredPortIndex(stored, 6), 2) << stored;
  store.Set("Halvora", "Transmitter", "CommPort", "9");
  main.window().Load();
  EXPECT_EQ((*this)["cmbCommPort"].list_index(), -1);
  EXPECT_FALSE(port.port_open());
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_EQ(store.Get("Halvora", "Transmitter", "CommPort"), "9") << "a wrong stored value is not corrected";
}

TEST_F(StartupTest, ABackgroundClickEmptiesAndFocusesTheAccessCodeBox) {
  Start(0);
  user.Type({"txtPass", -1}, "abc");
  user.Focus({"txtType", -1});
  EXPECT_EQ(user.BackgroundClick().status, ui::ActionStatus::kDone);
  EXPECT_EQ((*this)["txtPass"].text(), "");
  EXPECT_EQ(main.window().focused(), &(*this)["txtPass"]);
}

TEST_F(StartupTest, QuitClosesThePortAndTheWindow) {
  Start(1);
  user.Click({"COM_QUIT", -1});
  EXPECT_FALSE(port.port_open());
  EXPECT_TRUE(main.window().closed());
}

TEST_F(StartupTest, TheMenuExitDoesWhatQuitDoes) {
  Start(1);
  user.Click({"Exit", -1});
  EXPECT_FALSE(port.port_open());
  EXPECT_TRUE(main.window().closed());
}

TEST_F(StartupTest, AScriptSeesEveryRefusedCloseWhoeverAskedForIt) {
  store.Set("Halvora", "Transmitter", "CommPort", "1");
  std::istringstream script("after 250 click COM_QUIT\nafter 250 click Exit\nclick cmdSEARCH\n");
  std::ostringstream out;
  ui::headless::HeadlessDriver(main.window(), clock, script, out, ui::TimeOfDay{}).Run();
  EXPECT_EQ(out.str(), "{\"close\": \"refused\"}\n{\"close\": \"refused\"}\n")
      << "both buttons during the search; the end of input then closes the window";
  EXPECT_TRUE(main.window().closed());
}

TEST_F(StartupTest, ClosingDuringASearchIsRefusedAndTheSearchEndsSafely) {
  AddTransmitter("03", 9600);
  Start(1);
  int close_attempts = 0;
  services.on_do_events = [&] {
    if ((*this)["StatusBar1"].panel_text(1) == "正在搜索变送器：05" && close_attempts++ == 0) {
      EXPECT_EQ(user.Close().status, ui::ActionStatus::kRefused);
      user.Click({"COM_QUIT", -1});  // closes the port, then the close is refused too
    }
  };
  user.Click({"cmdSEARCH", -1});
  EXPECT_FALSE(main.window().closed());
  EXPECT_FALSE(port.port_open());
  EXPECT_EQ((*this)["cmdSEARCH"].caption(), "搜索变送器");
  EXPECT_EQ((*this)["StatusBar1"].panel_text(1), "变送器搜索完毕");
  ASSERT_EQ((*this)["CMB_ADDR"].item_count(), 1) << "what was found before the close stays";
  EXPECT_LT(now_ms(), 10'000u) << "the search stopped instead of probing the closed port";
  EXPECT_EQ(user.Close().status, ui::ActionStatus::kDone) << "after the search the window closes";
}

}  // namespace
