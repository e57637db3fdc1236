// Pemliq's control table in the real window: its editable lists, its option groups, and
// the labels that carry the captions of several controls, lined up with them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QTest>

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
  const QList<QLabel*> delay = Pieces("Label5");
  ASSERT_EQ(delay.size(), 2);
  EXPECT_GE(delay[1]->geometry().left(), Widget("Txt_delay")->geometry().right());

  // One line per row beside the send and receive boxes.
  const QList<QLabel*> lines = Pieces("Label2");
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[1]->text(), QString::fromUtf8("接收字符串："));
  EXPECT_NEAR(lines[0]->geometry().center().y(), Widget("Txt_send")->geometry().center().y(), 4);
  EXPECT_NEAR(lines[1]->geometry().center().y(), Widget("Txt_receive")->geometry().center().y(), 4);

  window.At("Label3").set_caption("端口            位数");  // spread over the same pieces
  EXPECT_EQ(pieces[1]->text(), QString::fromUtf8("位数"));
}

TEST_F(PemliqWindowTest, ATypedBaudRateAndTheModeLeaveTheOtherSettingsAlone) {
  window.Load();
  ASSERT_TRUE(gui_test::ShowActive(view.main_window()));
  auto* baud = qobject_cast<QComboBox*>(Widget("Cbo_bound"));
  ASSERT_NE(baud, nullptr);
  EXPECT_EQ(baud->currentText(), "9600");
  QTest::keyClicks(baud->lineEdit(), "0");
  EXPECT_EQ(window.At("Cbo_bound").text(), "96000");

  QTest::mouseClick(Widget("Opt_normal"), Qt::LeftButton);
  EXPECT_FALSE(qobject_cast<QRadioButton*>(Widget("Opt_spacial"))->isChecked());
  EXPECT_TRUE(qobject_cast<QRadioButton*>(Widget("optcrc", 1))->isChecked());
}

}  // namespace
}  // namespace gui
