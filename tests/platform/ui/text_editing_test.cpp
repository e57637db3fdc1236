// Edits at a caret count characters, so a box of Chinese text edits as one of ASCII.
#include "platform/ui/text_editing.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(TextEditingTest, EditsReplaceTheSelectionOrWorkAtTheCaret) {
  enum class Op { kInsert, kBackward, kForward };
  const struct {
    Op op;
    const char* text;
    TextSelection at;
    const char* inserted;
    const char* result;
    int caret;
  } rows[] = {
      {Op::kInsert, "RP0", {0, 0}, "X", "XRP0", 1},
      {Op::kInsert, "+10.00", {0, 6}, "12.3", "12.3", 4},
      {Op::kInsert, "温度计", {3, 1}, "压力", "温压力", 3},  // selected backwards
      {Op::kInsert, "ab", {9, 9}, "c", "abc", 3},            // past the end: at the end
      {Op::kBackward, "温度计", {2, 2}, "", "温计", 1},
      {Op::kBackward, "abc", {0, 0}, "", "abc", 0},
      {Op::kBackward, "abcd", {3, 1}, "", "ad", 1},
      {Op::kForward, "温度计", {0, 0}, "", "度计", 0},
      {Op::kForward, "abc", {3, 3}, "", "abc", 3},
      {Op::kForward, "abcd", {1, 3}, "", "ad", 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.text << " -> " << row.result);
    const EditedText edited = row.op == Op::kInsert     ? ReplaceSelection(row.text, row.at, row.inserted)
                              : row.op == Op::kBackward ? EraseBackward(row.text, row.at)
                                                        : EraseForward(row.text, row.at);
    EXPECT_EQ(edited.text, row.result);
    EXPECT_EQ(edited.caret, row.caret);
  }
  EXPECT_EQ(SelectedText("温度计", {3, 1}), "度计");
}

}  // namespace
}  // namespace ui
