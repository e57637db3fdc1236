// How the user's keys and the bars' arrows are read for the model.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <climits>

#include "gui/scroll_mapping.h"
#include "gui/text_key.h"

namespace gui {
namespace {

TEST(ScrollMappingTest, RangesMapBothWaysWithoutOverflow) {
  const ScrollMapping trim(5000, -5000), plain(0, 100), widest(INT_MAX, INT_MIN);
  EXPECT_EQ(trim.ToQt(5000), trim.qt_minimum()) << "min stands at the top";
  EXPECT_EQ(trim.ToModel(trim.ToQt(0) - 1), 1) << "the up arrow rises towards min";
  EXPECT_EQ(plain.ToModel(plain.ToQt(40) + 1), 41);
  EXPECT_LT(widest.qt_minimum(), widest.qt_maximum());
  EXPECT_EQ(widest.ToModel(widest.ToQt(INT_MAX)), INT_MAX);
}

TEST(TextKeyTest, KeysBecomeTheModelsCodesTextPasteOrAreLeftOrDropped) {
  using K = TextKey::Kind;
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    K kind;
    int code;  // for kKeyCode
  } rows[] = {{Qt::Key_A, Qt::NoModifier, "a", K::kKeyCode, 'a'},
              {Qt::Key_Plus, Qt::KeypadModifier, "+", K::kKeyCode, '+'},
              {Qt::Key_Backspace, Qt::NoModifier, "\b", K::kKeyCode, 8},
              {Qt::Key_Enter, Qt::KeypadModifier, "\r", K::kKeyCode, 13},
              {0x4E2D, Qt::NoModifier, "中", K::kTypeText, 0},
              {Qt::Key_V, Qt::ControlModifier, "\x16", K::kPaste, 0},
              {Qt::Key_Insert, Qt::ShiftModifier, "", K::kPaste, 0},
              {Qt::Key_Left, Qt::ShiftModifier, "", K::kLeaveToWidget, 0},
              {Qt::Key_C, Qt::ControlModifier, "\x03", K::kLeaveToWidget, 0},
              {Qt::Key_A, Qt::ControlModifier, "\x01", K::kLeaveToWidget, 0},
              {Qt::Key_Delete, Qt::NoModifier, "", K::kDelete, 0},
              {Qt::Key_X, Qt::ControlModifier, "\x18", K::kCut, 0},
              {Qt::Key_Z, Qt::ControlModifier, "\x1a", K::kUndo, 0},
              {Qt::Key_B, Qt::ControlModifier, "\x02", K::kDrop, 0},
              {Qt::Key_Q, Qt::AltModifier, "q", K::kDrop, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.key);
    const TextKey read =
        ReadTextKey(QKeyEvent(QEvent::KeyPress, row.key, row.modifiers, QString::fromUtf8(row.text)));
    EXPECT_EQ(read.kind, row.kind);
    if (row.kind == K::kKeyCode) {
      EXPECT_EQ(read.code, row.code);
    }
    if (row.kind == K::kTypeText) {
      EXPECT_EQ(read.text, row.text);
    }
  }
}

}  // namespace
}  // namespace gui
