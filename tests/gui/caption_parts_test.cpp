// Labels that carry several controls' captions are shown in pieces that line up with them.
#include "gui/caption_parts.h"

#include <gtest/gtest.h>

namespace gui {
namespace {

using Parts = std::vector<std::string>;

TEST(CaptionPartsTest, CaptionsSplitAtWideGapsAndLinesSplitPerRow) {
  const struct {
    Parts got, want;
  } rows[] = {{SplitCaption("端口号            数据位", 2), {"端口号", "数据位"}},
              {SplitCaption("  最大超时   毫秒 ", 2), {"最大超时", "毫秒"}},
              {SplitCaption("a b  c  d", 2), {"a b", "c  d"}},
              {SplitCaption("only", 3), {"only", "", ""}},
              {SplitCaption("a  b", 0), {}},
              {SplitLines("发送：\n接收：", 2), {"发送：", "接收："}},
              {SplitLines("a\nb\nc", 2), {"a", "b\nc"}},
              {SplitLines("a", 2), {"a", ""}}};
  for (const auto& row : rows) EXPECT_EQ(row.got, row.want);
}

}  // namespace
}  // namespace gui
