// Tool windows open wholly on the screen, beside the program's window where there is room.
#include "gui/tool_window_place.h"

#include <gtest/gtest.h>

namespace gui {
namespace {

TEST(ToolWindowFrame, ToolWindowsOpenWhollyOnA1280By900Screen) {
  const QRect screen(0, 0, 1280, 900);
  const QRect dravon(QPoint(240, 100), QSize(806, 640));  // where a window manager centres it
  enum class Side { kRight, kBelow, kLeft, kAbove, kOverlapping };
  struct Case {
    const char* what;
    QSize wanted;
    QRect main;
    Side side;
  };
  const Case cases[] = {
      {"the chart, wider than the room beside", {900, 560}, dravon, Side::kOverlapping},
      {"the monitor", {760, 420}, dravon, Side::kOverlapping},
      {"the monitor, a lower window at the left", {760, 420}, QRect(0, 0, 806, 400), Side::kBelow},
      {"a narrow tool with room to the right", {400, 300}, QRect(0, 0, 806, 640), Side::kRight},
      {"room only to the left", {400, 300}, QRect(860, 0, 420, 880), Side::kLeft},
      {"room only above", {1000, 300}, QRect(0, 400, 1280, 500), Side::kAbove},
      {"larger than the screen: shrunk to it", {2000, 1200}, dravon, Side::kOverlapping},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QRect frame = ToolWindowFrame(c.wanted, c.main, screen);
    EXPECT_TRUE(screen.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    EXPECT_EQ(frame.size(), c.wanted.boundedTo(screen.size()));
    switch (c.side) {
      case Side::kRight:
        EXPECT_GT(frame.left(), c.main.right());
        break;
      case Side::kBelow:
        EXPECT_GT(frame.top(), c.main.bottom());
        break;
      case Side::kLeft:
        EXPECT_LT(frame.right(), c.main.left());
        break;
      case Side::kAbove:
        EXPECT_LT(frame.bottom(), c.main.top());
        break;
      case Side::kOverlapping:
        EXPECT_TRUE(frame.intersects(c.main)) << "no side has room: on the screen comes first";
        break;
    }
  }
}

}  // namespace
}  // namespace gui
