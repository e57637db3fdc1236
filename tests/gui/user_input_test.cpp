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

TEST_F(UserInputTest, AButtonClickRunsTheModelsClickHandlerAfterMovingTheFocus) {
  QTest::mouseClick(As<QPushButton>("btn"), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:btn"), 1);
  EXPECT_EQ(probe.Count("validate:txt"), 1);
  EXPECT_EQ(window.focused(), &window.At("btn"));
  EXPECT_EQ(view.main_window().focusWidget(), view.WidgetOf("btn"));
  As<QPushButton>("btn")->click();  // as the space bar does
  EXPECT_EQ(probe.Count("click:btn"), 2);
}

TEST_F(UserInputTest, CheckBoxesAndOptionsShowWhatTheModelDecided) {
  QTest::mouseClick(As<QCheckBox>("chk"), Qt::LeftButton);
  EXPECT_EQ(window.At("chk").value(), 1);
  EXPECT_TRUE(As<QCheckBox>("chk")->isChecked());
  EXPECT_EQ(probe.Count("click:chk"), 1);

  // Clicking the selected option runs its click again; it stays selected.
  QTest::mouseClick(As<QRadioButton>("opt", 1), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:opt1"), 1);
  EXPECT_TRUE(window.At("opt", 1).selected());
  EXPECT_TRUE(As<QRadioButton>("opt", 1)->isChecked());

  QTest::mouseClick(As<QRadioButton>("opt", 0), Qt::LeftButton);
  EXPECT_TRUE(window.At("opt", 0).selected());
  EXPECT_FALSE(window.At("opt", 1).selected());
  EXPECT_TRUE(As<QRadioButton>("opt", 0)->isChecked());
  EXPECT_FALSE(As<QRadioButton>("opt", 1)->isChecked());
}

TEST_F(UserInputTest, PickingAListItemIsTheModelsChoice) {
  QComboBox* lst = As<QComboBox>("lst");
  QTest::mouseClick(lst, Qt::LeftButton);  // takes the focus; the popup opens
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QTest::keyClick(lst, Qt::Key_Down);
  EXPECT_EQ(window.At("lst").list_index(), 2);
  EXPECT_EQ(TextOf("lst"), "Bar");
  EXPECT_EQ(probe.Count("click:lst"), 1);
  lst->activated(2);  // the same item again: its click still runs
  EXPECT_EQ(probe.Count("click:lst"), 2);
}

TEST_F(UserInputTest, TypedKeysGoThroughTheModelWhichOwnsTheText) {
  QTest::keyClicks(Txt(), "1#!");
  EXPECT_EQ(TextOf("txt"), "abc1!");  // '#' was discarded by the handler
  EXPECT_EQ(probe.Count("key:txt:35"), 1);
  EXPECT_EQ(Txt()->text(), "abc1!");

  QTest::keyClick(Txt(), Qt::Key_Backspace);
  EXPECT_EQ(TextOf("txt"), "abc1");
  EXPECT_EQ(probe.Count("key:txt:8"), 1);
  QTest::keyClick(Txt(), Qt::Key_Return);
  EXPECT_EQ(probe.Count("key:txt:13"), 1);
  EXPECT_EQ(TextOf("txt"), "abc1");

  // A character beyond ASCII, as a keyboard layout delivers it.
  QTest::sendKeyEvent(QTest::Press, Txt(), Qt::Key_unknown, QString::fromUtf8("中"), Qt::NoModifier);
  QTest::keyClicks(Txt(), "xy");  // the box takes six characters
  EXPECT_EQ(TextOf("txt"), "abc1中x");
  EXPECT_EQ(Txt()->text(), QString::fromUtf8("abc1中x"));

  QTest::keyClick(Txt(), Qt::Key_Delete);  // the model has no such edit
  EXPECT_EQ(Txt()->text(), QString::fromUtf8("abc1中x"));

  QTest::keyClicks(As<QLineEdit>("ro"), "z");
  EXPECT_EQ(TextOf("ro"), "RO");
  EXPECT_EQ(As<QLineEdit>("ro")->text(), "RO");

  QComboBox* cbo = As<QComboBox>("cbo");
  QTest::keyClicks(cbo->lineEdit(), "0");
  EXPECT_EQ(TextOf("cbo"), "96000");
  EXPECT_EQ(window.At("cbo").list_index(), -1);
  EXPECT_EQ(cbo->currentText(), "96000");
  EXPECT_EQ(window.focused(), &window.At("cbo"));
}

TEST_F(UserInputTest, PasteInsertsTheClipboardsFirstLineInOneChange) {
  QApplication::clipboard()->setText("PQ\nrest");
  Txt()->end(false);
  QTest::keyClick(Txt(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(TextOf("txt"), "abcPQ");
  EXPECT_EQ(probe.Count("change:txt"), 1);
  EXPECT_EQ(probe.Count("key:txt:80"), 0);  // a paste passes the key press handler by

  Txt()->selectAll();
  QTest::keyClick(Txt(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(TextOf("txt"), "PQ");
  EXPECT_EQ(Txt()->text(), "PQ");
}

TEST_F(UserInputTest, ARefusedValidationKeepsTheFocusAndSwallowsTheClick) {
  window.At("txt").set_text("bad");
  QTest::mouseClick(As<QPushButton>("btn"), Qt::LeftButton);
  QTest::mouseClick(As<QCheckBox>("chk"), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:btn"), 0);
  EXPECT_EQ(probe.Count("click:chk"), 0);
  EXPECT_FALSE(As<QCheckBox>("chk")->isChecked());
  EXPECT_EQ(window.focused(), &window.At("txt"));
  EXPECT_EQ(view.main_window().focusWidget(), Txt());

  QTest::keyClick(Txt(), Qt::Key_Tab);  // Tab asks the model as well
  EXPECT_EQ(probe.Count("validate:txt"), 3);
  ASSERT_TRUE(gui_test::ProcessEventsUntil([&] { return view.main_window().focusWidget() == Txt(); }));
  EXPECT_EQ(window.focused(), &window.At("txt"));

  window.At("txt").set_text("good");
  QTest::keyClick(Txt(), Qt::Key_Tab);
  EXPECT_EQ(window.focused(), &window.At("ro"));  // the next in the tab order
  QTest::mouseClick(As<QPushButton>("btn"), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:btn"), 1);
}

TEST_F(UserInputTest, TheTrimBarsArrowsStepTheValueTheWayItsRangeSays) {
  QScrollBar* bar = As<QScrollBar>("bar");
  // A spinner beside its box, not a full-height bar.
  EXPECT_LT(bar->height(), 3 * Txt()->sizeHint().height());
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 2));
  EXPECT_EQ(window.At("bar").value(), 1);  // up goes towards min, +5000
  EXPECT_EQ(probe.Count("change:bar"), 1);
  EXPECT_EQ(window.focused(), &window.At("bar"));
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 3));
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 3));
  EXPECT_EQ(window.At("bar").value(), -1);
  EXPECT_EQ(bar->value(), 1);
  EXPECT_EQ(probe.Count("change:bar"), 3);
}

TEST_F(UserInputTest, LabelsFramesAndTheBackgroundHaveTheirOwnClicks) {
  QTest::mouseClick(view.WidgetOf("lbl"), Qt::LeftButton);
  EXPECT_EQ(probe.Count("click:lbl"), 1);
  QTest::mouseClick(view.WidgetOf("frm"), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(probe.Count("click:frm"), 1);
  EXPECT_EQ(probe.Count("background"), 0);

  QTest::mouseClick(view.main_window().centralWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_EQ(probe.Count("background"), 1);
  EXPECT_EQ(window.focused(), &window.At("txt"));  // none of them takes the focus
  EXPECT_EQ(probe.Count("validate:txt"), 0);
}

TEST_F(UserInputTest, TheCloseButtonAsksTheModelWhichMayRefuse) {
  bool refuse = true;
  window.on_query_unload([&](ui::UiServices&, bool& cancel) { cancel = refuse; });
  int closed = 0;
  view.set_on_closed([&] { ++closed; });

  EXPECT_FALSE(view.main_window().close());
  EXPECT_TRUE(view.main_window().isVisible());
  EXPECT_FALSE(window.closed());

  refuse = false;
  EXPECT_TRUE(view.main_window().close());
  EXPECT_TRUE(window.closed());
  EXPECT_FALSE(view.main_window().isVisible());
  EXPECT_EQ(closed, 1);
}

TEST_F(UserInputTest, AHandlerClosingTheWindowClosesTheRealWindow) {
  window.At("quit").on_click([&](ui::UiServices&) { window.Close(); });
  int closed = 0;
  view.set_on_closed([&] { ++closed; });
  view.ActionOf("quit")->trigger();
  EXPECT_TRUE(window.closed());
  EXPECT_FALSE(view.main_window().isVisible());
  EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace gui
