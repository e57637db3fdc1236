#pragma once
// The main window with a found list as a search leaves it, for the bus poll and its view:
// the poll's readings are collected, and whole cycles run on the virtual clock.

#include <algorithm>
#include <string>
#include <vector>

#include "measure/attach.h"
#include "measure/bus_poll.h"
#include "measure/reading_feed.h"
#include "tests/support/dravon_fixture.h"

namespace measure_test {

struct Found {
  std::string address;
  int baud;
};

class BusPollFixture : public testing_support::DravonFixture {
 protected:
  // Readings are stamped from `wall_ms_at_start` on.
  explicit BusPollFixture(std::int64_t wall_ms_at_start = 0) : feed(clock) {
    clock.set_wall_ms(wall_ms_at_start);
    bus_poll = &measure::AttachMeasureHandlers(main, &feed);
    feed.Listen([this](const measure::Reading& r) { readings.push_back(r); });
  }

  static std::int16_t BandIndex(int baud) {
    const int rates[] = {1200, 2400, 4800, 9600};
    return static_cast<std::int16_t>(std::find(std::begin(rates), std::end(rates), baud) - std::begin(rates));
  }

  // The transmitters in the found list with their rates, the port at the first one's
  // rate; `select` reads the first as the search's end does.
  void FoundOnBus(const std::vector<Found>& found, bool select = false) {
    for (const Found& f : found) AddTransmitter(f.address, f.baud);
    Start(1);
    for (const Found& f : found) {
      (*this)["CMB_ADDR"].add_item(f.address);
      main.OnlineTable.push_back({f.address, BandIndex(f.baud)});
    }
    port.set_settings(std::to_string(found.front().baud) + ",N,8,1");
    if (select) (*this)["CMB_ADDR"].set_list_index(0);
    wire.clear();
    TakeCommands();
  }

  void ClickPollAll() { ASSERT_EQ(user.Click({"mnuPollAll", -1}).status, ui::ActionStatus::kDone); }

  // Starts when stopped and lets `n` more whole cycles run. A tick is one whole cycle and
  // the next is due a millisecond later, so waiting a millisecond at a time ends right
  // after the last of them, the poll still running.
  void RunCycles(std::uint64_t n) {
    const std::uint64_t target = bus_poll->cycles() + n;
    if (!bus_poll->running()) ClickPollAll();
    for (int guard = 0; bus_poll->cycles() < target && guard < 1'000'000; ++guard) services.loop.Wait(1);
    ASSERT_EQ(bus_poll->cycles(), target);
  }

  const measure::WatchedTransmitter& Watched(std::size_t k) { return bus_poll->transmitters().at(k); }

  measure::ReadingFeed feed;
  std::vector<measure::Reading> readings;
};

}  // namespace measure_test
