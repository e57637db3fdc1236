// Form1 at start-up, the two views of the working mode, and the guard on the time-out box.

#include <gmock/gmock.h>

#include "tests/terminal/terminal_fixture.h"

namespace terminal_test {
namespace {

using ::testing::ElementsAre;

TEST_F(TerminalTest, StartUpFillsTheBaudRatesAndSelectsTheDefaultLine) {
  std::vector<std::string> rates;
  for (const ui::ListItem& item : form["Cbo_bound"].items()) rates.push_back(item.text);
  EXPECT_THAT(rates,
              ElementsAre("115200", "57600", "38400", "19200", "9600", "4800", "2400", "1200", "600", "300"));
  const std::pair<const char*, const char*> shown[] = {
      {"Cbo_com", "Com1"},     {"Cbo_bound", "9600"}, {"Cbo_shake", "无"},  {"Cbo_databit", "8"},
      {"Cbo_paritybit", "无"}, {"Cbo_stopbit", "1"},  {"Txt_delay", "250"}, {"Txt_send", "$"}};
  for (const auto& [name, text] : shown) EXPECT_EQ(Text(name), text) << name;
  EXPECT_TRUE(form["Opt_spacial"].selected());
  EXPECT_FALSE(form["Cmd_receive"].enabled());
}

TEST_F(TerminalTest, SwitchingTheViewKeepsEveryTextAndTheChecksumChoice) {
  const std::pair<const char*, const char*> texts[] = {{"Txt_send", "$01RP0"},
                                                       {"Txt_receive", "r"},
                                                       {"Txt_sendall", "sa"},
                                                       {"Txt_receiveall", "ra"},
                                                       {"Txt_delay", "80"}};
  for (const auto& [name, text] : texts) Paste(name, text);
  Click("optcrc", 0);
  const char* test_only[] = {"Txt_sendall", "Txt_receiveall", "Txt_delay", "Label4", "Label5"};

  Click("Opt_normal");
  for (const char* name : test_only) EXPECT_FALSE(form.window().IsShown(form[name])) << name;
  EXPECT_TRUE(form.window().IsUsable(form["Cmd_receive"]));
  EXPECT_EQ(user.Click(ui::ControlId{"optcrc", 1}).status, ui::ActionStatus::kError);
  for (const char* name : {"Frame2", "frm_comtrans", "Txt_send", "Txt_receive", "Cmd_send"})
    EXPECT_TRUE(form.window().IsUsable(form[name])) << name;

  Click("Opt_spacial");
  for (const char* name : test_only) EXPECT_TRUE(form.window().IsUsable(form[name])) << name;
  EXPECT_FALSE(form["Cmd_receive"].enabled());
  EXPECT_TRUE(form.window().At("optcrc", 0).selected());
  for (const auto& [name, text] : texts) EXPECT_EQ(Text(name), text) << name;
}

TEST_F(TerminalTest, TimeoutBoxTakesDigitsAndControlKeysOnlyAndMayNotBeEmpty) {
  Paste("Txt_delay", "");
  Type("Txt_delay", "1a -.2x34");
  Type("Txt_delay", "5");  // a fifth digit does not fit
  EXPECT_EQ(Text("Txt_delay"), "1234");
  Key("Txt_delay", 8);
  EXPECT_EQ(Text("Txt_delay"), "123");
  for (const int code : {0, 3, 8, 13, 22, 29, 30, 31, int{' '}, int{'-'}, int{'A'}, 0x6570 /* 数 */}) {
    int key = code;
    form.Txt_delay_KeyPress(key);
    EXPECT_EQ(key, code < 30 ? code : 0) << "key " << code;
  }

  Paste("Txt_delay", "");
  EXPECT_EQ(user.Click(ui::ControlId{"Cmd_send", -1}).status, ui::ActionStatus::kRefused);
  EXPECT_EQ(form.window().focused(), &form["Txt_delay"]);
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "最大超时不能为空！");
  EXPECT_EQ(services.boxes[0].title, "错误");
  EXPECT_TRUE(bus_log.writes.empty());
  Type("Txt_delay", "0");
  Click("Txt_send");
  EXPECT_EQ(form.window().focused(), &form["Txt_send"]);
  EXPECT_EQ(services.boxes.size(), 1u);
}

}  // namespace
}  // namespace terminal_test
