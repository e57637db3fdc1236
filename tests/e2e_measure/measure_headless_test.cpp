// Live measurement and the command console end to end: the built program in headless
// mode, through a real pseudo-terminal, against the simbus program. One search per
// binary (it walks 396 probes in real time), so every check runs in one script.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace {

using testing_support::ControlField;
using testing_support::LineForControl;
using testing_support::RunProgram;
using testing_support::SimbusProcess;

using TempConfig = testing_support::TempConfigHome;

// `count` output lines from `begin`: what a group of `show` lines printed.
std::vector<std::string> Section(const std::vector<std::string>& out, std::size_t begin, std::size_t count) {
  if (begin >= out.size()) return {};
  return {out.begin() + static_cast<std::ptrdiff_t>(begin),
          out.begin() + static_cast<std::ptrdiff_t>(std::min(out.size(), begin + count))};
}

double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

TEST(MeasureHeadless, PollsForTwoSecondsAndSendsConsoleCommandsThroughARealTty) {
  SimbusProcess bus(SIMBUS_BINARY, {"--transmitter", "01:9600:1.50"});
  ASSERT_FALSE(bus.tty().empty()) << "the simbus program did not start";
  TempConfig config;

  const std::string script =
      "choose cmbCommPort 0\n"
      "click cmdSEARCH\n"
      "show TXT_PRESSURE\n"  // 0..2: the full read seeds minimum and maximum
      "show txtMIN\n"
      "show txtMAX\n"
      "click cmdON_OFF\n"
      "wait 2000\n"
      "click cmdON_OFF\n"
      "show Label19\n"  // 3..10: after two seconds of polling
      "show Label20\n"
      "show txtMIN\n"
      "show txtMAX\n"
      "show TXT_PRESSURE\n"
      "show TXT_TEMPERATURE\n"
      "show StatusBar1\n"
      "show cmdON_OFF\n"
      "paste txtInsSend rp0\n"
      "click Cmd_INS\n"
      "show txtReturn\n"  // 11
      "paste txtInsSend RP0\n"
      "click Cmd_INS\n"
      "show txtReturn\n"  // 12
      "close\n";
  const auto run = RunProgram(DRAVON_BINARY, {"--headless", "--port", "1=" + bus.tty()}, script,
                              std::chrono::minutes(3), {config.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  const std::vector<std::string>& out = run.stdout_lines;
  ASSERT_EQ(out.size(), 13u) << "one line per show, no errors or message boxes";

  const std::vector<std::string> read = Section(out, 0, 3);
  const std::string seeded = ControlField(read, "TXT_PRESSURE", "text");
  EXPECT_EQ(seeded.size(), 7u) << seeded;
  EXPECT_EQ(ControlField(read, "txtMIN", "text"), seeded);
  EXPECT_EQ(ControlField(read, "txtMAX", "text"), seeded);

  const std::vector<std::string> polled = Section(out, 3, 8);
  EXPECT_EQ(ControlField(polled, "Label19", "caption"), "0") << "every pressure poll answered";
  EXPECT_EQ(ControlField(polled, "Label20", "caption"), "0");
  const std::string min = ControlField(polled, "txtMIN", "text");
  const std::string max = ControlField(polled, "txtMAX", "text");
  const std::string last = ControlField(polled, "TXT_PRESSURE", "text");
  EXPECT_EQ(last.size(), 7u) << "a reading, not a failed result: " << last;
  EXPECT_LE(Number(min), Number(seeded)) << min;
  EXPECT_GE(Number(max), Number(seeded)) << max;
  EXPECT_LE(Number(min), Number(last));
  EXPECT_GE(Number(max), Number(last)) << "the last reading lies within minimum and maximum";
  EXPECT_NEAR(Number(ControlField(polled, "TXT_TEMPERATURE", "text")), 23.5, 1.5);
  const std::string status = LineForControl(polled, "StatusBar1");
  EXPECT_TRUE(status.find("\"0:00:01\"") != std::string::npos ||
              status.find("\"0:00:02\"") != std::string::npos)
      << "panel 4 shows the polling time: " << status;
  EXPECT_EQ(ControlField(polled, "cmdON_OFF", "caption"), "采集");

  EXPECT_EQ(ControlField(Section(out, 11, 1), "txtReturn", "text"), "ERR 0\r")
      << "rp0 went out in lower case";
  const std::string reply = ControlField(Section(out, 12, 1), "txtReturn", "text");
  EXPECT_TRUE(reply.starts_with("*01+") && reply.ends_with("\r")) << reply;
}

}  // namespace
