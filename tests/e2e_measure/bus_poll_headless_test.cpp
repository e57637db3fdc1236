// The bus poll end to end: the built program in headless mode on its built-in simulated
// bus (three transmitters at 9600, 4800 and 1200 baud) searches, polls the whole bus from
// the menu and writes every transmitter's readings to the log, in bus order.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/child_process.h"
#include "tests/support/csv_records.h"

namespace {

using testing_support::RunProgram;

TEST(BusPollHeadless, ClickingThePollAllItemLogsEveryTransmitterInBusOrderUntilClickedAgain) {
  testing_support::TempConfigHome config;
  const std::string log = config.dir() + "/bus.csv";
  const std::string trace = config.dir() + "/bus.jsonl";
  const std::string script =
      "choose cmbCommPort 0\n"
      "click cmdSEARCH\n"
      "click mnuPollAll\n"
      "show mnuPollAll\n"
      "wait 3000\n"
      "click mnuPollAll\n"
      "show tmrPollAll\n";
  const auto result = RunProgram(DRAVON_BINARY, {"--headless", "--simulate", "--log", log, "--trace", trace},
                                 script, std::chrono::seconds(240), {config.Env()});
  ASSERT_EQ(result.exit_status, 0) << result.stderr_text;
  std::string out;
  for (const std::string& line : result.stdout_lines) out += line + '\n';
  EXPECT_NE(out.find("\"caption\": \"停止巡检(&B)\""), std::string::npos) << out;
  const std::size_t timer = out.find("\"control\": \"tmrPollAll\"");
  ASSERT_NE(timer, std::string::npos) << out;
  const std::string timer_line = out.substr(timer, out.find('\n', timer) - timer);
  EXPECT_NE(timer_line.find("\"enabled\": false"), std::string::npos)
      << "the second click stops it: " << timer_line;

  std::stringstream text;
  text << std::ifstream(log, std::ios::binary).rdbuf();
  const std::vector<testing_support::CsvFields> records = testing_support::CsvRecords(text.str());
  // The bus as the search found it: address and the pressure unit as the panel names it.
  const std::pair<std::string, std::string> bus[] = {{"01", "kPa"}, {"05", "Bar"}, {"12", "psi"}};
  ASSERT_GE(records.size(), 1u + 6) << "at least one whole cycle in three seconds";
  for (std::size_t i = 1; i < records.size(); ++i) {
    const testing_support::CsvFields& r = records[i];
    SCOPED_TRACE(i);
    ASSERT_EQ(r.size(), 7u);
    const auto& [address, unit] = bus[((i - 1) / 2) % 3];
    EXPECT_EQ(r[1], address) << "in bus order";
    EXPECT_EQ(r[2], (i - 1) % 2 == 0 ? "pressure" : "temperature");
    EXPECT_EQ(r[5], (i - 1) % 2 == 0 ? unit : "℃");
    EXPECT_EQ(r[6], "0") << "the simulated transmitters answer every poll";
    EXPECT_TRUE(i == 1 || r[0] >= records[i - 1][0]) << "in the order polled";
  }

  // Every exchange of the poll is in the trace, with its address.
  std::ifstream lines(trace, std::ios::binary);
  int polls[3] = {0, 0, 0};
  for (std::string line; std::getline(lines, line);) {
    for (int k = 0; k < 3; ++k) {
      if (line.find("\"address\": \"" + bus[k].first + "\", \"command\": \"RT0\"") != std::string::npos)
        ++polls[k];
    }
  }
  for (int k = 0; k < 3; ++k) EXPECT_GE(polls[k], 1) << bus[k].first;
}

}  // namespace
