// What the user does to the widgets reaches the model only through ui::UserActions, and
// the widgets then show what the model made of it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "gui/window_view.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

class UserInputTest : public testing::Test {
 protected:
  void SetUp() override {
    window.Load();  // the focus goes to txt, the first control that can take it
    ASSERT_TRUE(gui_test::ShowActive(view.main_window()));
  }

  template <typename W>
  W* As(const char* name, int index = -1) {
    return qobject_cast<W*>(view.WidgetOf(name, index));
  }
  QLineEdit* Txt() { return As<QLineEdit>("txt"); }
  const std::string& TextOf(const char* name) { return window.At(name).text(); }

  gui_test::ProbeWindow probe;
  ui::Window& window = probe.window;
  WindowView view{window};
};

TEST_F(UserInputTest, ClicksRunTheModelsHandlersAndTheWidgetsShowWhatItDecided) {
  QTest::mouseClick(As<QPushButton>("btn"), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:btn"), 1);
  EXPECT_EQ(probe.Count("validate:txt"), 1);
  EXPECT_EQ(view.main_window().focusWidget(), view.WidgetOf("btn"));
  As<QPushButton>("btn")->click();  // as the space bar does
  EXPECT_EQ(probe.Count("click:btn"), 2);

  QTest::mouseClick(As<QCheckBox>("chk"), Qt::LeftButton);
  EXPECT_EQ(window.At("chk").value(), 1);
  EXPECT_TRUE(As<QCheckBox>("chk")->isChecked());

  // Clicking the selected option runs its click again; it stays selected.
  QTest::mouseClick(As<QRadioButton>("opt", 1), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:opt1"), 1);
  EXPECT_TRUE(As<QRadioButton>("opt", 1)->isChecked());
  QTest::mouseClick(As<QRadioButton>("opt", 0), Qt::LeftButton);
  EXPECT_TRUE(window.At("opt", 0).selected());
  EXPECT_FALSE(As<QRadioButton>("opt", 1)->isChecked());
}

TEST_F(UserInputTest, PickingAListItemIsTheModelsChoice) {
  QComboBox* lst = As<QComboBox>("lst");
  QTest::mouseClick(lst, Qt::LeftButton);  // takes the focus; the popup opens
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QTest::keyClick(lst, Qt::Key_Down);
  EXPECT_EQ(TextOf("lst"), "Bar");
  EXPECT_EQ(probe.Count("click:lst"), 1);
  lst->activated(2);  // the same item again: its click still runs
  EXPECT_EQ(probe.Count("click:lst"), 2);
}

TEST_F(UserInputTest, TypedKeysGoThroughTheModelWhichOwnsTheText) {
  QTest::keyClicks(Txt(), "1#!");
  EXPECT_EQ(TextOf("txt"), "abc1!");  // '#' was discarded by the handler
  EXPECT_EQ(probe.Count("key:txt:35"), 1);

  QTest::keyClick(Txt(), Qt::Key_Backspace);
  EXPECT_EQ(TextOf("txt"), "abc1");
  EXPECT_EQ(probe.Count("key:txt:8"), 1);

  // A character beyond ASCII, as a keyboard layout delivers it.
  QTest::sendKeyEvent(QTest::Press, Txt(), Qt::Key_unknown, QString::fromUtf8("中"), Qt::NoModifier);
  QTest::keyClicks(Txt(), "xy");           // the box takes six characters
  QTest::keyClick(Txt(), Qt::Key_Delete);  // at the end: nothing follows the caret
  EXPECT_EQ(TextOf("txt"), "abc1中x");
  EXPECT_EQ(Txt()->text(), QString::fromUtf8("abc1中x"));

  QTest::keyClicks(As<QLineEdit>("ro"), "z");
  EXPECT_EQ(As<QLineEdit>("ro")->text(), "RO");
  QTest::keyClicks(As<QComboBox>("cbo")->lineEdit(), "0");
  EXPECT_EQ(TextOf("cbo"), "96000");
}

// The model keeps the caret: every key edits where the user sees it, the key press
// handler still sees each typed character first, and each edit is one change.
TEST_F(UserInputTest, KeysEditAtTheCaretAndReplaceTheSelection) {
  QApplication::clipboard()->clear();
  const struct {
    int key;  // a Qt::Key, or the character typed
    Qt::KeyboardModifiers modifiers;
    const char* text;
    int anchor, caret, changes;
  } steps[] = {{Qt::Key_Home, Qt::NoModifier, "abc", 0, 0, 0},
               {'X', Qt::NoModifier, "Xabc", 1, 1, 1},
               {Qt::Key_End, Qt::ShiftModifier, "Xabc", 1, 4, 0},
               {'1', Qt::NoModifier, "X1", 2, 2, 1},  // replaces the selection
               {Qt::Key_A, Qt::ControlModifier, "X1", 0, 2, 0},
               {'#', Qt::NoModifier, "X1", 0, 2, 0},  // discarded by the handler
               {Qt::Key_Delete, Qt::NoModifier, "", 0, 0, 1},
               {Qt::Key_Z, Qt::ControlModifier, "X1", 2, 2, 1},
               {Qt::Key_Left, Qt::NoModifier, "X1", 1, 1, 0},
               {Qt::Key_Backspace, Qt::NoModifier, "1", 0, 0, 1},
               {Qt::Key_Backspace, Qt::NoModifier, "1", 0, 0, 0},
               {Qt::Key_Delete, Qt::NoModifier, "", 0, 0, 1},
               {Qt::Key_Delete, Qt::NoModifier, "", 0, 0, 0},
               {Qt::Key_V, Qt::ControlModifier, "", 0, 0, 0},  // nothing to paste
               {Qt::Key_Z, Qt::ControlModifier, "1", 0, 0, 1}};
  int changes = probe.Count("change:txt");
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "key " << step.key << " to " << step.text);
    if (step.key < 0x100) {
      QTest::keyClick(Txt(), static_cast<char>(step.key), step.modifiers);
    } else {
      QTest::keyClick(Txt(), static_cast<Qt::Key>(step.key), step.modifiers);
    }
    const ui::TextSelection at = window.At("txt").selection();
    EXPECT_EQ(TextOf("txt"), step.text);
    EXPECT_EQ(Txt()->text().toStdString(), step.text);
    EXPECT_EQ(at, (ui::TextSelection{step.anchor, step.caret}));
    EXPECT_EQ(Txt()->cursorPosition(), step.caret) << "the widget shows the model's caret";
    EXPECT_EQ(probe.Count("change:txt") - changes, step.changes);
    changes = probe.Count("change:txt");
  }
  EXPECT_EQ(probe.Count("key:txt:35"), 1);
  EXPECT_EQ(probe.Count("key:txt:8"), 2) << "Backspace is a key press, Delete is not";

  // Cut and paste through the clipboard, within the box's six characters.
  QTest::keyClick(Txt(), Qt::Key_End);
  QTest::keyClicks(Txt(), "2345678");
  EXPECT_EQ(TextOf("txt"), "123456");
  QTest::keyClick(Txt(), Qt::Key_Home);
  QTest::keyClick(Txt(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(Txt(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(Txt(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(TextOf("txt"), "3456");
  EXPECT_EQ(QApplication::clipboard()->text(), "12");
  QApplication::clipboard()->setText("ABC");
  QTest::keyClick(Txt(), Qt::Key_Right);
  QTest::keyClick(Txt(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(TextOf("txt"), "3AB456") << "cut to the room left";
  EXPECT_EQ(window.At("txt").selection().caret, 3);

  // An editable list edits at its caret too.
  QTest::mouseClick(As<QComboBox>("cbo")->lineEdit(), Qt::LeftButton);
  QTest::keyClick(As<QComboBox>("cbo")->lineEdit(), Qt::Key_Home);
  QTest::keyClicks(As<QComboBox>("cbo")->lineEdit(), "1");
  EXPECT_EQ(TextOf("cbo"), "19600");
}

TEST_F(UserInputTest, PasteInsertsTheClipboardsFirstLineInOneChange) {
  QApplication::clipboard()->setText("PQ\nrest");
  Txt()->end(false);
  QTest::keyClick(Txt(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Txt()->text(), "abcPQ");
  EXPECT_EQ(probe.Count("change:txt"), 1);
  EXPECT_EQ(probe.Count("key:txt:80"), 0);  // a paste passes the key press handler by
}

TEST_F(UserInputTest, ARefusedValidationKeepsTheFocusAndSwallowsTheClick) {
  window.At("txt").set_text("bad");
  QTest::mouseClick(As<QPushButton>("btn"), Qt::LeftButton);
  QTest::mouseClick(As<QCheckBox>("chk"), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:btn"), 0);
  EXPECT_EQ(probe.Count("click:chk"), 0);
  EXPECT_FALSE(As<QCheckBox>("chk")->isChecked());
  QTest::keyClick(Txt(), Qt::Key_Tab);  // Tab asks the model as well
  EXPECT_EQ(probe.Count("validate:txt"), 3);
  ASSERT_TRUE(gui_test::ProcessEventsUntil([&] { return view.main_window().focusWidget() == Txt(); }));
  EXPECT_EQ(window.focused(), &window.At("txt"));

  window.At("txt").set_text("good");
  QTest::keyClick(Txt(), Qt::Key_Tab);
  EXPECT_EQ(window.focused(), &window.At("btn"));  // the next tab stop: the read-only box is none
  QTest::mouseClick(As<QPushButton>("btn"), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:btn"), 1);
}

TEST_F(UserInputTest, TheTrimBarsArrowsStepTheValueTheWayItsRangeSays) {
  QScrollBar* bar = As<QScrollBar>("bar");
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 2));
  EXPECT_EQ(window.At("bar").value(), 1);  // up goes towards min, +5000
  EXPECT_EQ(probe.Count("change:bar"), 1);
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 3));
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 3));
  EXPECT_EQ(window.At("bar").value(), -1);
  EXPECT_EQ(bar->value(), 1);
}

TEST_F(UserInputTest, TheCloseButtonAsksTheModelAndAHandlerMayCloseTheWindow) {
  bool refuse = true;
  window.on_query_unload([&](ui::UiServices&, bool& cancel) { cancel = refuse; });
  EXPECT_FALSE(view.main_window().close());
  EXPECT_TRUE(view.main_window().isVisible());
  EXPECT_FALSE(window.closed());
  refuse = false;
  EXPECT_TRUE(view.main_window().close());
  EXPECT_TRUE(window.closed());
  EXPECT_FALSE(view.main_window().isVisible());

  gui_test::ProbeWindow other;
  WindowView other_view{other.window};
  int closed = 0;
  other_view.set_on_closed([&] { ++closed; });
  other.window.At("quit").on_click([&](ui::UiServices&) { other.window.Close(); });
  other_view.ActionOf("quit")->trigger();
  EXPECT_TRUE(other.window.closed());
  EXPECT_EQ(closed, 1) << "a handler's close ends the real window";
}

}  // namespace
}  // namespace gui
