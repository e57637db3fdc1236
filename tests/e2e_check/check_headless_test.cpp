// The check end to end: the built program in headless mode on its built-in simulated
// bus, a reference transmitter (02) and one under test (01) on one stepping manifold;
// the certificate's text as pdftotext reads it, and the check log.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace {

using testing_support::RunProgram;
using testing_support::TempConfigHome;

constexpr const char* kPlan =
    "[Check]\nPoints=0,25,50,75,100\nDirection=up\nTolerancePercent=0.25\nReadings=3\nStableSpread=0.05\n"
    "Reference=02\nStage=as_found\nOperator=Bench 3\n";
// The search stops once 01 answered: the check needs it selected, not the whole bus.
constexpr const char* kScript =
    "choose cmbCommPort 0\nafter 300 click cmdSEARCH\nclick cmdSEARCH\nclick mnuCheck\n";

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CheckHeadless, APlantedGainErrorFailsTheCertificateAndWithoutItTheSameCheckPasses) {
  struct Case {
    const char* name;
    const char* error;  // of 01, the transmitter under test
    bool passed;
  };
  const Case cases[] = {{"a gain error of 1 %", " --error 01:1.01", false}, {"no error", "", true}};
  for (const Case& c : cases) {
    TempConfigHome config;
    const std::string plan = config.dir() + "/plan.ini";
    const std::string certificate = config.dir() + "/certificate.pdf";
    const std::string log = config.dir() + "/check.csv";
    std::ofstream(plan) << kPlan;
    const std::string bus =
        std::string("--transmitter 01:9600 --transmitter 02:9600 --manifold 20,40,60,80,90@1200") + c.error;
    const auto run = RunProgram(DRAVON_BINARY,
                                {"--headless", "--simulate", "--sim-bus", bus, "--check", plan,
                                 "--certificate", certificate, "--check-log", log},
                                kScript, std::chrono::minutes(1), {config.Env()});
    ASSERT_EQ(run.exit_status, 0) << c.name << run.stderr_text;
    ASSERT_FALSE(run.stdout_lines.empty());
    EXPECT_NE(run.stdout_lines.back().find(c.passed ? "检定合格（as_found）" : "检定不合格（as_found）"),
              std::string::npos)
        << c.name << ": " << run.stdout_lines.back();

    const auto text =
        RunProgram("/usr/bin/pdftotext", {"-layout", certificate, "-"}, "", std::chrono::seconds(30));
    ASSERT_EQ(text.exit_status, 0) << c.name << text.stderr_text;
    std::string all;
    int failed_points = 0;
    for (const std::string& line : text.stdout_lines) {
      all += line + "\n";
      // A point's row ends with its verdict.
      if (line.size() > 6 && line.rfind("failed") == line.size() - 6 &&
          line.find("Verdict") == std::string::npos)
        ++failed_points;
    }
    EXPECT_NE(all.find("Serial number: 08000001"), std::string::npos) << all;
    EXPECT_NE(all.find(c.passed ? "Verdict: passed" : "Verdict: failed"), std::string::npos) << all;
    // At 20 kPa and more a gain error of 1 % is 0.2 % of span or more: every point but
    // the lowest fails, whichever step the manifold was at.
    if (c.passed) {
      EXPECT_EQ(failed_points, 0) << all;
    } else {
      EXPECT_GE(failed_points, 4) << all;
    }

    const std::vector<std::string> rows = Lines(log);
    ASSERT_EQ(rows.size(), 6u) << c.name;
    EXPECT_EQ(rows[0],
              "time,serial,address,stage,point_percent,nominal,reference,reading,unit,"
              "error_percent_span,tolerance_percent,verdict");
  }
}

}  // namespace

namespace {

TEST(CheckHeadless, ABuiltInBusThatDoesNotReadEndsTheProgramSayingWhy) {
  const std::pair<std::string, std::string> cases[] = {
      {"--manifold 10,x", "dravon: --sim-bus: bad --manifold \"10,x\" (want P[,P]...[@MS])\n"},
      {"--manifold 10 --error 07:1.01", "dravon: --sim-bus: --error names no transmitter: 07\n"},
      {"--link /tmp/bus",
       "dravon: --sim-bus takes the bus's options only: --transmitter, --fault, --batch, --manifold, "
       "--error, --turnaround, --echo\n"},
  };
  for (const auto& [bus, error] : cases) {
    TempConfigHome config;
    const auto run = RunProgram(DRAVON_BINARY, {"--headless", "--sim-bus", bus}, "", std::chrono::seconds(30),
                                {config.Env()});
    EXPECT_EQ(run.exit_status, 2) << bus;
    EXPECT_EQ(run.stderr_text, error) << bus;
  }
}

}  // namespace
