#pragma once
// Watching the whole bus: every transmitter of the found list (CMB_ADDR with its
// OnlineTable entry) polled in turn, pressure then temperature, each at the rate the
// search found it at. The polls are judged as the selected transmitter's are, and every
// reading goes to the readings stream with its address, so the history, the log and the
// chart see every transmitter without a path of their own.
//
// The loop runs on the window's timer tmrPollAll: one tick is one cycle over the list,
// letting window events run before each exchange (as the search does before each
// address), so the window stays live and a stop, a search, a read or a close lands
// between two exchanges, never inside one. While it runs it holds the port (see
// MainWindow::HoldPort): any other exchange stops it first and gets the port back at
// the rate it had before.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "measure/poll_outcome.h"
#include "measure/reading_feed.h"
#include "platform/listeners.h"
#include "shell/main_window.h"

namespace measure {

inline constexpr std::string_view kBusPollStartCaption = "巡检全部变送器(&B)";
inline constexpr std::string_view kBusPollStopCaption = "停止巡检(&B)";
// Shown (titled discovery::kErrorTitle) when there is nothing to poll.
inline constexpr std::string_view kNothingFoundText = "没有在线变送器：请先搜索变送器。";

// What the bus poll knows of one found transmitter.
struct WatchedTransmitter {
  std::string address;
  int band_index = 0;                           // in CMB_BAND's list: the rate it was found at
  std::string serial;                           // read once it first answers; empty until then
  std::string unit;                             // the pressure unit as the panel names it; empty until read
  bool identified = false;                      // unit and serial number read
  std::string pressure;                         // the last good pressure, as the transmitter wrote it
  std::string temperature;                      // the last good temperature, as shown ("23.5")
  std::string min, max;                         // the lowest and highest pressure, as written
  int failures = 0;                             // failed polls since the bus poll was started
  std::optional<std::uint64_t> last_answer_us;  // clock time of its last answer
  bool failed_last_turn = false;                // shown in red
  bool silent = false;                          // its last turn got no answer at all
};

class BusPoll {
 public:
  // `readings`, when given, receives every poll's reading and must outlive this.
  BusPoll(shell::MainWindow& main, const ReadingFeed* readings);
  BusPoll(const BusPoll&) = delete;
  BusPoll& operator=(const BusPoll&) = delete;

  // Starts from the found list as it is now: the selected-transmitter polling stops, the
  // failure counts start again from 0 (minimum, maximum, unit and serial number of a
  // transmitter still found at the same rate stay). A closed port or an empty list is
  // refused with a message box; a running search refuses silently (its stop button is
  // the way out). The first cycle comes at once.
  void Start();
  // Stops after the exchange in progress; the port gets back the rate it had at the start.
  void Stop();
  // mnuPollAll: starts, or stops when running.
  void Toggle();
  bool running() const;

  // From the start of one cycle to the start of the next; 0 is back to back, as fast as
  // the bus allows. A cycle longer than the interval is followed by the next at once.
  int interval_ms() const { return interval_ms_; }
  void set_interval_ms(int interval_ms);

  const std::vector<WatchedTransmitter>& transmitters() const { return transmitters_; }
  // The duration of the last whole cycle (0 before the first) and how many there were.
  std::uint64_t last_cycle_us() const { return last_cycle_us_; }
  std::uint64_t cycles() const { return cycles_; }
  std::uint64_t now_us() const { return main_.clock.now_us(); }

  // Stops, then selects transmitter `k` of the table in the main window, which reads it.
  // False when it is no longer in the found list.
  bool SelectInMainWindow(std::size_t k);

  // Told after every exchange and every start and stop; the number forgets it again.
  int Listen(std::function<void()> listener) { return listeners_.Listen(std::move(listener)); }
  void Forget(int id) { listeners_.Forget(id); }

  // tmrPollAll's tick: one cycle.
  void Cycle();

 private:
  bool MayExchange(std::uint64_t generation);
  // One transmitter's turn; false when the poll stopped meanwhile.
  bool Turn(std::size_t k, std::uint64_t generation);
  std::optional<std::string> Exchange(std::size_t k, std::string_view command, std::uint64_t generation);
  void Identify(std::size_t k, std::uint64_t generation);
  void Record(WatchedTransmitter& t, Quantity quantity, const PollOutcome& outcome);
  void Publish(const WatchedTransmitter& t, Quantity quantity, const PollOutcome& outcome,
               std::int64_t sent_ms);
  void TakeFoundList();
  int TimerInterval() const { return interval_ms_ > 0 ? interval_ms_ : 1; }
  void Notify() { listeners_.Notify(); }

  shell::MainWindow& main_;
  const ReadingFeed* readings_;
  std::vector<WatchedTransmitter> transmitters_;
  int interval_ms_ = 0;
  std::uint64_t generation_ = 0;  // a new one at every start and stop: a cycle of an old one ends
  std::uint64_t last_cycle_us_ = 0;
  std::uint64_t cycles_ = 0;
  std::string settings_before_;  // the port's line settings when the poll started
  platform::Listeners listeners_;
};

}  // namespace measure
