// Labels that carry several controls' captions are shown in pieces that line up with them.
#include "gui/caption_parts.h"

#include <gtest/gtest.h>

#include "platform/ui/window.h"

namespace gui {
namespace {

using ui::ControlKind;

TEST(CaptionPartsTest, AWordsLabelIsShownInTheStretchesNoOtherControlCovers) {
  ui::Window w("W", "W");
  w.Add({.kind = ControlKind::kFrame, .name = "frm"});
  w.Add({.kind = ControlKind::kLabel,
         .name = "row",
         .parent = "frm",
         .text = "端口号            数据位",
         .layout = {0, 0, 1, 4}});
  w.Add({.kind = ControlKind::kList, .name = "a", .parent = "frm", .layout = {0, 1}});
  w.Add({.kind = ControlKind::kList, .name = "b", .parent = "frm", .layout = {0, 3}});
  w.Add({.kind = ControlKind::kLabel, .name = "wide", .parent = "frm", .text = "x", .layout = {1, 0, 1, 5}});
  w.Add({.kind = ControlKind::kList, .name = "c", .parent = "frm", .layout = {1, 3, 1, 2}});
  // Controls of another frame, or in another row, cover nothing of it.
  w.Add({.kind = ControlKind::kLabel,
         .name = "alone",
         .parent = "frm",
         .text = "量    程:",
         .layout = {2, 0, 1, 3}});
  w.Add({.kind = ControlKind::kButton, .name = "outside", .layout = {2, 1}});

  const std::vector<ColumnRun> row = UncoveredRuns(w.At("row"), w);
  ASSERT_EQ(row.size(), 2u);
  EXPECT_EQ(row[0].column, 0);
  EXPECT_EQ(row[0].span, 1);
  EXPECT_EQ(row[1].column, 2);
  EXPECT_EQ(row[1].span, 1);

  const std::vector<ColumnRun> wide = UncoveredRuns(w.At("wide"), w);
  ASSERT_EQ(wide.size(), 1u);
  EXPECT_EQ(wide[0].column, 0);
  EXPECT_EQ(wide[0].span, 3);

  EXPECT_TRUE(UncoveredRuns(w.At("alone"), w).empty());
}

TEST(CaptionPartsTest, CaptionsSplitAtWideGapsAndKeepWhatDoesNotFit) {
  EXPECT_EQ(SplitCaption("端口号            数据位", 2), (std::vector<std::string>{"端口号", "数据位"}));
  EXPECT_EQ(SplitCaption("  最大超时   毫秒 ", 2), (std::vector<std::string>{"最大超时", "毫秒"}));
  EXPECT_EQ(SplitCaption("a b  c  d", 2), (std::vector<std::string>{"a b", "c  d"}));
  EXPECT_EQ(SplitCaption("only", 3), (std::vector<std::string>{"only", "", ""}));
  EXPECT_EQ(SplitCaption("", 2), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(SplitCaption("a  b", 0).empty());
}

TEST(CaptionPartsTest, ALabelOverSeveralRowsShowsOneLinePerRow) {
  ui::Window w("W", "W");
  w.Add({.kind = ControlKind::kLabel, .name = "two", .text = "发送：\n接收：", .layout = {0, 0, 2, 1}});
  w.Add({.kind = ControlKind::kLabel, .name = "flat", .text = "发送：\n接收：", .layout = {0, 1}});
  EXPECT_TRUE(HasLinePerRow(w.At("two")));
  EXPECT_FALSE(HasLinePerRow(w.At("flat")));
  EXPECT_EQ(SplitLines("发送：\n接收：", 2), (std::vector<std::string>{"发送：", "接收："}));
  EXPECT_EQ(SplitLines("a\nb\nc", 2), (std::vector<std::string>{"a", "b\nc"}));
  EXPECT_EQ(SplitLines("a", 2), (std::vector<std::string>{"a", ""}));
}

}  // namespace
}  // namespace gui
