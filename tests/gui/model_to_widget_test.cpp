// The window is built from its control table, and every change of the model shows at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>

#include "gui/window_view.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

class ModelToWidgetTest : public testing::Test {
 protected:
  template <typename W>
  W* As(const char* name, int index = -1) {
    return qobject_cast<W*>(view.WidgetOf(name, index));
  }
  QLabel* Panel(int i) { return view.main_window().statusBar()->findChildren<QLabel*>().at(i); }

  gui_test::ProbeWindow probe;
  ui::Window& window = probe.window;
  WindowView view{window};
};

TEST_F(ModelToWidgetTest, EachControlGetsAWidgetOfItsKindInsideItsFrame) {
  QLineEdit* txt = As<QLineEdit>("txt");
  ASSERT_NE(txt, nullptr);
  EXPECT_EQ(txt->parentWidget(), view.WidgetOf("frm"));
  EXPECT_TRUE(txt->alignment() & Qt::AlignRight);
  EXPECT_TRUE(As<QLineEdit>("ro")->isReadOnly());
  EXPECT_FALSE(As<QComboBox>("lst")->isEditable());
  EXPECT_TRUE(As<QComboBox>("cbo")->isEditable());
  EXPECT_EQ(As<QRadioButton>("opt", 1)->parentWidget(), view.WidgetOf("grp"));
  EXPECT_EQ(As<QScrollBar>("bar")->orientation(), Qt::Vertical);
  EXPECT_TRUE(view.WidgetOf("hidden")->isHidden());
  ASSERT_EQ(view.main_window().statusBar()->findChildren<QLabel*>().size(), 4);
  EXPECT_EQ(Panel(1)->text(), "two");
  const QList<QAction*> items = view.main_window().menuBar()->actions().at(0)->menu()->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_TRUE(items[0]->isSeparator());
  EXPECT_EQ(items[1]->text(), QString::fromUtf8("退出(&X)")) << "the accelerator stays";
}

TEST_F(ModelToWidgetTest, PropertyAndValueChangesShowAtOnce) {
  window.At("txt").set_text("xyz");
  window.At("txt").set_tool_tip("新");
  window.At("txt").set_read_only(true);
  EXPECT_EQ(As<QLineEdit>("txt")->text(), "xyz");
  EXPECT_EQ(As<QLineEdit>("txt")->toolTip(), QString::fromUtf8("新"));
  EXPECT_TRUE(As<QLineEdit>("txt")->isReadOnly());
  window.At("hidden").set_visible(true);
  EXPECT_FALSE(view.WidgetOf("hidden")->isHidden());
  window.At("sb").set_panel_text(4, "4/99");
  EXPECT_EQ(Panel(3)->text(), "4/99");
  window.set_caption("新标题");
  EXPECT_EQ(view.main_window().windowTitle(), QString::fromUtf8("新标题"));
  window.At("sep").set_caption("关于");
  EXPECT_FALSE(view.ActionOf("sep")->isSeparator());
  window.At("quit").set_enabled(false);
  EXPECT_FALSE(view.ActionOf("quit")->isEnabled());

  window.At("chk").set_value(1);
  EXPECT_TRUE(As<QCheckBox>("chk")->isChecked());
  window.At("opt", 0).set_selected(true);
  EXPECT_FALSE(As<QRadioButton>("opt", 1)->isChecked());
  window.At("opt", 0).set_selected(false);  // the model may leave a group without a selection
  EXPECT_FALSE(As<QRadioButton>("opt", 0)->isChecked());

  window.At("txt").set_enabled(false);
  window.At("frm").set_enabled(false);
  EXPECT_FALSE(view.WidgetOf("lbl")->isEnabled()) << "a disabled frame takes its controls with it";
  window.At("frm").set_enabled(true);
  EXPECT_TRUE(view.WidgetOf("lbl")->isEnabled());
  EXPECT_FALSE(view.WidgetOf("txt")->isEnabled()) << "its own state stays";
}

TEST_F(ModelToWidgetTest, ValuesAndListsFollowTheModelWithoutFeedingBack) {
  ui::Control& bar = window.At("bar");
  bar.set_value(25);
  EXPECT_EQ(As<QScrollBar>("bar")->value(), -25) << "min stands at the top";
  bar.set_min(-10);
  bar.set_max(10);
  EXPECT_EQ(As<QScrollBar>("bar")->value(), -10) << "the model moved the value into the range";
  EXPECT_EQ(probe.Count("change:bar"), 2);

  ui::Control& lst = window.At("lst");
  QComboBox* combo = As<QComboBox>("lst");
  lst.add_item("Psi", 3);
  lst.set_list_index(3);
  EXPECT_EQ(combo->itemText(3), "Psi");
  EXPECT_EQ(combo->currentIndex(), 3);
  lst.set_item_tool_tip(3, "Psi → 6.895 kPa");
  EXPECT_EQ(combo->itemData(3, Qt::ToolTipRole).toString(), QString::fromUtf8("Psi → 6.895 kPa"));
  EXPECT_EQ(combo->itemText(3), "Psi") << "a tool tip leaves the item's text alone";
  lst.clear_items();
  EXPECT_EQ(combo->count(), 0);
  EXPECT_EQ(probe.Count("click:lst"), 1) << "the model's change ran it once; showing it did not";

  window.At("cbo").set_text("14400");  // a typed entry is no item
  EXPECT_EQ(As<QComboBox>("cbo")->currentText(), "14400");
  window.At("cbo").set_list_index(1);
  EXPECT_EQ(As<QComboBox>("cbo")->currentText(), "4800");
  EXPECT_EQ(probe.Count("change:cbo"), 1);
}

}  // namespace
}  // namespace gui
