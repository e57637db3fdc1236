#include "gui/tool_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/window_view.h"

namespace gui {

namespace {

// The front-end's menu captions, shown in the window's language (see ToolItem::caption).
QString Caption(const std::string& caption) {
  return QCoreApplication::translate(kToolMenuContext, caption.c_str());
}

// The model's menu when it names one the window has, else a menu of the front-end's own.
QMenu& MenuFor(WindowView& view, const ToolMenu& tools, QAction*& before) {
  before = nullptr;
  if (!tools.menu.empty()) {
    if (QAction* menu_action = view.ActionOf(tools.menu);
        menu_action != nullptr && menu_action->menu() != nullptr) {
      before = tools.before.empty() ? nullptr : view.ActionOf(tools.before);
      return *menu_action->menu();
    }
  }
  return *view.main_window().menuBar()->addMenu(Caption(tools.caption));
}

}  // namespace

void AddToolMenu(WindowView& view, const ToolMenu& tools) {
  if (tools.items.empty()) return;
  QAction* before = nullptr;
  QMenu& menu = MenuFor(view, tools, before);
  QMainWindow& main = view.main_window();
  for (const ToolItem& item : tools.items) {
    auto* action = new QAction(Caption(item.caption), &menu);
    action->setObjectName(QString::fromStdString(item.name));
    menu.insertAction(before, action);
    QObject::connect(action, &QAction::triggered, &main, [open = item.open, &main] {
      if (open) open(main);
    });
  }
}

bool OpenTool(WindowView& view, const std::string& name) {
  auto* action = view.main_window().findChild<QAction*>(QString::fromStdString(name));
  if (action == nullptr) action = view.ActionOf(name, -1);  // an item of the window's own menus
  if (action == nullptr) return false;
  action->trigger();
  return true;
}

}  // namespace gui
