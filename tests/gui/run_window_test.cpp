// A whole run of the real window: services, load, show, the event loop and its end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/qt_window.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

// Ends a run that should have ended by itself, so that a fault fails the test instead of
// hanging it. Stops with the test.
class RunGuard {
 public:
  RunGuard() {
    QObject::connect(&timer_, &QTimer::timeout, [] { QCoreApplication::exit(kGuardStatus); });
    timer_.setSingleShot(true);
    timer_.start(30000);
  }
  static constexpr int kGuardStatus = 99;

 private:
  QTimer timer_;
};

QMainWindow* ShownMainWindow() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* main = qobject_cast<QMainWindow*>(top); main != nullptr && main->isVisible()) return main;
  }
  return nullptr;
}

TEST(RunWindowTest, ASnapshotRunSavesAPictureOfTheLoadedWindowAndEnds) {
  gui_test::ProbeWindow probe;
  probe.window.on_load([&](ui::UiServices&) { probe.window.At("sb").set_panel_text(1, "已启动"); });
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("probe.png");
  const RunGuard guard;
  EXPECT_EQ(RunQtWindow(probe.window, {.snapshot = path.toStdString()}), 0);
  EXPECT_TRUE(probe.window.loaded());
  const QImage picture(path);
  ASSERT_FALSE(picture.isNull());
  EXPECT_GT(picture.width(), 100);
  EXPECT_GT(picture.height(), 100);
}

TEST(RunWindowTest, ASnapshotThatCannotBeWrittenEndsTheRunWithAFailure) {
  gui_test::ProbeWindow probe;
  const RunGuard guard;
  EXPECT_EQ(RunQtWindow(probe.window, {.snapshot = "/nonexistent-folder-of-the-gui-test/x.png"}), 1);
}

TEST(RunWindowTest, TheLoadHandlerRunsWithTheRealServices) {
  gui_test::ProbeWindow probe;
  std::optional<ui::MessageBoxAnswer> answer;
  probe.window.on_load([&](ui::UiServices& services) {
    answer = services.ShowMessageBox(
        {"端口打开失败", "Halvora", ui::MessageBoxButtons::kRetryCancel, ui::MessageBoxIcon::kCritical});
  });
  const gui_test::BoxAnswerer answerer(QMessageBox::Retry);
  QTemporaryDir dir;
  const RunGuard guard;
  EXPECT_EQ(RunQtWindow(probe.window, {.snapshot = dir.filePath("x.png").toStdString()}), 0);
  EXPECT_TRUE(answerer.answered);
  EXPECT_EQ(answerer.icon, QMessageBox::Critical);
  EXPECT_EQ(answer, ui::MessageBoxAnswer::kRetry);
}

TEST(RunWindowTest, ClosingTheWindowEndsTheRunOnceTheModelAgrees) {
  gui_test::ProbeWindow probe;
  int asked = 0;
  probe.window.on_query_unload([&](ui::UiServices&, bool& cancel) { cancel = ++asked == 1; });
  QTimer closer;  // presses the close button until the run ends
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QMainWindow* main = ShownMainWindow()) main->close();
  });
  closer.start(1);
  const RunGuard guard;
  EXPECT_EQ(RunQtWindow(probe.window), 0);
  EXPECT_TRUE(probe.window.closed());
  EXPECT_EQ(asked, 2);  // the first close was refused and the window stayed
}

TEST(RunWindowTest, ALoadHandlerThatClosesTheWindowEndsTheRunAtOnce) {
  gui_test::ProbeWindow probe;
  probe.window.on_load([&](ui::UiServices&) { probe.window.Close(); });
  const RunGuard guard;
  EXPECT_EQ(RunQtWindow(probe.window), 0);
  EXPECT_TRUE(probe.window.closed());
  EXPECT_EQ(ShownMainWindow(), nullptr);
}

}  // namespace
}  // namespace gui
