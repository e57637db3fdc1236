#include <gtest/gtest.h>

#include "tests/support/dravon_fixture.h"

namespace {

using shell::OnlineEntry;

class BusSearchTest : public testing_support::DravonFixture {
 protected:
  std::vector<std::string> Found() {
    std::vector<std::string> items;
    for (const auto& item : (*this)["CMB_ADDR"].items()) items.push_back(item.text);
    return items;
  }
  std::string Panel(int n) { return (*this)["StatusBar1"].panel_text(n); }
};

TEST_F(BusSearchTest, AnEmptyBusTakesEveryTimeOutAndEndsWithTheNoResultTexts) {
  Start(1);
  user.Click({"cmdSEARCH", -1});
  EXPECT_EQ(now_ms(), 99u * (100 + 150 + 250 + 450));
  EXPECT_TRUE(Found().empty());
  EXPECT_EQ(main.OnlineTable, std::vector<OnlineEntry>(1)) << "the single empty entry stays";
  EXPECT_EQ(Panel(1), "变送器搜索完毕");
  EXPECT_EQ(Panel(2), "在线变送器0个");
  EXPECT_EQ(Panel(3), "串口:COM1");
  EXPECT_EQ(Panel(4), "波特率:");
  EXPECT_EQ(port.settings(), "1200,n,8,1");
  EXPECT_EQ((*this)["CMB_ADDR"].list_index(), -1);
  EXPECT_EQ((*this)["cmdSEARCH"].caption(), "搜索变送器");

  // Address 00 is never probed, 99 is the last at each rate, 9600 comes first.
  const std::vector<std::string> commands = TakeCommands();
  ASSERT_EQ(commands.size(), 396u);
  EXPECT_EQ(commands.front(), "01AD");
  EXPECT_EQ(commands[98], "99AD");
  EXPECT_EQ(services.do_events, 396) << "window events run once before every address";
}

// Behind a raw stream the line runs at the server's speed only: no other is probed.
TEST_F(BusSearchTest, AFixedSpeedServerIsSearchedAtItsSpeedOnly) {
  AddTransmitter("05", 4800);
  AddTransmitter("07", 9600);
  AddTransmitter("12", 1200);
  Start(1);
  const std::pair<int, std::string> cases[] = {{9600, "07"}, {4800, "05"}, {1200, "12"}};
  for (const auto& [speed, address] : cases) {
    SCOPED_TRACE(speed);
    port.set_port_open(false);
    server_baud = speed;
    ASSERT_FALSE(port.set_port_open(true));
    TakeCommands();
    user.Click({"cmdSEARCH", -1});
    EXPECT_EQ(Found(), std::vector<std::string>{address});
    EXPECT_EQ(main.OnlineTable.front().Addr, address);
    const std::vector<std::string> commands = TakeCommands();
    ASSERT_GE(commands.size(), 99u);
    EXPECT_EQ(commands[0], "01AD");
    EXPECT_EQ(commands[98], "99AD");
    if (commands.size() > 99) {
      EXPECT_NE(commands[99], "01AD") << "no second speed is probed";
    }
    EXPECT_EQ(Panel(4), "波特率:" + std::to_string(speed));
  }
}

TEST_F(BusSearchTest, FoundTransmittersAreListedByBaudThenAddressAndTheFirstIsRead) {
  AddTransmitter("05", 4800);
  AddTransmitter("07", 9600);
  AddTransmitter("03", 9600);
  AddTransmitter("12", 1200);
  AddTransmitter("05", 1200);  // same address, another rate
  Start(1);
  std::vector<std::string> progress;
  services.on_do_events = [&] { progress.push_back(Panel(2)); };
  user.Click({"cmdSEARCH", -1});

  EXPECT_EQ(Found(), (std::vector<std::string>{"03", "07", "05", "05", "12"}));
  EXPECT_EQ(main.OnlineTable,
            (std::vector<OnlineEntry>{{"03", 3}, {"07", 3}, {"05", 2}, {"05", 0}, {"12", 0}}));
  ASSERT_GT(progress.size(), 2u);
  EXPECT_EQ(progress[1], "在线变送器 0个") << "during the scan the count keeps its blank";
  EXPECT_EQ(Panel(1), "变送器搜索完毕");
  EXPECT_EQ(Panel(2), "在线变送器 5个");
  EXPECT_EQ(Panel(4), "波特率:1200");
  EXPECT_EQ((*this)["CMB_ADDR"].list_index(), 0);
  EXPECT_EQ(port.settings(), "9600,n,8,1") << "the first transmitter's rate";
  EXPECT_EQ((*this)["TXT_ADDR"].text(), "03");
}

TEST_F(BusSearchTest, ASecondPressStopsTheSearchAndKeepsWhatWasFound) {
  AddTransmitter("02", 2400);
  AddTransmitter("04", 2400);
  AddTransmitter("06", 2400);
  Start(1);
  services.on_do_events = [&] {
    if ((*this)["CMB_ADDR"].item_count() == 2 && (*this)["cmdSEARCH"].caption() == "停止")
      user.Click({"cmdSEARCH", -1});
  };
  user.Click({"cmdSEARCH", -1});
  EXPECT_EQ(Found(), (std::vector<std::string>{"02", "04"}));
  EXPECT_EQ(main.OnlineTable.size(), 2u) << "the spare entry is gone";
  EXPECT_EQ(Panel(4), "波特率:2400");
  EXPECT_EQ((*this)["CMB_ADDR"].list_index(), 0);
  EXPECT_EQ((*this)["TXT_ADDR"].text(), "02") << "entry 0 was read";
}

TEST_F(BusSearchTest, AClosedPortIsWarnedAboutAndChangesNothingButThePolling) {
  AddTransmitter("03", 9600);
  Start(1);
  user.Click({"cmdSEARCH", -1});
  ASSERT_EQ(Found().size(), 1u);
  (*this)["Timer1"].set_enabled(true);
  (*this)["cmdON_OFF"].set_caption("停止");
  port.set_port_open(false);
  TakeCommands();

  user.Click({"cmdSEARCH", -1});
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "端口未选择或未打开！");
  EXPECT_EQ(services.boxes[0].title, "错误");
  EXPECT_EQ(services.boxes[0].icon, ui::MessageBoxIcon::kExclamation);
  EXPECT_EQ(Found().size(), 1u);
  EXPECT_FALSE((*this)["Timer1"].enabled());
  EXPECT_EQ((*this)["cmdON_OFF"].caption(), "采集");
  EXPECT_TRUE(TakeCommands().empty());
}

TEST_F(BusSearchTest, FaultyRepliesAreNoTransmitter) {
  AddTransmitter("03", 9600).faults() = {.bad_checksum = true};
  AddTransmitter("04", 9600).faults() = {.trailing = "x"};  // arrives after the CR ended the wait
  AddTransmitter("05", 9600).faults() = {.late_ms = 200};
  AddTransmitter("06", 9600).faults() = {.split_pieces = 3, .split_gap_ms = 10};
  Start(1);
  user.Click({"cmdSEARCH", -1});
  EXPECT_EQ(Found(), (std::vector<std::string>{"04", "06"}));
}

// A close asked for during a search: the title bar's is refused and the search goes on,
// saying why; 退出 closes the port first, which ends the search with what it found and
// without reading on the closed port.
struct CloseDuringSearch {
  const char* how;
  bool port_open_after;
  int selected_after;
  const char* type_after;  // TXT_TYPE: read, or untouched
};
void PrintTo(const CloseDuringSearch& c, std::ostream* os) { *os << c.how; }

class CloseDuringSearchTest : public BusSearchTest,
                              public ::testing::WithParamInterface<CloseDuringSearch> {};

TEST_P(CloseDuringSearchTest, IsExplainedOrEndsTheSearchOnTheClosedPort) {
  const CloseDuringSearch& c = GetParam();
  AddTransmitter("03", 9600);
  Start(1);
  std::vector<std::string> progress;
  bool asked = false;
  services.on_do_events = [&] {
    progress.push_back(Panel(1));
    if (asked || Panel(1) != "正在搜索变送器：05") return;
    asked = true;
    if (c.port_open_after) {
      EXPECT_EQ(user.Close().status, ui::ActionStatus::kRefused);
    } else {
      user.Click({"COM_QUIT", -1});
    }
  };
  user.Click({"cmdSEARCH", -1});
  services.on_do_events = nullptr;

  EXPECT_FALSE(main.window().closed());
  EXPECT_EQ(port.port_open(), c.port_open_after);
  EXPECT_EQ(Found(), std::vector<std::string>{"03"}) << "what was found stays";
  EXPECT_EQ((*this)["CMB_ADDR"].list_index(), c.selected_after);
  EXPECT_EQ((*this)["TXT_TYPE"].text(), c.type_after);
  EXPECT_EQ(Panel(1), "变送器搜索完毕");
  const std::vector<std::string> commands = TakeCommands();
  if (c.port_open_after) {
    ASSERT_GT(progress.size(), 6u);
    EXPECT_EQ(progress[6], "正在搜索变送器：06（搜索时不能关闭窗口，请先停止搜索）")
        << "the next probe says why";
    EXPECT_EQ(commands.back(), "03RT0") << "the whole scan, then the first transmitter read";
  } else {
    EXPECT_EQ(commands.size(), 5u) << "nothing after the port closed: no probe, no read";
  }
}

INSTANTIATE_TEST_SUITE_P(HowItIsAsked, CloseDuringSearchTest,
                         ::testing::Values(CloseDuringSearch{"title bar", true, 0, "86000000"},
                                           CloseDuringSearch{"quit", false, -1, "TYPE"}));

}  // namespace
