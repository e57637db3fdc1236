// A whole run of the real window: services, load, show, the event loop and its end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <string>
#include <vector>

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

TEST(RunWindowTest, StepsBeforeASnapshotRunInTurnAndABadStepFailsTheRun) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    const char* steps;
    int status;
    std::vector<std::string> events;  // what the window saw, in order
    bool picture;
  };
  const Case cases[] = {
      {"click btn; wait 20;choose lst 2 ;  ; background; type txt 9", 0, {"click:btn", "click:lst", "change:txt"}, true},
      {"# nothing but a comment", 0, {}, true},
      {"click btn; show txt", 1, {}, false},       // not a step: refused before the window shows
      {"click btn; click nosuch", 1, {"click:btn"}, false},  // the window cannot do it: no picture
      {"wait", 1, {}, false},                      // a wait without its time
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    gui_test::ProbeWindow probe;
    const RunGuard guard;
    RunOptions options;
    options.snapshot = dir.filePath("steps.png").toStdString();
    options.snapshot_after = c.steps;
    QFile::remove(dir.filePath("steps.png"));
    EXPECT_EQ(RunQtWindow(probe.window, options), c.status);
    std::vector<std::string> seen;
    for (const std::string& e : probe.events) {
      if (e.rfind("click:", 0) == 0 || e.rfind("change:", 0) == 0) seen.push_back(e);
    }
    EXPECT_EQ(seen, c.events);
    EXPECT_EQ(QFile::exists(dir.filePath("steps.png")), c.picture);
  }
  gui_test::ProbeWindow alone;
  RunOptions without_picture;
  without_picture.snapshot_after = "click btn";
  EXPECT_EQ(RunQtWindow(alone.window, without_picture), 1) << "steps come only before a picture";
  EXPECT_FALSE(alone.window.loaded());
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
