#pragma once
// Live polling of the selected transmitter. Each Timer1 tick is one transaction,
// temperature and pressure in turn; the timer keeps no backlog, so when a transaction
// outlasts the interval (a silent transmitter at 1200 baud) polling runs back to back.

#include "measure/reading_feed.h"
#include "shell/main_window.h"

namespace measure {

inline constexpr std::string_view kPollStartCaption = "采集";
inline constexpr std::string_view kPollStopCaption = "停止";

// One tick: "RT0" when TempTurn was set, else "RP0"; then the elapsed time in panel 4.
// A failed pressure poll counts in Label19, a temperature poll without a value or with
// a failure result in Label20; a closed port fails like a silent line. Each tick hands
// one reading to the listeners of `readings`, when it is given.
void Timer1_Timer(shell::MainWindow& main, const ReadingFeed* readings = nullptr);

// The command that asks for `quantity`.
std::string_view PollCommand(Quantity quantity);

// Stops polling: Timer1 off, the button back to its start caption.
void StopPolling(shell::MainWindow& main);

// Starts polling (counters back to 0, the elapsed time from now; minimum, maximum and
// the turn stay) or stops it.
void cmdON_OFF_Click(shell::MainWindow& main);

}  // namespace measure
