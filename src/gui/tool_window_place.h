#pragma once
// Where a tool window (monitor, chart, port mapping) opens: wholly on the screen, beside
// the program's window where there is room so that it hides none of its controls, and
// shrunk to the screen when it is larger.

#include <QRect>
#include <QSize>

class QWidget;

namespace gui {

// The tool window's frame for a frame of `wanted` size, with the program's window's frame
// at `main` on a screen whose free area is `room`: to the right of it, else below, left,
// above; when none has room, as near to the right as keeps it on the screen.
QRect ToolWindowFrame(QSize wanted, const QRect& main, const QRect& room);

// Moves and sizes the not yet shown `tool` by ToolWindowFrame, on the screen of `main_window`.
void PlaceBeside(QWidget& tool, const QWidget& main_window);

}  // namespace gui
