// A whole run of the real window: services, load, show, the event loop and its end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/qt_window.h"
#include "tests/gui/probe_window.h"

namespace gui {
namespace {

// Ends a run that should have ended by itself, so that a fault fails the test instead of
// hanging it. Stops with the test.
struct RunGuard {
  RunGuard() {
    QObject::connect(&timer, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    timer.start(30000);
  }
  QTimer timer;
};

TEST(RunWindowTest, ASnapshotRunSavesAPictureOfTheLoadedWindowAndEnds) {
  gui_test::ProbeWindow probe;
  probe.window.on_load([&](ui::UiServices&) { probe.window.At("sb").set_panel_text(1, "已启动"); });
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("probe.png");
  const RunGuard guard;
  RunOptions options;
  options.snapshot = path.toStdString();
  EXPECT_EQ(RunQtWindow(probe.window, options), 0);
  EXPECT_TRUE(probe.window.loaded());
  const QImage picture(path);
  ASSERT_FALSE(picture.isNull());
  EXPECT_GT(picture.width(), 100);
  EXPECT_GT(picture.height(), 100);
  gui_test::ProbeWindow other;
  options.snapshot = "/nonexistent-folder-of-the-gui-test/x.png";
  EXPECT_EQ(RunQtWindow(other.window, options), 1) << "a snapshot that cannot be written fails the run";
}

TEST(RunWindowTest, ALoadHandlerThatClosesTheWindowEndsTheRunAtOnce) {
  gui_test::ProbeWindow probe;
  probe.window.on_load([&](ui::UiServices&) { probe.window.Close(); });
  const RunGuard guard;
  EXPECT_EQ(RunQtWindow(probe.window), 0);
  EXPECT_TRUE(probe.window.closed());
}

}  // namespace
}  // namespace gui
