// Configuration end to end: the built program in headless mode, through a real
// pseudo-terminal, against the simbus program. One search per binary (it walks 396
// probes in real time), so every check runs in one script.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/child_process.h"

namespace {

using testing_support::JsonStringField;
using testing_support::RunProgram;
using testing_support::SimbusProcess;

using TempConfig = testing_support::TempConfigHome;

// A JSON line without the blanks between its tokens (the program writes `"text": "x"`),
// so that a key can be looked up as `"text":"`. Blanks inside strings stay.
std::string Compact(const std::string& line) {
  std::string compact;
  bool in_string = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (in_string && c == '\\' && i + 1 < line.size()) {
      compact += c;
      compact += line[++i];
      continue;
    }
    if (c == '"') in_string = !in_string;
    if (in_string || c != ' ') compact += c;
  }
  return compact;
}

// The output lines that mention `key` (a control's "show" line, or "msgbox"), in order.
std::vector<std::string> LinesWith(const std::vector<std::string>& out, const std::string& key) {
  std::vector<std::string> lines;
  for (const std::string& line : out)
    if (Compact(line).find(key) != std::string::npos) lines.push_back(Compact(line));
  return lines;
}

// The texts of every `show NAME` of a text box, in script order.
std::vector<std::string> Texts(const std::vector<std::string>& out, const std::string& name) {
  std::vector<std::string> texts;
  for (const std::string& line : LinesWith(out, "\"control\":\"" + name + "\""))
    texts.push_back(JsonStringField(line, "text"));
  return texts;
}

TEST(ConfigHeadless, WritesARangeStoresItAndRestoresTheFactorySettingsThroughARealTty) {
  SimbusProcess bus(SIMBUS_BINARY, {"--transmitter", "01:9600:1.50"});
  ASSERT_FALSE(bus.tty().empty()) << "the simbus program did not start";
  TempConfig config;

  const std::string script =
      "choose cmbCommPort 0\n"
      "click cmdSEARCH\n"
      "paste TXT_DPL -5\n"
      "paste TXT_DPH 250\n"  // leaving TXT_DPL rewrites it in the pattern "000.0"
      "click cmdSCALE_Write\n"
      "show TXT_DPL\n"
      "show TXT_DPH\n"
      "scroll VScroll1 5\n"
      "show TXT_DAZF\n"
      "click CMD_USER\n"
      "click CMD_LD\n"
      "show TXT_DPH\n"
      "click cmdSCALE_Read\n"
      "show TXT_DPL\n"
      "show TXT_DPH\n"
      "type txtPass TelBusk\n"
      "show CMD_FACT\n"
      "close\n";
  const auto run = RunProgram(DRAVON_BINARY, {"--headless", "--port", "1=" + bus.tty()}, script,
                              std::chrono::minutes(3), {config.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  const std::vector<std::string>& out = run.stdout_lines;
  std::string all_output;
  for (const std::string& line : out) all_output += line + "\n";
  SCOPED_TRACE(all_output);
  EXPECT_TRUE(LinesWith(out, "\"error\"").empty()) << "every script line ran";

  EXPECT_EQ(Texts(out, "TXT_DPL"), (std::vector<std::string>{"-005.0", "+000.0"}))
      << "the echo of the normalised value, then the factory value read after the restore";
  EXPECT_EQ(Texts(out, "TXT_DPH"), (std::vector<std::string>{"+250.0", "+250.0", "+100.0"}))
      << "the restore leaves the box alone until it is read";
  EXPECT_EQ(Texts(out, "TXT_DAZF"), std::vector<std::string>{"+0005"});

  const std::vector<std::string> boxes = LinesWith(out, "\"msgbox\"");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(JsonStringField(boxes[0], "title"), "写入用户数据区");
  EXPECT_EQ(JsonStringField(boxes[0], "text"), "写入用户数据区完成!");
  EXPECT_EQ(JsonStringField(boxes[0], "buttons"), "ok");
  EXPECT_EQ(JsonStringField(boxes[0], "icon"), "none");
  EXPECT_EQ(JsonStringField(boxes[1], "title"), "恢复工厂设定");
  EXPECT_EQ(JsonStringField(boxes[1], "text"), "恢复工厂设定完成!");

  const std::vector<std::string> fact = LinesWith(out, "\"control\":\"CMD_FACT\"");
  ASSERT_EQ(fact.size(), 1u);
  EXPECT_NE(fact[0].find("\"visible\":true"), std::string::npos) << fact[0];
  EXPECT_NE(fact[0].find("\"enabled\":true"), std::string::npos) << fact[0];
}

// A batch step as a production line scripts it: the built-in simulated bus, a search
// stopped once the first transmitter (01, version 2.00) answered, and the apply item.
TEST(ConfigHeadless, AppliesASettingsFileVerifiesStoresAndReportsOrSaysWhichFileIsMissing) {
  TempConfig config;
  const std::string profile = config.dir() + "/batch.ini";
  const std::string report = config.dir() + "/batch.csv";
  std::ofstream(profile) << "[Transmitter]\nUnit=4\nDecimalPoint=1\nRangeLow=0\nRangeHigh=100\n"
                            "Output4mA=0\nOutput20mA=80\nStore=user\n";
  const std::string script =
      "choose cmbCommPort 0\n"
      "after 300 click cmdSEARCH\n"
      "click cmdSEARCH\n"
      "click mnuApplyProfile\n"
      "show TXT_DAH\n";
  const auto run =
      RunProgram(DRAVON_BINARY, {"--headless", "--simulate", "--profile", profile, "--report", report},
                 script, std::chrono::minutes(1), {config.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  const std::vector<std::string> boxes = LinesWith(run.stdout_lines, "\"msgbox\"");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(JsonStringField(boxes[0], "title"), "应用参数文件");
  EXPECT_EQ(JsonStringField(boxes[0], "text"), "参数已写入，读回校验通过。\n已保存到用户数据区。");
  EXPECT_EQ(Texts(run.stdout_lines, "TXT_DAH"), std::vector<std::string>{"+080.0"});
  std::ifstream in(report);
  std::vector<std::string> rows;
  for (std::string row; std::getline(in, row);) rows.push_back(row);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].rfind("time,port,address,", 0), 0u);
  EXPECT_NE(rows[1].find(",1,01,86000000,08000001,2.00,4,1,+000.0,+100.0,+000.0,+080.0,user,passed,"),
            std::string::npos)
      << rows[1];

  const auto without = RunProgram(DRAVON_BINARY, {"--headless", "--simulate", "--profile", profile}, script,
                                  std::chrono::minutes(1), {config.Env()});
  const std::vector<std::string> missing = LinesWith(without.stdout_lines, "\"msgbox\"");
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(JsonStringField(missing[0], "text"), "没有指定文件：请在命令行用 --report FILE 给出。");
}

// The production station on the built-in simulated bus: three new transmitters, the second
// one's range echo stale. Each transmitter's exchanges run from one probe of 01 to the next.
TEST(ConfigHeadless, AStationRunNumbersABatchAndStoresNothingOnTheOneThatFailed) {
  TempConfig config;
  const std::string profile = config.dir() + "/station.ini";
  const std::string report = config.dir() + "/station.csv";
  const std::string trace = config.dir() + "/station.jsonl";
  std::ofstream(profile) << "[Transmitter]\nUnit=4\nDecimalPoint=1\nRangeLow=0\nRangeHigh=250\nOutput4mA=0\n"
                            "Output20mA=200\nStore=user\n[Station]\nFirstAddress=02\nLastAddress=09\n";
  const std::string script = "choose cmbCommPort 0\nanswer ok\nanswer ok\nanswer cancel\nclick mnuStation\n";
  const auto run =
      RunProgram(DRAVON_BINARY,
                 {"--headless", "--simulate-batch", "08100001", "--simulate-batch", "08100002:stale=DH",
                  "--simulate-batch", "08100003", "--profile", profile, "--report", report, "--trace", trace},
                 script, std::chrono::minutes(2), {config.Env()});
  ASSERT_EQ(run.exit_status, 0) << run.stderr_text;
  EXPECT_EQ(LinesWith(run.stdout_lines, "\"buttons\":\"okcancel\"").size(), 3u) << "one box a transmitter";

  std::ifstream in(report);
  std::vector<std::string> rows;
  for (std::string row; std::getline(in, row);) rows.push_back(row);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_NE(rows[1].find(",1,02,86000000,08100001,2.10,4,1,+000.0,+250.0,+000.0,+200.0,user,passed,"),
            std::string::npos)
      << rows[1];
  EXPECT_NE(rows[2].find(",1,01,86000000,08100002,2.10,4,1,+000.0,+250.0,+000.0,+200.0,none,failed,RangeHigh "
                         "250/+100.0"),
            std::string::npos)
      << rows[2];
  EXPECT_NE(rows[3].find(",1,03,86000000,08100003,"), std::string::npos) << rows[3];

  // Per stretch between probes: the serial numbers read and the stores sent.
  std::vector<std::pair<std::string, int>> stretches;
  std::ifstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("\"exchange\"") == std::string::npos) continue;
    const std::string address = JsonStringField(line, "address");
    const std::string command = JsonStringField(line, "command");
    if (address == "01" && command == "AD") stretches.emplace_back();
    if (stretches.empty()) continue;
    if (command == "ID" && JsonStringField(line, "result").find("0810000") != std::string::npos)
      stretches.back().first = JsonStringField(line, "result").substr(3, 8);
    if (command == "WU") ++stretches.back().second;
  }
  EXPECT_EQ(stretches,
            (std::vector<std::pair<std::string, int>>{{"08100001", 1}, {"08100002", 0}, {"08100003", 1}}));
}

}  // namespace
