// Pemliq's labels that carry the captions of several controls, lined up with them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>

#include "gui/window_view.h"
#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "terminal/terminal_window.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

class PemliqWindowTest : public testing::Test {
 protected:
  QWidget* Widget(const char* name, int index = -1) { return view.WidgetOf(name, index); }
  // The label pieces of a control, left to right and top to bottom.
  QList<QLabel*> Pieces(const char* name) {
    QList<QLabel*> pieces = view.main_window().findChildren<QLabel*>(QString::fromUtf8(name));
    std::sort(pieces.begin(), pieces.end(), [](QLabel* a, QLabel* b) {
      return std::pair(a->geometry().top(), a->geometry().left()) <
             std::pair(b->geometry().top(), b->geometry().left());
    });
    return pieces;
  }

  platform::SerialPort port{[](int, platform::PortError& error) -> std::unique_ptr<platform::SerialDevice> {
                              error = {platform::kErrDeviceUnavailable, "端口不存在", ""};
                              return nullptr;
                            },
                            "MSComm1"};
  platform::VirtualClock clock;
  terminal::TerminalWindow form{port, clock};
  ui::Window& window = form.window();
  WindowView view{window};
};

TEST_F(PemliqWindowTest, LabelsCarryingSeveralCaptionsLineUpWithTheControlsTheyName) {
  window.Load();
  ASSERT_TRUE(gui_test::ShowActive(view.main_window()));
  const QList<QLabel*> pieces = Pieces("Label3");
  ASSERT_EQ(pieces.size(), 2);
  EXPECT_EQ(pieces[1]->text(), QString::fromUtf8("数据位"));
  const QRect port = Widget("Cbo_com")->geometry(), bits = Widget("Cbo_databit")->geometry();
  EXPECT_LE(pieces[0]->geometry().right(), port.left());
  EXPECT_GE(pieces[1]->geometry().left(), port.right());
  EXPECT_LE(pieces[1]->geometry().right(), bits.left());

  window.At("Label3").set_caption("端口            位数");  // spread over the same pieces
  EXPECT_EQ(pieces[1]->text(), QString::fromUtf8("位数"));
}

}  // namespace
}  // namespace gui
