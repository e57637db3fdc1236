// Form1 as the user first sees it, the two views of the working mode, and the guard on
// the time-out box.

#include <gmock/gmock.h>

#include "tests/terminal/terminal_fixture.h"

namespace terminal_test {
namespace {

using ::testing::ElementsAre;
using ui::ControlKind;

struct Row {
  const char* name;
  int index;
  ControlKind kind;
  const char* parent;
  const char* text;
};

TEST_F(TerminalTest, ControlTableHoldsEveryCaptionAndDefault) {
  EXPECT_EQ(form.window().name(), "Form1");
  EXPECT_EQ(form.window().caption(), "串行数据传输测试 2.0");
  const Row rows[] = {
      {"frm_comconfig", -1, ControlKind::kFrame, "", "端口设定"},
      {"Frm_model", -1, ControlKind::kFrame, "", "工作模式"},
      {"Opt_normal", -1, ControlKind::kOption, "Frm_model", "通用模式"},
      {"Opt_spacial", -1, ControlKind::kOption, "Frm_model", "试验模式"},
      {"Frame1", -1, ControlKind::kFrame, "", "校验方式"},
      {"optcrc", 1, ControlKind::kOption, "Frame1", "异或校验"},
      {"optcrc", 0, ControlKind::kOption, "Frame1", "加和校验"},
      {"Frame2", -1, ControlKind::kFrame, "", "超时设定"},
      {"Txt_delay", -1, ControlKind::kTextBox, "Frame2", "250"},
      {"frm_comtrans", -1, ControlKind::kFrame, "", "数据收发"},
      {"Label2", -1, ControlKind::kLabel, "frm_comtrans", "发送字符串：\n接收字符串："},
      {"Label4", -1, ControlKind::kLabel, "frm_comtrans", "发送缓冲：\n接收缓冲："},
      {"Txt_send", -1, ControlKind::kTextBox, "frm_comtrans", "$"},
      {"Txt_receive", -1, ControlKind::kTextBox, "frm_comtrans", ""},
      {"Txt_sendall", -1, ControlKind::kTextBox, "frm_comtrans", ""},
      {"Txt_receiveall", -1, ControlKind::kTextBox, "frm_comtrans", ""},
      {"Cmd_send", -1, ControlKind::kButton, "frm_comtrans", "发送"},
      {"Cmd_receive", -1, ControlKind::kButton, "frm_comtrans", "接收"},
  };
  for (const Row& row : rows) {
    const ui::Control& c = form.window().At(row.name, row.index);
    EXPECT_EQ(c.kind(), row.kind) << row.name;
    EXPECT_EQ(c.parent(), row.parent) << row.name;
    EXPECT_EQ(c.text(), row.text) << row.name;
  }
  // Row labels carry both captions of their row; Label5 the words around the time-out.
  const std::pair<const char*, std::vector<std::string>> labels[] = {{"Label3", {"端口号", "数据位"}},
                                                                     {"Label1", {"波特率", "校验位"}},
                                                                     {"Label6", {"握手协议", "停止位"}},
                                                                     {"Label5", {"最大超时", "毫秒"}}};
  for (const auto& [name, words] : labels) {
    EXPECT_THAT(Text(name), ::testing::StartsWith(words[0]));
    EXPECT_THAT(Text(name), ::testing::EndsWith(words[1]));
  }
  EXPECT_EQ(form["Txt_delay"].max_length(), 4);
  EXPECT_TRUE(form["Opt_spacial"].selected());
  EXPECT_FALSE(form["Opt_normal"].selected());
  EXPECT_TRUE(form.window().At("optcrc", 1).selected());
  EXPECT_FALSE(form["Cmd_receive"].enabled());
  EXPECT_TRUE(form["Cmd_send"].enabled());
}

TEST_F(TerminalTest, StartUpFillsTheBaudRatesAndSelectsTheDefaultLine) {
  std::vector<std::string> rates;
  for (const ui::ListItem& item : form["Cbo_bound"].items()) rates.push_back(item.text);
  EXPECT_THAT(rates,
              ElementsAre("115200", "57600", "38400", "19200", "9600", "4800", "2400", "1200", "600", "300"));
  const std::pair<const char*, const char*> shown[] = {{"Cbo_com", "Com1"},     {"Cbo_bound", "9600"},
                                                       {"Cbo_shake", "无"},     {"Cbo_databit", "8"},
                                                       {"Cbo_paritybit", "无"}, {"Cbo_stopbit", "1"}};
  for (const auto& [name, text] : shown) {
    EXPECT_EQ(Text(name), text) << name;
    EXPECT_TRUE(form[name].editable()) << name;
  }
  EXPECT_EQ(form["Cbo_paritybit"].item_count(), 5);
  EXPECT_EQ(form["Cbo_shake"].item_text(2), "RTS/CTS");
  EXPECT_EQ(form["Cbo_stopbit"].item_text(1), "1.5");
  EXPECT_EQ(form["Cbo_databit"].item_text(0), "4");
}

TEST_F(TerminalTest, NormalViewHidesTheTestControlsAndKeepsEveryText) {
  Paste("Txt_send", "$01RP0");
  Paste("Txt_receive", "r");
  Paste("Txt_sendall", "sa");
  Paste("Txt_receiveall", "ra");
  Paste("Txt_delay", "80");
  Click("optcrc", 0);

  Click("Opt_normal");
  for (const char* name : {"Txt_sendall", "Txt_receiveall", "Txt_delay", "Label4", "Label5"})
    EXPECT_FALSE(form.window().IsShown(form[name])) << name;
  EXPECT_TRUE(form.window().IsUsable(form["Cmd_receive"]));
  EXPECT_FALSE(form.window().IsUsable(form.window().At("optcrc", 1)));
  EXPECT_EQ(user.Click(ui::ControlId{"optcrc", 1}).status, ui::ActionStatus::kError);
  for (const char* name : {"Frame2", "frm_comtrans", "Txt_send", "Txt_receive", "Cmd_send"})
    EXPECT_TRUE(form.window().IsUsable(form[name])) << name;

  Click("Opt_spacial");
  for (const char* name : {"Txt_sendall", "Txt_receiveall", "Txt_delay", "Label4", "Label5"})
    EXPECT_TRUE(form.window().IsUsable(form[name])) << name;
  EXPECT_TRUE(form.window().IsUsable(form.window().At("optcrc", 1)));
  EXPECT_FALSE(form["Cmd_receive"].enabled());
  EXPECT_TRUE(form.window().At("optcrc", 0).selected());
  EXPECT_EQ(Text("Txt_send"), "$01RP0");
  EXPECT_EQ(Text("Txt_receive"), "r");
  EXPECT_EQ(Text("Txt_sendall"), "sa");
  EXPECT_EQ(Text("Txt_receiveall"), "ra");
  EXPECT_EQ(Text("Txt_delay"), "80");
}

TEST_F(TerminalTest, TimeoutBoxTakesDigitsAndControlKeysOnly) {
  Paste("Txt_delay", "");
  Type("Txt_delay", "1a -.2x34");
  EXPECT_EQ(Text("Txt_delay"), "1234");
  Type("Txt_delay", "5");  // a fifth digit does not fit
  EXPECT_EQ(Text("Txt_delay"), "1234");
  Expect(user.Key(ui::ControlId{"Txt_delay", -1}, 8));
  EXPECT_EQ(Text("Txt_delay"), "123");

  for (const int code : {0, 3, 8, 13, 22, 29}) {
    int key = code;
    form.Txt_delay_KeyPress(key);
    EXPECT_EQ(key, code) << "control key " << code << " passes";
  }
  for (const int code : {30, 31, int{' '}, int{'-'}, int{'.'}, int{'A'}, 0x6570 /* 数 */}) {
    int key = code;
    form.Txt_delay_KeyPress(key);
    EXPECT_EQ(key, 0) << "key " << code << " is discarded";
  }
}

TEST_F(TerminalTest, EmptyTimeoutKeepsTheFocusWithAMessage) {
  Paste("Txt_delay", "");
  EXPECT_EQ(user.Click(ui::ControlId{"Cmd_send", -1}).status, ui::ActionStatus::kRefused);
  EXPECT_EQ(form.window().focused(), &form["Txt_delay"]);
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "最大超时不能为空！");
  EXPECT_EQ(services.boxes[0].title, "错误");
  EXPECT_EQ(services.boxes[0].buttons, ui::MessageBoxButtons::kOk);
  EXPECT_EQ(services.boxes[0].icon, ui::MessageBoxIcon::kNone);
  EXPECT_TRUE(bus_log.writes.empty());

  Type("Txt_delay", "0");
  Click("Txt_send");
  EXPECT_EQ(form.window().focused(), &form["Txt_send"]);
  EXPECT_EQ(services.boxes.size(), 1u);
}

}  // namespace
}  // namespace terminal_test
