// Timer ticks: the beat, ticks that never queue up behind a long handler, restarts, and
// waiting that sleeps straight to the next due event.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/headless/headless_driver.h"
#include "test_window.h"

namespace ui_test {
namespace {

using ::testing::ElementsAre;

class TimerRun : public ::testing::Test {
 protected:
  // Runs `script` with the polling timer; returns the tick log.
  std::vector<std::string> Run(const std::string& script) {
    std::istringstream in(script);
    ui::headless::HeadlessDriver(t.window, clock, in, out, ui::TimeOfDay{}).Run();
    return t.log;
  }
  RecordingClock clock;
  TestWindow t{clock};
  std::ostringstream out;
};

TEST_F(TimerRun, WaitSleepsToEachTickAndEndsExactlyOnTime) {
  EXPECT_THAT(Run("click cmdPoll\nwait 1000\n"), ElementsAre("tick at 300", "tick at 600", "tick at 900"));
  EXPECT_EQ(clock.now_ms(), 1000u);
  EXPECT_THAT(clock.sleeps_ms, ElementsAre(300, 600, 900, 1000));  // no spinning, no small steps
}

TEST_F(TimerRun, HandlerOutlastingTheIntervalGetsOneTickRightAfterNotABacklog) {
  t.tick_cost_ms = 450;  // a 1200 baud transaction against a 300 ms timer
  // The wait ends inside the tick at 1650; the tick due meanwhile comes when the window
  // next takes its events, here before the close at the end of input.
  EXPECT_THAT(Run("click cmdPoll\nwait 2000\n"),
              ElementsAre("tick at 300", "tick at 750", "tick at 1200", "tick at 1650", "tick at 2100"));
}

TEST_F(TimerRun, EnablingOrChangingTheIntervalRestartsTheSchedule) {
  t["cmdSend"].on_click([&](ui::UiServices&) { t["tmrPoll"].set_interval(400); });
  t["cmdAsk"].on_click([&](ui::UiServices&) {
    t["tmrPoll"].set_enabled(false);
    t["tmrPoll"].set_enabled(true);
  });
  Run("click cmdPoll\nwait 200\nclick cmdSend\nwait 500\nclick cmdAsk\nwait 500\n");
  // Started at 0; interval changed at 200 (first tick 600); off and on again at 700.
  EXPECT_THAT(t.log, ElementsAre("tick at 600", "tick at 1100"));
}

TEST_F(TimerRun, DisabledTimerAndClosedWindowDoNotTick) {
  t["tmrPoll"].on_timer([&](ui::UiServices&) {
    t.log.push_back("tick at " + std::to_string(clock.now_ms()));
    t["tmrPoll"].set_enabled(false);
  });
  EXPECT_THAT(Run("click cmdPoll\nwait 1000\nclick cmdPoll\nclose\nwait 1000\n"), ElementsAre("tick at 300"));
  EXPECT_EQ(clock.now_ms(), 1000u);  // the run ended with the window
}

TEST_F(TimerRun, TickHandlerLettingEventsRunIsNotReenteredByItsOwnTimer) {
  t.tick_cost_ms = 400;
  int depth = 0;
  t["tmrPoll"].on_timer([&](ui::UiServices& services) {
    ++depth;
    t.log.push_back("tick at " + std::to_string(clock.now_ms()) + " depth " + std::to_string(depth));
    clock.advance_ms(400);
    services.DoEvents();
    --depth;
  });
  Run("click cmdPoll\nwait 900\n");
  EXPECT_THAT(t.log, ElementsAre("tick at 300 depth 1", "tick at 700 depth 1", "tick at 1100 depth 1"));
}

}  // namespace
}  // namespace ui_test
