// Dravon end to end: the built program in headless mode, through a real pseudo-terminal,
// against the simbus program.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/support/child_process.h"

namespace {

using testing_support::ControlField;
using testing_support::JsonStringField;
using testing_support::LineForControl;
using testing_support::RunProgram;
using testing_support::SimbusProcess;

using TempConfig = testing_support::TempConfigHome;

TEST(DravonHeadless, SearchesReadsAndMovesATransmitterThroughARealTty) {
  SimbusProcess bus(SIMBUS_BINARY, {"--transmitter", "07:4800:1.50"});
  ASSERT_FALSE(bus.tty().empty()) << "the simbus program did not start";
  TempConfig config;

  const std::string script =
      "choose cmbCommPort 0\n"
      "click cmdSEARCH\n"
      "show CMB_ADDR\n"
      "show TXT_VER\n"
      "show TXT_BAND\n"
      "show StatusBar1\n"
      "paste TXT_ADDR 23\n"
      "choose CMB_BAND 3\n"
      "click COM_ADDR\n"
      "show CMB_ADDR\n"
      "show TXT_BAND\n"
      "show txtType\n"
      "click cmdReFresh\n"
      "show TXT_ADDR\n"
      "close\n";
  const auto run = RunProgram(DRAVON_BINARY, {"--headless", "--port", "1=" + bus.tty()}, script,
                              std::chrono::minutes(3), {config.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  const std::vector<std::string>& out = run.stdout_lines;

  std::vector<std::string> first_half(out.begin(), out.begin() + std::min<std::size_t>(out.size(), 4));
  const std::string list = LineForControl(first_half, "CMB_ADDR");
  EXPECT_NE(list.find("[\"07\"]"), std::string::npos) << list;
  EXPECT_EQ(ControlField(first_half, "TXT_VER", "text"), "1.50");
  EXPECT_EQ(ControlField(first_half, "TXT_BAND", "text"), "4800");
  const std::string status = LineForControl(first_half, "StatusBar1");
  EXPECT_NE(status.find("变送器搜索完毕"), std::string::npos) << status;
  EXPECT_NE(status.find("在线变送器 1个"), std::string::npos) << status;

  std::vector<std::string> second_half(out.begin() + std::min<std::size_t>(out.size(), 4), out.end());
  EXPECT_NE(LineForControl(second_half, "CMB_ADDR").find("[\"23\"]"), std::string::npos);
  EXPECT_EQ(ControlField(second_half, "TXT_BAND", "text"), "9600") << "the baud change was confirmed";
  EXPECT_EQ(ControlField(second_half, "txtType", "text"), "86000000");
  EXPECT_EQ(ControlField(second_half, "TXT_ADDR", "text"), "23")
      << "the refresh reached it at its new address and rate";

  std::ifstream stored(config.dir() + "/Halvora/settings.ini");
  std::string ini((std::istreambuf_iterator<char>(stored)), {});
  EXPECT_NE(ini.find("CommPort=1"), std::string::npos) << ini;
}

// The trace file's lines; the run's own copy is removed.
std::vector<std::string> TraceLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::filesystem::remove(path);
  return lines;
}

TEST(DravonHeadless, TraceFileHoldsEveryProbeFrameAndReplyOfASearch) {
  TempConfig config;
  const std::string trace = config.dir() + "/t.jsonl";
  // The search is stopped after a few addresses; transmitter 01 answers the first probe.
  const auto run = RunProgram(DRAVON_BINARY, {"--headless", "--simulate", "--trace", trace},
                              "choose cmbCommPort 0\nafter 1000 click cmdSEARCH\nclick cmdSEARCH\nclose\n",
                              std::chrono::seconds(60), {config.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  const std::vector<std::string> lines = TraceLines(trace);
  ASSERT_FALSE(lines.empty());

  std::string tx, rx;  // of the exchange under way
  long long last_t = -1;
  int probes = 0;
  bool found_01 = false;
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    ASSERT_EQ(line.rfind("{\"t\": ", 0), 0u);
    ASSERT_EQ(line.back(), '}');
    const long long t = std::stoll(line.substr(6));
    EXPECT_GE(t, last_t);
    last_t = t;
    EXPECT_EQ(JsonStringField(line, "time").size(), 23u) << "2026-12-08T10:03:04.123";
    const std::string dir = JsonStringField(line, "dir");
    if (dir == "tx") tx = JsonStringField(line, "text"), rx.clear();
    if (dir == "rx") rx += JsonStringField(line, "text");
    if (line.find("\"exchange\"") == std::string::npos) continue;
    EXPECT_EQ(JsonStringField(line, "sent"), tx) << "the frame was written just before";
    EXPECT_EQ(JsonStringField(line, "received"), rx) << "every reply byte came in an rx line";
    if (JsonStringField(line, "command") != "AD") continue;
    ++probes;
    EXPECT_EQ(tx.substr(0, 5), "$" + JsonStringField(line, "address") + "AD");
    if (JsonStringField(line, "address") == "01")
      found_01 = JsonStringField(line, "result").rfind("*01", 0) == 0;
  }
  EXPECT_GE(probes, 3);
  EXPECT_TRUE(found_01) << "the reply of transmitter 01";
  EXPECT_NE(lines.back().find("\"event\": \"close\""), std::string::npos) << "the port closes at the end";
}

// simbus's adapter echoes every request back before the reply, through a real tty: with
// echo=auto and echo=on the search finds the transmitter and reads it, the echo shows in
// the trace as echo and never in an exchange's reply; read as a reply (echo=off) it
// hides every transmitter.
TEST(DravonHeadless, SearchesAndReadsThroughAnEchoingAdapter) {
  SimbusProcess bus(SIMBUS_BINARY, {"--transmitter", "01:9600:2.10", "--echo"});
  ASSERT_FALSE(bus.tty().empty()) << "the simbus program did not start";
  const std::pair<const char*, bool> cases[] = {{"echo=auto", true}, {"echo=on", true}, {"echo=off", false}};
  for (const auto& [option, found] : cases) {
    SCOPED_TRACE(option);
    TempConfig config;
    const std::string trace = config.dir() + "/t.jsonl";
    const auto run =
        RunProgram(DRAVON_BINARY, {"--headless", "--port", "1=" + bus.tty() + "," + option, "--trace", trace},
                   "choose cmbCommPort 0\nafter 1500 click cmdSEARCH\nclick cmdSEARCH\n"
                   "show CMB_ADDR\nshow TXT_VER\nclose\n",
                   std::chrono::seconds(60), {config.Env()});
    ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
    EXPECT_EQ(LineForControl(run.stdout_lines, "CMB_ADDR").find("[\"01\"]") != std::string::npos, found);
    EXPECT_EQ(ControlField(run.stdout_lines, "TXT_VER", "text") == "2.10", found) << "read where found";
    int echoes = 0;
    for (const std::string& line : TraceLines(trace)) {
      if (JsonStringField(line, "dir") == "echo") ++echoes;
      if (line.find("\"exchange\"") != std::string::npos && found) {
        EXPECT_NE(JsonStringField(line, "received").substr(0, 1), "$") << line;
      }
    }
    EXPECT_EQ(echoes > 0, found) << "the echo is traced as echo where it is taken out";
  }
}

TEST(DravonHeadless, UnusableOptionsExitWithStatus2) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--headless", "--port", "x"}, "--port"},
      {{"--headless", "--trace"}, "--trace"},
      {{"--headless", "--trace", "/nonexistent/dir/t.jsonl"}, "/nonexistent/dir/t.jsonl"},
      {{"--headless", "--trace", "/dev/full"}, "/dev/full"},  // opens, but takes nothing
      {{"--headless", "--simulate", "--log", "/dev/full"}, "/dev/full"},
      {{"--headless", "--port", "1=/dev/ttyUSB0,echo=maybe"}, "bad option \"echo=maybe\""},
      {{"--headless", "--port", "2=tcp://10.0.0.5:99999"}, "bad port number \"99999\""},
  };
  for (const auto& [args, named] : cases) {
    const auto run = RunProgram(DRAVON_BINARY, args, "", std::chrono::seconds(20));
    EXPECT_EQ(run.exit_status, 2) << named;
    EXPECT_NE(run.stderr_text.find(named), std::string::npos) << run.stderr_text;
  }
}

TEST(DravonHeadless, AMissingPortIsReportedInTheChoiceMessageBox) {
  TempConfig config;
  const auto run =
      RunProgram(DRAVON_BINARY, {"--headless", "--port", "2=/dev/ttyNoSuchAdapter"},
                 "choose cmbCommPort 1\nclick cmdSEARCH\n", std::chrono::seconds(20), {config.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  ASSERT_GE(run.stdout_lines.size(), 2u);
  EXPECT_NE(run.stdout_lines[0].find("/dev/ttyNoSuchAdapter"), std::string::npos) << run.stdout_lines[0];
  EXPECT_NE(run.stdout_lines[0].find("Halvora"), std::string::npos) << run.stdout_lines[0];
  EXPECT_NE(run.stdout_lines[1].find("端口未选择或未打开！"), std::string::npos) << run.stdout_lines[1];
}

}  // namespace
