// The check plan file: what a good plan reads as, and bad values refused whole with the
// line that holds them.
#include "check/check_plan.h"

#include <gtest/gtest.h>

namespace {

using check::CheckPlan;
using check::ReadCheckPlan;

constexpr const char* kHeadless =
    "[Check]\nPoints=0,25,50,75,100\nDirection=up\nTolerancePercent=0.25\nReadings=5\nStableSpread=0.05\n"
    "Reference=02\nStage=as_found\nOperator=Bench 3\n";

TEST(CheckPlan, ReadsEveryKeyAndTakesDefaultsForTheOptionalOnes) {
  const check::CheckPlanRead full = ReadCheckPlan(kHeadless);
  ASSERT_TRUE(full.plan) << full.error;
  EXPECT_EQ(full.plan->points, (std::vector<double>{0, 25, 50, 75, 100}));
  EXPECT_EQ(full.plan->tolerance_percent, 0.25);
  EXPECT_EQ(full.plan->stable_spread, 0.05);
  EXPECT_EQ(full.plan->reference, "02");
  EXPECT_EQ(full.plan->operator_name, "Bench 3");
  EXPECT_FALSE(full.plan->typed_reference());

  const check::CheckPlanRead least = ReadCheckPlan(
      "\xEF\xBB\xBF; bench plan\n[Check]\nTolerancePercent=0.1\nStableSpread=0.002\nReference=typed\n"
      "Stage=as_left\nDirection=updown\nPoints=100, 0,50\n");
  ASSERT_TRUE(least.plan) << least.error;
  EXPECT_TRUE(least.plan->typed_reference());
  EXPECT_EQ(least.plan->stage, check::Stage::kAsLeft);
  EXPECT_EQ(least.plan->readings, 5);
  EXPECT_EQ(least.plan->Sequence(), (std::vector<double>{0, 50, 100, 50, 0}))
      << "rising, then falling without the top point twice";

  // The limits themselves are plans.
  const std::pair<std::string, std::string> edges[] = {
      {"Readings=5", "Readings=2"},
      {"Readings=5", "Readings=50"},
      {"Points=0,25,50,75,100", "Points=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"},
  };
  for (const auto& [line, edge] : edges) {
    std::string text = kHeadless;
    text.replace(text.find(line), line.size(), edge);
    const check::CheckPlanRead read = ReadCheckPlan(text);
    EXPECT_TRUE(read.plan) << edge << read.error;
  }
}

TEST(CheckPlan, RefusesABadValueOrShapeNamingItsLine) {
  struct Case {
    const char* name;
    std::string line;  // replaces the line of the same key, else line 5 (Readings=5)
    std::string error;
  };
  const Case cases[] = {
      {"readings below two", "Readings=1", "第 5 行：Readings 应为 2 到 50 的整数，而不是“1”"},
      {"readings above fifty", "Readings=51", "第 5 行：Readings 应为 2 到 50 的整数，而不是“51”"},
      {"twenty-two points", "Points=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21",
       "第 2 行：Points 应为 0 到 100 之间的百分数，以逗号分隔（最多 21 "
       "个），而不是“0,1,2,3,4,5,6,7,8,9,10,11,12,13,…”"},
      {"readings not whole", "Readings=4.5", "第 5 行：Readings 应为 2 到 50 的整数，而不是“4.5”"},
      {"point above the range", "Points=0,50,101",
       "第 2 行：Points 应为 0 到 100 之间的百分数，以逗号分隔（最多 21 个），而不是“0,50,101”"},
      {"empty point", "Points=0,,100",
       "第 2 行：Points 应为 0 到 100 之间的百分数，以逗号分隔（最多 21 个），而不是“0,,100”"},
      {"tolerance zero", "TolerancePercent=0", "第 4 行：TolerancePercent 应为大于 0 的数，而不是“0”"},
      {"direction unknown", "Direction=down", "第 3 行：Direction 应为 up 或 updown，而不是“down”"},
      {"a key twice", "Stage=as_left", "第 8 行：键 Stage 重复（第 5 行已给出）"},
      {"unknown key", "Tolerance=0.2", "第 5 行：未知的键“Tolerance”"},
      {"no key=value", "Readings", "第 5 行：不是“键=值”的形式：“Readings”"},
      {"second section", "[Check]", "第 5 行：未知的节“Check”，检定计划只有 [Check] 一节"},
  };
  for (const Case& c : cases) {
    std::string text = kHeadless;
    const std::string key = c.line.substr(0, c.line.find('=')) + "=";
    std::size_t at = c.name == std::string("a key twice") ? std::string::npos : text.find("\n" + key);
    at = at == std::string::npos ? text.find("Readings=5") : at + 1;
    text.replace(at, text.find('\n', at) - at, c.line);
    const check::CheckPlanRead read = ReadCheckPlan(text);
    EXPECT_FALSE(read.plan) << c.name;
    EXPECT_EQ(read.error, c.error) << c.name;
  }

  const std::pair<std::string, std::string> whole_file[] = {
      {"TolerancePercent=0.2\n[Check]\n", "第 1 行：键“TolerancePercent”不在 [Check] 节中"},
      {"[Check]\nTolerancePercent=-1\n", "第 2 行：TolerancePercent 应为大于 0 的数，而不是“-1”"},
      {"[Check]\nStableSpread=abc\n", "第 2 行：StableSpread 应为大于 0 的数，而不是“abc”"},
      {"[Check]\nReference=00\n", "第 2 行：Reference 应为 01 到 99 的地址或 typed，而不是“00”"},
      {"[Check]\nStage=found\n", "第 2 行：Stage 应为 as_found 或 as_left，而不是“found”"},
      {"[Check\n", "第 1 行：节名缺少“]”：“[Check”"},
      {"; nothing\n", "文件中没有 [Check] 节"},
      {"\n[Check]\nTolerancePercent=1\nReference=02\n", "第 2 行：[Check] 节缺少键 StableSpread"},
  };
  for (const auto& [text, error] : whole_file) {
    const check::CheckPlanRead read = ReadCheckPlan(text);
    EXPECT_FALSE(read.plan) << text;
    EXPECT_EQ(read.error, error) << text;
  }
}

}  // namespace
