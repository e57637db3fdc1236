#pragma once
// Builds the widgets of a window's control table into a QMainWindow, one generic rule per
// kind of control: frames become group boxes with a grid of their own, the controls of a
// frame (or of the window) stand in that grid by their layout hints, menus go to the menu
// bar, the first window-level status bar to the window's status bar and the window's
// tool bar, if it has one, under the menu. Timers have no widget. Each widget starts out
// showing the control's state, and Tab follows the reading order (see tab_order.h).

#include "gui/widget_table.h"
#include "platform/ui/window.h"

class QMainWindow;

namespace gui {

void BuildWidgets(ui::Window& window, QMainWindow& main, WidgetTable& table);

}  // namespace gui
