// Dravon's own control table in the real window: every control it shows is there with its
// caption, in the arrangement of the window, and the shell's window events work through it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <optional>

#include "gui/qt_services.h"
#include "gui/window_view.h"
#include "platform/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/settings/settings_store.h"
#include "shell/main_window.h"
#include "shell/search_state.h"
#include "shell/startup.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

// The text a widget shows for its control's caption or text.
QString ShownText(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
  return {};
}

class DravonWindowTest : public testing::Test {
 protected:
  QWidget* Widget(const char* name) { return view.WidgetOf(name); }
  QRect Frame(const char* name) { return Widget(name)->geometry(); }  // within its frame

  platform::SerialPort port{[](int, platform::PortError& error) -> std::unique_ptr<platform::SerialDevice> {
                              error = {platform::kErrDeviceUnavailable, "端口不存在", ""};
                              return nullptr;
                            },
                            "MSCommBsq"};
  platform::VirtualClock clock;
  platform::MemorySettingsStore store;
  shell::MainWindow dravon{port, clock, store};
  ui::Window& window = dravon.window();
  WindowView view{window};
};

TEST_F(DravonWindowTest, EveryControlOfTheTableHasItsWidgetCaptionAndState) {
  view.main_window().show();
  int checked = 0;
  for (const ui::Control& control : window.controls()) {
    SCOPED_TRACE(control.display_name());
    switch (control.kind()) {
      case ui::ControlKind::kTimer:
        EXPECT_EQ(view.WidgetOf(control.name()), nullptr);
        continue;
      case ui::ControlKind::kMenu:
      case ui::ControlKind::kMenuItem: {
        QAction* action = view.ActionOf(control.name());
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isSeparator(), control.caption() == "-");
        if (!action->isSeparator()) {
          EXPECT_EQ(action->text().toStdString(), control.caption());
        }
        continue;
      }
      case ui::ControlKind::kStatusBar:
        EXPECT_EQ(view.WidgetOf(control.name()), view.main_window().statusBar());
        continue;
      default:
        break;
    }
    QWidget* widget = view.WidgetOf(control.name(), control.index());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->isVisibleTo(&view.main_window()), window.IsShown(control));
    EXPECT_EQ(widget->isEnabled(), window.DisabledBy(control) == nullptr);
    EXPECT_EQ(widget->toolTip().toStdString(), control.tool_tip());
    if (control.kind() != ui::ControlKind::kScrollBar) {
      EXPECT_EQ(ShownText(widget).toStdString(), control.text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      ASSERT_EQ(combo->count(), control.item_count());
      for (int i = 0; i < combo->count(); ++i)
        EXPECT_EQ(combo->itemText(i).toStdString(), control.item_text(i));
    }
    ++checked;
  }
  EXPECT_GT(checked, 80);
  EXPECT_EQ(view.main_window().windowTitle().toStdString(), shell::kWindowCaption);
}

TEST_F(DravonWindowTest, TheFramesAndTrimBarsStandInTheWindowsArrangement) {
  ASSERT_TRUE(gui_test::ShowActive(view.main_window()));
  const QRect info = Frame("frame_INFO"), basic = Frame("frame_ADBD"), range = Frame("frame_DISP");
  const QRect live = Frame("frame_CVALUE"), output = Frame("frame_IOUT"), console = Frame("Frame_Command");
  EXPECT_LE(info.bottom(), basic.top());
  EXPECT_LE(basic.bottom(), range.top());
  EXPECT_LE(range.right(), live.left());
  EXPECT_LE(live.bottom(), output.top());
  EXPECT_EQ(output.top(), console.top());
  EXPECT_LE(output.right(), console.left());
  for (const char* name : {"cmdSEARCH", "cmdReFresh", "COM_QUIT", "txtPass"}) {  // the right edge
    EXPECT_GE(Frame(name).left(), console.right()) << name;
  }
  // Each trim bar is an up-down spinner right beside its box, a little taller than it.
  for (const auto& [bar, box] : {std::pair{"VScroll1", "TXT_DAZF"}, std::pair{"VScroll2", "TXT_DAFF"}}) {
    const QRect spinner = Frame(bar), text = Frame(box);
    EXPECT_GE(spinner.height(), text.height()) << bar;
    EXPECT_LE(spinner.height(), text.height() * 3 / 2) << bar;
    EXPECT_GE(spinner.left(), text.right()) << bar;
    EXPECT_LE(spinner.left() - text.right(), text.height()) << bar;
    EXPECT_LE(std::abs(spinner.center().y() - text.center().y()), 4) << bar;
  }
}

TEST_F(DravonWindowTest, TheShellsWindowEventsWorkThroughTheRealWindow) {
  QtServices services(window);
  std::vector<ui::MessageBoxRequest> boxes;
  services.set_message_box_hook([&](const ui::MessageBoxRequest& request) {
    boxes.push_back(request);
    return ui::MessageBoxAnswer::kOk;
  });
  window.AttachServices(services);
  shell::AttachShellHandlers(dravon);
  window.Load();
  ASSERT_TRUE(gui_test::ShowActive(view.main_window()));

  // Nothing stored: no port chosen, and the start hint in the first panel.
  EXPECT_EQ(qobject_cast<QComboBox*>(Widget("cmbCommPort"))->currentIndex(), -1);
  const QList<QLabel*> panels = view.main_window().statusBar()->findChildren<QLabel*>();
  ASSERT_EQ(panels.size(), 4);
  EXPECT_EQ(panels[0]->text().toStdString(), dravon["StatusBar1"].panel_text(1));
  EXPECT_FALSE(panels[0]->text().isEmpty());

  // Choosing a port that cannot open shows the serial layer's message.
  qobject_cast<QComboBox*>(Widget("cmbCommPort"))->activated(2);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Halvora");
  EXPECT_EQ(boxes[0].icon, ui::MessageBoxIcon::kExclamation);

  // A click on the background empties the access-code box and puts the focus there.
  QTest::keyClicks(Widget("txtPass"), "12");
  EXPECT_EQ(dravon["txtPass"].text(), "12");
  QTest::mouseClick(Widget("TXT_ADDR"), Qt::LeftButton);
  QTest::mouseClick(view.main_window().centralWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_EQ(dravon["txtPass"].text(), "");
  EXPECT_EQ(qobject_cast<QLineEdit*>(Widget("txtPass"))->text(), "");
  EXPECT_EQ(view.main_window().focusWidget(), Widget("txtPass"));

  // No close while a search runs; the quit button closes the window otherwise.
  dravon["cmdSEARCH"].set_caption(std::string(shell::kSearchRunningCaption));
  EXPECT_FALSE(view.main_window().close());
  EXPECT_TRUE(view.main_window().isVisible());
  dravon["cmdSEARCH"].set_caption(std::string(shell::kSearchIdleCaption));
  QTest::mouseClick(qobject_cast<QAbstractButton*>(Widget("COM_QUIT")), Qt::LeftButton);
  EXPECT_TRUE(window.closed());
  EXPECT_FALSE(view.main_window().isVisible());
  window.DetachServices();
}

}  // namespace
}  // namespace gui
