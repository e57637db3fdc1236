// Pemliq driven by a script as a production line drives it, on the demo bus and a
// VirtualClock: what the headless mode prints for each step.

#include <gmock/gmock.h>

#include <sstream>

#include "platform/ui/headless/headless_driver.h"
#include "simbus/demo_bus.h"
#include "simbus/sim_device.h"
#include "terminal/terminal_window.h"

namespace terminal_test {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;

class PemliqScript : public ::testing::Test {
 protected:
  std::vector<std::string> Run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    EXPECT_EQ(ui::headless::HeadlessDriver(form.window(), clock, in, out, ui::TimeOfDay{8, 0, 0}).Run(), 0);
    std::vector<std::string> lines;
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) lines.push_back(line);
    return lines;
  }

  platform::VirtualClock clock;
  std::unique_ptr<simbus::Bus> bus = simbus::MakeDemoBus(clock);
  platform::SerialPort port{[this](int n, platform::PortError&) -> std::unique_ptr<platform::SerialDevice> {
                              if (n != 1) return nullptr;
                              return std::make_unique<simbus::SimDevice>(*bus);
                            },
                            "MSComm1"};
  terminal::TerminalWindow form{port, clock};
};

std::string TextState(const std::string& name, const std::string& text, bool visible = true) {
  return R"({"control": ")" + name + R"(", "kind": "textbox", "visible": )" + (visible ? "true" : "false") +
         R"(, "enabled": true, "text": ")" + text + R"("})";
}

TEST_F(PemliqScript, TestModeSessionOnTheDemoBus) {
  const std::vector<std::string> lines =
      Run("type Txt_send 01RP0\n"
          "click Cmd_send\n"
          "show Txt_sendall\n"
          "show Txt_receive\n"
          "# transmitter 05 runs at 4800\n"
          "choose Cbo_bound 5\n"
          "paste Txt_send $05VR\n"
          "key Txt_send 13\n"
          "show Txt_receive\n"
          "answer cancel\n"
          "paste Txt_send $12VR\n"
          "click Cmd_send\n"
          "show Txt_receive\n");
  ASSERT_EQ(lines.size(), 5u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0], TextState("Txt_sendall", "$01RP033\\r"));
  EXPECT_THAT(lines[1], MatchesRegex(".*\"text\": \"\\+00[34][0-9]\\.[0-9]\"}"));
  EXPECT_EQ(lines[2], TextState("Txt_receive", "1.50"));
  EXPECT_EQ(lines[3],
            R"({"msgbox": {"title": "错误信息", "text": "通讯中断，请检查线路或变送器是否正常工作。)"
            R"(没有收到字符串或缺少结束符！\r$12VR07\r", "buttons": "retrycancel", "icon": "warning"}, )"
            R"("answer": "cancel"})");
  EXPECT_EQ(lines[4], TextState("Txt_receive", ""));
}

TEST_F(PemliqScript, NormalModeAndTheTimeoutGuard) {
  const std::vector<std::string> lines =
      Run("clear Txt_delay\n"
          "click Opt_normal\n"
          "type Txt_delay 12a3\n"
          "click Opt_normal\n"
          "show Txt_delay\n"
          "click optcrc(0)\n"
          "click Cmd_receive\n"
          "show Txt_receive\n");
  EXPECT_THAT(lines,
              ElementsAre(R"({"msgbox": {"title": "错误", "text": "最大超时不能为空！", "buttons": "ok", )"
                          R"("icon": "none"}, "answer": "ok"})",
                          TextState("Txt_delay", "123", false),
                          R"j({"error": "optcrc(0) is disabled (Frame1 around it is disabled)", "line": 6})j",
                          TextState("Txt_receive", "")));
}

}  // namespace
}  // namespace terminal_test
