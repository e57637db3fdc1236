// `--log FILE` end to end: the built program in headless mode on its built-in simulated
// bus writes one CSV row per poll, appends on the next run, and refuses a file it cannot
// write before it starts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/child_process.h"
#include "tests/support/csv_records.h"

namespace {

using testing_support::RunProgram;

TEST(ReadingLogHeadless, TwoRunsOfPollingAppendTheirReadingsUnderOneHeader) {
  testing_support::TempConfigHome config;
  const std::string log = config.dir() + "/p.csv";
  // The search stops once transmitter 01 (the first address at the first rate) is in the
  // list, and the first entry is read; then two seconds of polling.
  const std::string script =
      "choose cmbCommPort 0\n"
      "after 1500 click cmdSEARCH\n"
      "click cmdSEARCH\n"
      "click cmdON_OFF\n"
      "wait 2000\n";
  for (int run = 0; run < 2; ++run) {
    const auto result = RunProgram(DRAVON_BINARY, {"--headless", "--simulate", "--log", log}, script,
                                   std::chrono::seconds(60), {config.Env()});
    ASSERT_EQ(result.exit_status, 0) << result.stderr_text;
  }
  std::stringstream text;
  text << std::ifstream(log, std::ios::binary).rdbuf();
  const std::vector<testing_support::CsvFields> records = testing_support::CsvRecords(text.str());
  ASSERT_GE(records.size(), 1u + 2 * 5);
  EXPECT_EQ(records[0][0], "time");
  for (std::size_t i = 1; i < records.size(); ++i) {
    const testing_support::CsvFields& r = records[i];
    SCOPED_TRACE(i);
    ASSERT_EQ(r.size(), 7u);
    EXPECT_TRUE(i == 1 || r[0] > records[i - 1][0]) << "in the order polled, no second header: " << r[0];
    EXPECT_EQ(r[1], "01");
    EXPECT_EQ(std::stod(r[4]), std::stod(r[3])) << "the value of the text shown";
    EXPECT_EQ(r[5], r[2] == "pressure" ? "kPa" : "℃");
    EXPECT_EQ(r[6], "0") << "the simulated transmitter answers every poll";
  }
  const auto refused =
      RunProgram(DRAVON_BINARY, {"--headless", "--log", "/nonexistent/p.csv"}, "", std::chrono::seconds(20));
  EXPECT_EQ(refused.exit_status, 2);
  EXPECT_NE(refused.stderr_text.find("/nonexistent/p.csv"), std::string::npos) << refused.stderr_text;
}

}  // namespace
