#include "gui/tool_window_place.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace gui {

namespace {

// The gap between the program's window and a tool window beside it.
constexpr int kGap = 4;

// `frame` moved the least to lie within `room`, which it fits.
QRect Inside(QRect frame, const QRect& room) {
  frame.moveLeft(std::clamp(frame.left(), room.left(), room.right() - frame.width() + 1));
  frame.moveTop(std::clamp(frame.top(), room.top(), room.bottom() - frame.height() + 1));
  return frame;
}

}  // namespace

QRect ToolWindowFrame(QSize wanted, const QRect& main, const QRect& room) {
  const QSize size = wanted.boundedTo(room.size());
  const QPoint beside[] = {
      {main.right() + 1 + kGap, main.top()},
      {main.left(), main.bottom() + 1 + kGap},
      {main.left() - kGap - size.width(), main.top()},
      {main.left(), main.top() - kGap - size.height()},
  };
  for (const QPoint at : beside) {
    const QRect frame(at, size);
    if (room.contains(frame)) return frame;
  }
  return Inside(QRect(beside[0], size), room);
}

void PlaceBeside(QWidget& tool, const QWidget& main_window) {
  const QScreen* screen = main_window.screen();
  if (screen == nullptr) return;
  // A window not yet shown has no frame of its own: it will get one like the main window's.
  const QSize decoration = main_window.frameGeometry().size() - main_window.size();
  const QRect frame =
      ToolWindowFrame(tool.size() + decoration, main_window.frameGeometry(), screen->availableGeometry());
  tool.resize(frame.size() - decoration);
  tool.move(frame.topLeft());
}

}  // namespace gui
