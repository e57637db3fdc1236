#pragma once
// The order Tab moves the focus in: the window's controls as they are read, left to right
// and top to bottom by their grid cells, each frame's controls in its place, read the same
// way. Only controls that take the focus are tab stops; Qt skips the hidden and disabled
// ones, and read-only boxes are no tab stops (see widget_sync).

#include <QWidget>
#include <vector>

#include "gui/widget_table.h"
#include "platform/ui/window.h"

namespace gui {

std::vector<QWidget*> ReadingOrder(const ui::Window& window, WidgetTable& table);

// Chains the widgets of ReadingOrder for Tab and Shift+Tab.
void SetTabOrder(const ui::Window& window, WidgetTable& table);

}  // namespace gui
