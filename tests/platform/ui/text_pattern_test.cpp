// Texts built from a pattern, and finding the pattern's parts again in the finished text.

#include "platform/ui/text_pattern.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Parts = std::optional<std::vector<std::string>>;

TEST(TextPattern, FillsSlotsByNumberAndLeavesTheRest) {
  EXPECT_EQ(ui::FillPattern("在线变送器 %1个", {"3"}), "在线变送器 3个");
  EXPECT_EQ(ui::FillPattern("%2 then %1", {"a", "b"}), "b then a");
  EXPECT_EQ(ui::FillPattern("波特率:%1", {""}), "波特率:");
  EXPECT_EQ(ui::FillPattern("%1 and %2", {"x"}), "x and %2") << "a slot without an argument stays";
  EXPECT_EQ(ui::FillPattern("%1", {"%2"}), "%2") << "an argument is never read as a pattern";
  EXPECT_EQ(ui::FillPattern("100% sure", {"x"}), "100% sure");
  EXPECT_TRUE(ui::IsPattern("错误%1"));
  EXPECT_FALSE(ui::IsPattern("100% sure, 50%"));
}

TEST(TextPattern, FindsThePartsOfAFilledText) {
  struct Case {
    const char* pattern;
    const char* text;
    Parts parts;
  };
  const Case cases[] = {
      {"在线变送器 %1个", "在线变送器 12个", std::vector<std::string>{"12"}},
      {"波特率:%1", "波特率:", std::vector<std::string>{""}},
      {"地址 %1 已经存在,按“OK”键返回！", "地址 05 已经存在,按“OK”键返回！", std::vector<std::string>{"05"}},
      {"中断。%1\r%2", "中断。校验错误！\r$01RP0A3\r", std::vector<std::string>{"校验错误！", "$01RP0A3\r"}},
      {"%2 then %1", "b then a", std::vector<std::string>{"a", "b"}},
      {"在线变送器 %1个", "在线变送器0个", std::nullopt},
      {"波特率:%1", "串口:COM1", std::nullopt},
      {"错误%1", "错", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ui::MatchPattern(c.pattern, c.text), c.parts);
  }
}

// Where a part holds the pattern's own fixed text, the split may differ; filling the
// pattern with what was found must still give the same text.
TEST(TextPattern, AFilledTextGivesBackPartsThatFillItAgain) {
  for (const std::vector<std::string>& parts : std::vector<std::vector<std::string>>{
           {"", ""}, {"校验错误！", "$01\r"}, {"%1", "x%2y"}, {"\r", "\r\r"}}) {
    const std::string text = ui::FillPattern("通讯中断。%1\r%2", {parts[0], parts[1]});
    const Parts found = ui::MatchPattern("通讯中断。%1\r%2", text);
    ASSERT_TRUE(found.has_value()) << text;
    EXPECT_EQ(ui::FillPattern("通讯中断。%1\r%2", {(*found)[0], (*found)[1]}), text);
  }
}

}  // namespace
