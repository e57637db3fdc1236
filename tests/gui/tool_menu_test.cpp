// Tool windows beside the program's window: where their menu entries go and what
// triggering one does.
#include "gui/tool_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/window_view.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

QStringList EntryNames(const QMenu& menu) {
  QStringList names;
  for (const QAction* action : menu.actions()) names << action->objectName();
  return names;
}

TEST(ToolMenuTest, EntriesGoIntoTheModelsMenuBeforeTheNamedItemAndOpenTheirWindow) {
  gui_test::ProbeWindow probe;
  WindowView view(probe.window);
  QWidget* opened_with = nullptr;
  ToolMenu tools;
  tools.menu = "mnu";
  tools.before = "sep";
  tools.items = {{"actMonitor", "通信监视", [&](QWidget& main) { opened_with = &main; }},
                 {"actChart", "曲线", nullptr}};
  AddToolMenu(view, tools);
  const QMenu* menu = view.ActionOf("mnu")->menu();
  ASSERT_NE(menu, nullptr);
  const QStringList names = EntryNames(*menu);
  ASSERT_EQ(names.size(), 4);
  EXPECT_EQ(names.indexOf("actMonitor"), 0);
  EXPECT_EQ(names.indexOf("actChart"), 1);
  EXPECT_EQ(view.main_window().menuBar()->actions().size(), 1) << "no menu of the front-end's own";

  EXPECT_TRUE(OpenTool(view, "actMonitor"));
  EXPECT_EQ(opened_with, &view.main_window());
  EXPECT_TRUE(OpenTool(view, "actChart")) << "an entry without a window does nothing, quietly";
  EXPECT_FALSE(OpenTool(view, "actNone"));
  EXPECT_EQ(probe.window.At("quit").caption(), "退出(&X)") << "the model's items are untouched";
}

TEST(ToolMenuTest, AWindowWithoutTheNamedMenuGetsAMenuOfTheFrontEndsOwn) {
  gui_test::ProbeWindow probe;
  WindowView view(probe.window);
  int opened = 0;
  ToolMenu tools;
  tools.items = {{"actPorts", "端口映射", [&](QWidget&) { ++opened; }}};
  AddToolMenu(view, tools);
  const QList<QAction*> bar = view.main_window().menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar.back()->text(), "工具(&T)");
  EXPECT_EQ(EntryNames(*bar.back()->menu()), QStringList{"actPorts"});
  EXPECT_TRUE(OpenTool(view, "actPorts"));
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace gui
