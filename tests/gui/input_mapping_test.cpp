// How the user's keys and the bars' arrows are read for the model.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <climits>

#include "gui/scroll_mapping.h"
#include "gui/text_key.h"

namespace gui {
namespace {

TEST(ScrollMappingTest, ABarWithMinAboveMaxRisesTowardsMinWhenItsUpArrowIsPressed) {
  // The trim bars: +5000 at the top, -5000 at the bottom.
  const ScrollMapping trim(5000, -5000);
  EXPECT_EQ(trim.qt_minimum(), -5000);
  EXPECT_EQ(trim.qt_maximum(), 5000);
  EXPECT_EQ(trim.ToQt(5000), trim.qt_minimum());  // min stands at the top
  // QScrollBar's up arrow takes one step off its value.
  EXPECT_EQ(trim.ToModel(trim.ToQt(0) - 1), 1);
  EXPECT_EQ(trim.ToModel(trim.ToQt(-25)), -25);
}

TEST(ScrollMappingTest, ABarWithMinBelowMaxIsShownAsItIs) {
  const ScrollMapping plain(0, 100);
  EXPECT_EQ(plain.qt_maximum(), 100);
  EXPECT_EQ(plain.ToModel(plain.ToQt(40) + 1), 41);
}

TEST(ScrollMappingTest, TheWidestRangeDoesNotOverflow) {
  const ScrollMapping widest(INT_MAX, INT_MIN);
  EXPECT_LT(widest.qt_minimum(), widest.qt_maximum());
  EXPECT_EQ(widest.ToModel(widest.ToQt(0)), 0);
  EXPECT_EQ(widest.ToModel(widest.ToQt(INT_MAX)), INT_MAX);
}

TextKey Read(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  return ReadTextKey(event);
}

TEST(TextKeyTest, KeysBecomeTheModelsKeyCodesTextOrPaste) {
  EXPECT_EQ(Read(Qt::Key_A, Qt::NoModifier, "a").code, 'a');
  EXPECT_EQ(Read(Qt::Key_Plus, Qt::KeypadModifier, "+").code, '+');
  EXPECT_EQ(Read(Qt::Key_Backspace, Qt::NoModifier, "\b").code, 8);
  EXPECT_EQ(Read(Qt::Key_Enter, Qt::KeypadModifier, "\r").code, 13);
  EXPECT_EQ(Read(Qt::Key_Escape, Qt::NoModifier, "\x1b").code, 27);
  const TextKey chinese = Read(0x4E2D, Qt::NoModifier, QString::fromUtf8("中"));
  EXPECT_EQ(chinese.kind, TextKey::Kind::kTypeText);
  EXPECT_EQ(chinese.text, "中");
  EXPECT_EQ(Read(Qt::Key_V, Qt::ControlModifier, "\x16").kind, TextKey::Kind::kPaste);
  EXPECT_EQ(Read(Qt::Key_Insert, Qt::ShiftModifier).kind, TextKey::Kind::kPaste);
}

TEST(TextKeyTest, MovingAndCopyingStayWithTheWidgetAndOtherEditsAreDropped) {
  for (const int key : {Qt::Key_Left, Qt::Key_End, Qt::Key_Tab, Qt::Key_Down}) {
    EXPECT_EQ(Read(key, Qt::ShiftModifier).kind, TextKey::Kind::kLeaveToWidget) << key;
  }
  EXPECT_EQ(Read(Qt::Key_C, Qt::ControlModifier, "\x03").kind, TextKey::Kind::kLeaveToWidget);
  EXPECT_EQ(Read(Qt::Key_Delete).kind, TextKey::Kind::kDrop);
  EXPECT_EQ(Read(Qt::Key_X, Qt::ControlModifier, "\x18").kind, TextKey::Kind::kDrop);  // cut
  EXPECT_EQ(Read(Qt::Key_Z, Qt::ControlModifier, "\x1a").kind, TextKey::Kind::kDrop);  // undo
  EXPECT_EQ(Read(Qt::Key_Q, Qt::AltModifier, "q").kind, TextKey::Kind::kDrop);
}

}  // namespace
}  // namespace gui
