// `--log FILE` end to end: the built program in headless mode on its built-in simulated
// bus writes one CSV row per poll, appends on the next run, and refuses a file it cannot
// write before it starts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/csv_records.h"

namespace {

using testing_support::RunProgram;
using Fields = std::vector<std::string>;

std::vector<Fields> Records(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return testing_support::CsvRecords(s.str());
}

TEST(ReadingLogHeadless, TwoRunsOfPollingAppendTheirReadingsUnderOneHeader) {
  testing_support::TempConfigHome config;
  const std::filesystem::path log = std::filesystem::path(config.dir()) / "p.csv";
  // The search stops once transmitter 01 (the first address at the first rate) is in the
  // list, and the first entry is read; then two seconds of polling.
  const std::string script =
      "choose cmbCommPort 0\n"
      "after 1500 click cmdSEARCH\n"
      "click cmdSEARCH\n"
      "click cmdON_OFF\n"
      "wait 2000\n"
      "click cmdON_OFF\n"
      "close\n";
  for (int run = 0; run < 2; ++run) {
    const auto result = RunProgram(DRAVON_BINARY, {"--headless", "--simulate", "--log", log.string()}, script,
                                   std::chrono::seconds(60), {config.Env()});
    ASSERT_EQ(result.exit_status, 0) << result.stderr_text;
  }
  const std::vector<Fields> records = Records(log);
  ASSERT_GE(records.size(), 1u + 2 * 5);
  EXPECT_EQ(records[0], (Fields{"time", "address", "quantity", "text", "value", "unit", "failed"}));
  int headers = 0;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const Fields& r = records[i];
    SCOPED_TRACE(i);
    ASSERT_EQ(r.size(), 7u);
    headers += r[0] == "time";
    EXPECT_EQ(r[0].size(), 23u) << "2026-12-08T10:03:04.123: " << r[0];
    EXPECT_EQ(r[1], "01");
    EXPECT_EQ(r[6], "0") << "the simulated transmitter answers every poll";
    EXPECT_EQ(std::stod(r[4]), std::stod(r[3])) << "the value of the text shown";
    EXPECT_EQ(r[5], r[2] == "pressure" ? "kPa" : "℃");
    if (i > 1) {
      EXPECT_GT(r[0], records[i - 1][0]) << "in the order polled";
    }
  }
  EXPECT_EQ(headers, 0) << "the second run appends without a header";
}

TEST(ReadingLogHeadless, ALogFileThatCannotBeWrittenStopsTheProgramBeforeItStarts) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--headless", "--log", "/nonexistent-dir/p.csv"},
        std::vector<std::string>{"--headless", "--log"}}) {
    const auto result = RunProgram(DRAVON_BINARY, args, "", std::chrono::seconds(20));
    EXPECT_EQ(result.exit_status, 2);
    EXPECT_NE(result.stderr_text.find("log"), std::string::npos) << result.stderr_text;
  }
}

}  // namespace
