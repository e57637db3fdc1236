// The shared command line: both spellings of a value, what --help and --version answer, and
// that each program's manual page describes exactly the options its --help lists.
#include "platform/program_options.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "tests/support/manual_page.h"

namespace platform {
namespace {

TEST(ProgramOptions, ValuesComeAsTheNextArgumentOrAfterAnEqualsSign) {
  const auto o = ParseProgramOptions({"--snapshot=a.png", "--port", "2=/dev/ttyUSB0", "--port=4=sim"});
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.snapshot, "a.png");
  EXPECT_EQ(o.ports, (std::map<int, std::string>{{2, "/dev/ttyUSB0"}, {4, "sim"}}));
}

TEST(ProgramOptions, AnswersBeforeRunningWithTheRightStatusAndStream) {
  const struct {
    std::vector<std::string> args;
    Program program;
    std::optional<int> status;
    std::string out_has, err_has;
  } rows[] = {
      {{"--help"}, Program::kDravon, 0, "usage: dravon [OPTION]...", ""},
      {{"--headless", "--help"}, Program::kPemliq, 0, "usage: pemliq", ""},
      {{"--version"}, Program::kPemliq, 0, "pemliq ", ""},
      {{"--frobnicate"}, Program::kDravon, 2, "", "dravon: unknown option \"--frobnicate\""},
      {{"--headless=yes"}, Program::kPemliq, 2, "", "--headless takes no value"},
      {{"--snapshot"}, Program::kDravon, 2, "", "--snapshot needs FILE.png"},
      {{"--port", "9"}, Program::kDravon, 2, "", "Try 'dravon --help'"},
      {{"--headless", "--simulate"}, Program::kDravon, std::nullopt, "", ""},
  };
  for (const auto& row : rows) {
    std::ostringstream out, err;
    const auto status =
        AnswerWithoutRunning(ParseProgramOptions(row.args, row.program), row.program, out, err);
    EXPECT_EQ(status, row.status) << row.args.front();
    if (row.out_has.empty()) {
      EXPECT_EQ(out.str(), "") << row.args.front();
    }
    if (row.err_has.empty()) {
      EXPECT_EQ(err.str(), "") << row.args.front();
    }
    EXPECT_NE(out.str().find(row.out_has), std::string::npos) << out.str();
    EXPECT_NE(err.str().find(row.err_has), std::string::npos) << err.str();
  }
}

TEST(ProgramOptions, HelpListsEveryOptionOfTheProgramWithItsArgument) {
  for (Program program : {Program::kDravon, Program::kPemliq}) {
    const std::string help = ProgramHelp(program);
    for (const OptionRow& row : ProgramOptionTable()) {
      const std::string shown = "\n  " + std::string(row.name) +
                                (row.argument.empty() ? "" : " " + std::string(row.argument)) + "  ";
      EXPECT_EQ(help.find(shown) != std::string::npos, row.AppliesTo(program))
          << ProgramName(program) << shown;
    }
  }
}

TEST(ProgramOptions, ManualPageDescribesExactlyTheOptionsOfHelp) {
  for (Program program : {Program::kDravon, Program::kPemliq}) {
    std::set<std::string> in_table;
    for (const OptionRow& row : ProgramOptionTable())
      if (row.AppliesTo(program)) in_table.insert(std::string(row.name));
    EXPECT_EQ(testing_support::ManualPageOptions(std::string(ProgramName(program))), in_table)
        << ProgramName(program);
  }
}

}  // namespace
}  // namespace platform
