// The window's services on Qt: message boxes, timers and letting events run.
#include "gui/qt_services.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <optional>

#include "gui/qt_message_box.h"
#include "platform/ui/window.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

using ui::MessageBoxAnswer;
using ui::MessageBoxButtons;
using ui::MessageBoxIcon;
using ui::MessageBoxRequest;

class QtServicesTest : public testing::Test {
 protected:
  QtServicesTest() {
    window.Add({.kind = ui::ControlKind::kButton, .name = "btn", .text = "发送"});
    window.Add({.kind = ui::ControlKind::kTimer, .name = "tmr", .enabled = false, .interval = 1});
    window.AttachServices(services);
  }
  ~QtServicesTest() override { window.DetachServices(); }

  ui::Window window{"Probe", "Probe"};
  QtServices services{window};
};

TEST_F(QtServicesTest, AHandlersMessageBoxReachesTheHookWithEverythingItAsked) {
  std::optional<MessageBoxRequest> asked;
  services.set_message_box_hook([&](const MessageBoxRequest& request) {
    asked = request;
    return MessageBoxAnswer::kRetry;
  });
  MessageBoxAnswer answer = MessageBoxAnswer::kOk;
  window.At("btn").on_click([&](ui::UiServices& s) {
    answer =
        s.ShowMessageBox({"通讯失败", "错误COM1", MessageBoxButtons::kRetryCancel, MessageBoxIcon::kWarning});
  });
  window.At("btn").RaiseClick();
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->text, "通讯失败");
  EXPECT_EQ(asked->title, "错误COM1");
  EXPECT_EQ(asked->buttons, MessageBoxButtons::kRetryCancel);
  EXPECT_EQ(asked->icon, MessageBoxIcon::kWarning);
  EXPECT_EQ(answer, MessageBoxAnswer::kRetry);
}

TEST(QtMessageBoxTest, TheRealBoxShowsTheRequestAndReturnsTheButtonPressed) {
  gui_test::BoxAnswerer answerer(QMessageBox::Cancel);
  const MessageBoxAnswer answer = AskWithQMessageBox(
      {"无法打开端口", "Halvora", MessageBoxButtons::kRetryCancel, MessageBoxIcon::kExclamation}, nullptr);
  EXPECT_EQ(answer, MessageBoxAnswer::kCancel);
  EXPECT_TRUE(answerer.answered);
  EXPECT_EQ(answerer.title, "Halvora");
  EXPECT_EQ(answerer.text, QString::fromUtf8("无法打开端口"));
  EXPECT_EQ(answerer.icon, QMessageBox::Warning);
  EXPECT_EQ(answerer.offered, QMessageBox::Retry | QMessageBox::Cancel);

  gui_test::BoxAnswerer reply_check(QMessageBox::Ok);
  AskWithQMessageBox({"无回应\r$01AD*12\r", "错误", MessageBoxButtons::kOk, MessageBoxIcon::kNone}, nullptr);
  EXPECT_EQ(reply_check.text, QString::fromUtf8("无回应\n$01AD*12\n")) << "a carriage return breaks the line";

  for (const char* title : {"Write factory data", "写入工厂数据区", "The settings file cannot be applied"}) {
    gui_test::BoxAnswerer short_text(QMessageBox::Ok);
    AskWithQMessageBox({"OK!", title, MessageBoxButtons::kOk, MessageBoxIcon::kInformation}, nullptr);
    EXPECT_GE(short_text.width, TitleBarWidth(QString::fromUtf8(title))) << title << ": the title stands whole";
  }
}

// Counts what reaches it.
struct CountingWidget final : QWidget {
  void paintEvent(QPaintEvent*) override { ++paints; }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
  int paints = 0, keys = 0;
};

// A wait paints and shows the busy cursor; the user's input and the window's ticks wait
// for the event loop, and the cursor is back once events run outside the wait.
TEST_F(QtServicesTest, AWaitPaintsAndShowsItIsBusyWhileInputAndTicksWait) {
  CountingWidget shown;
  shown.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
  shown.paints = 0;
  shown.update();
  int ticks = 0;
  window.At("tmr").on_timer([&](ui::UiServices&) { ++ticks; });
  window.At("tmr").set_enabled(true);
  QThread::msleep(5);  // the 1 ms timer falls due, without letting it tick here
  QCoreApplication::postEvent(&shown, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
  services.Repaint();
  EXPECT_GT(shown.paints, 0);
  EXPECT_EQ(shown.keys, 0);
  EXPECT_EQ(ticks, 0) << "no handler runs during a wait";
  EXPECT_TRUE(services.waiting());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  window.At("tmr").set_enabled(false);
  EXPECT_TRUE(gui_test::ProcessEventsUntil([&] { return shown.keys > 0 && !services.waiting(); }));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the cursor is back once the wait is over";
}

// The user closes the window while a handler waits: the close is carried out once the
// handler is over, even when the handler shows a message box or lets events run after
// its wait (Qt would drop a close that reaches a window under a modal box).
TEST_F(QtServicesTest, ACloseDuringAWaitIsCarriedOutOnceTheHandlerIsOver) {
  struct Case {
    const char* what;
    bool events_after_wait;
  };
  for (const Case c :
       {Case{"the handler ends with its wait", false}, Case{"events run after the wait", true}}) {
    SCOPED_TRACE(c.what);
    ui::Window closing{"Closing", "Closing"};
    closing.Add({.kind = ui::ControlKind::kButton, .name = "btn", .text = "读取"});
    QtServices waits(closing);
    closing.AttachServices(waits);
    CountingWidget main;
    waits.set_dialog_parent(&main);
    main.show();
    bool closed_in_handler = false;
    int keys_in_handler = -1;
    closing.At("btn").on_click([&](ui::UiServices& s) {
      QCoreApplication::postEvent(&main, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
      QCoreApplication::postEvent(&main, new QCloseEvent);
      s.Repaint();  // one step of a wait for the line
      if (c.events_after_wait) s.DoEvents();
      closed_in_handler = closing.closed();
      keys_in_handler = main.keys;
    });
    closing.At("btn").RaiseClick();
    EXPECT_FALSE(closed_in_handler);
    EXPECT_TRUE(waits.close_held());
    EXPECT_TRUE(main.isVisible()) << "Qt's own close did not go through";
    EXPECT_EQ(keys_in_handler, 0) << "a key held by the wait waits for the handler's end too";
    EXPECT_TRUE(gui_test::ProcessEventsUntil([&] { return closing.closed() && main.keys > 0; }));
    EXPECT_FALSE(waits.close_held());
    closing.DetachServices();
  }
}

TEST_F(QtServicesTest, ATimerTicksThroughTheWindowOnlyWhileEnabled) {
  ui::Control& timer = window.At("tmr");
  int ticks = 0;
  timer.on_timer([&](ui::UiServices&) { ++ticks; });
  ASSERT_NE(services.TimerOf(timer), nullptr);
  EXPECT_FALSE(services.TimerOf(timer)->isActive());
  timer.set_enabled(true);
  EXPECT_TRUE(gui_test::ProcessEventsUntil([&] { return ticks >= 3; }));
  timer.set_enabled(false);
  EXPECT_FALSE(services.TimerOf(timer)->isActive());
  timer.set_enabled(true);
  timer.set_interval(0);  // an interval of 0 never ticks
  EXPECT_FALSE(services.TimerOf(timer)->isActive());
}

TEST_F(QtServicesTest, ATickLettingEventsRunIsNotEnteredAgainByItsOwnTimer) {
  ui::Control& timer = window.At("tmr");
  int depth = 0, deepest = 0, ticks = 0;
  timer.on_timer([&](ui::UiServices& s) {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    // Lets events run for a few of the timer's 1 ms intervals.
    gui_test::ProcessEventsUntil([] { return false; }, 5);
    s.DoEvents();
    --depth;
  });
  timer.set_enabled(true);
  EXPECT_TRUE(gui_test::ProcessEventsUntil([&] { return ticks >= 2; }));
  EXPECT_EQ(deepest, 1);
}

}  // namespace
}  // namespace gui
