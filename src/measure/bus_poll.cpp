#include "measure/bus_poll.h"

#include <algorithm>

#include "discovery/bus_search.h"
#include "measure/min_max.h"
#include "measure/polling.h"
#include "platform/serial/line_settings.h"
#include "platform/text/numeric_value.h"
#include "protocol/commands.h"
#include "protocol/frame.h"
#include "shell/search_state.h"

namespace measure {

namespace {

// A reply that carries something after the address: a unit code, a serial number.
std::optional<std::string> ValueOf(std::string_view result) {
  if (protocol::IsFailureResult(result) || result.size() <= 4) return std::nullopt;
  return protocol::ValueCut(result);
}

bool Answered(std::string_view result) { return result != protocol::kResultNoReply; }

}  // namespace

BusPoll::BusPoll(shell::MainWindow& main, const ReadingFeed* readings) : main_(main), readings_(readings) {}

bool BusPoll::running() const { return main_.window().At("tmrPollAll").enabled(); }

void BusPoll::Toggle() {
  if (running()) {
    Stop();
  } else {
    Start();
  }
}

void BusPoll::TakeFoundList() {
  std::vector<WatchedTransmitter> found;
  const ui::Control& list = main_["CMB_ADDR"];
  const std::size_t count = std::min(static_cast<std::size_t>(list.item_count()), main_.OnlineTable.size());
  for (std::size_t k = 0; k < count; ++k) {
    const shell::OnlineEntry& entry = main_.OnlineTable[k];
    // The list's text, as an address change may have edited it.
    const std::string address = list.item_text(static_cast<int>(k));
    if (address.empty()) continue;
    auto known = std::find_if(transmitters_.begin(), transmitters_.end(), [&](const WatchedTransmitter& t) {
      return t.address == address && t.band_index == entry.BandIndex;
    });
    WatchedTransmitter t = known != transmitters_.end() ? *known : WatchedTransmitter{};
    t.address = address;
    t.band_index = entry.BandIndex;
    t.failures = 0;
    t.failed_last_turn = false;
    t.silent = false;
    found.push_back(std::move(t));
  }
  transmitters_ = std::move(found);
}

void BusPoll::Start() {
  if (running() || shell::SearchIsRunning(main_)) return;
  if (!main_.MSCommBsq.port_open()) {
    main_.MsgBox(std::string(discovery::kPortClosedText), std::string(discovery::kErrorTitle),
                 ui::MessageBoxIcon::kExclamation);
    return;
  }
  TakeFoundList();
  if (transmitters_.empty()) {
    main_.MsgBox(std::string(kNothingFoundText), std::string(discovery::kErrorTitle),
                 ui::MessageBoxIcon::kExclamation);
    return;
  }
  main_.ReleasePort();
  StopPolling(main_);
  settings_before_ = main_.MSCommBsq.settings();
  main_.HoldPort([this] { Stop(); });
  ++generation_;
  ui::Control& timer = main_["tmrPollAll"];
  timer.set_interval(1);  // the first cycle at once; it sets the beat of the others
  timer.set_enabled(true);
  main_["mnuPollAll"].set_caption(std::string(kBusPollStopCaption));
  Notify();
}

void BusPoll::Stop() {
  if (!running()) return;
  ++generation_;
  main_.HoldPort(nullptr);
  main_["tmrPollAll"].set_enabled(false);
  main_["mnuPollAll"].set_caption(std::string(kBusPollStartCaption));
  if (main_.MSCommBsq.port_open() && main_.MSCommBsq.settings() != settings_before_)
    main_.MSCommBsq.set_settings(settings_before_);
  Notify();
}

void BusPoll::set_interval_ms(int interval_ms) { interval_ms_ = std::max(0, interval_ms); }

bool BusPoll::MayExchange(std::uint64_t generation) {
  main_.services().DoEvents();
  return generation == generation_ && running() && !main_.window().closed() && main_.MSCommBsq.port_open() &&
         !shell::SearchIsRunning(main_);
}

std::optional<std::string> BusPoll::Exchange(std::size_t k, std::string_view command,
                                             std::uint64_t generation) {
  if (!MayExchange(generation) || k >= transmitters_.size()) return std::nullopt;
  const WatchedTransmitter& t = transmitters_[k];
  // A rate switch only where the rate changes: transmitters found at one rate follow
  // each other in the found list.
  const std::string rate = main_["CMB_BAND"].item_text(t.band_index) + ",N,8,1";
  const std::optional<platform::LineSettings> wanted = platform::LineSettings::Parse(rate);
  if (wanted && !(*wanted == main_.MSCommBsq.line_settings())) main_.MSCommBsq.set_settings(rate);
  std::string result = main_.SendAsHolder(t.address, command);
  if (Answered(result)) transmitters_[k].last_answer_us = now_us();
  return result;
}

void BusPoll::Identify(std::size_t k, std::uint64_t generation) {
  const std::optional<std::string> unit = Exchange(k, protocol::cmd::kUnit, generation);
  if (!unit) return;
  const std::optional<std::string> serial = Exchange(k, protocol::cmd::kSerial, generation);
  if (!serial) return;
  WatchedTransmitter& t = transmitters_[k];
  const std::optional<std::string> code_text = ValueOf(*unit);
  const std::optional<std::string> number = ValueOf(*serial);
  if (!code_text || !number) return;  // asked again at its next turn
  // The unit as the panel's unit label names it; a code beyond the list as it came.
  const std::optional<int> code = platform::NumericIndex(*code_text);
  const ui::Control& units = main_["cmbUnit"];
  t.unit = code && *code >= 0 && *code < units.item_count() ? units.item_text(*code) : *code_text;
  t.serial = *number;
  t.identified = true;
}

void BusPoll::Record(WatchedTransmitter& t, Quantity quantity, const PollOutcome& outcome) {
  if (outcome.failed) {
    ++t.failures;
    t.failed_last_turn = true;
    return;
  }
  if (quantity == Quantity::kTemperature) {
    t.temperature = outcome.text;
    return;
  }
  t.pressure = outcome.text;
  if (t.min.empty() && t.max.empty()) {
    if (outcome.text == kOverflowLow || outcome.text == kOverflowHigh) return;
    t.min = t.max = outcome.text;  // the first reading seeds both, as a read does
  } else {
    TrackMinMax(t.min, t.max, outcome.text);
  }
}

void BusPoll::Publish(const WatchedTransmitter& t, Quantity quantity, const PollOutcome& outcome,
                      std::int64_t sent_ms) {
  if (readings_ == nullptr || !readings_->HasListeners()) return;
  readings_->Publish(ReadingOf(sent_ms, t.address, quantity, outcome,
                               quantity == Quantity::kPressure ? t.unit : main_["Label4"].caption()));
}

bool BusPoll::Turn(std::size_t k, std::uint64_t generation) {
  const std::int64_t pressure_ms = readings_ != nullptr ? readings_->NowMs() : 0;
  const std::optional<std::string> pressure = Exchange(k, PollCommand(Quantity::kPressure), generation);
  if (!pressure) return false;
  transmitters_[k].failed_last_turn = false;
  transmitters_[k].silent = !Answered(*pressure);
  const PollOutcome pressure_outcome = PressureOutcome(*pressure);
  if (transmitters_[k].silent) {
    // Marked, and the loop goes on: a dead address costs one time-out a cycle.
    Record(transmitters_[k], Quantity::kPressure, pressure_outcome);
    Publish(transmitters_[k], Quantity::kPressure, pressure_outcome, pressure_ms);
    Notify();
    return true;
  }
  if (!transmitters_[k].identified) Identify(k, generation);
  if (generation != generation_) return false;
  Record(transmitters_[k], Quantity::kPressure, pressure_outcome);
  Publish(transmitters_[k], Quantity::kPressure, pressure_outcome, pressure_ms);
  Notify();

  const std::int64_t temperature_ms = readings_ != nullptr ? readings_->NowMs() : 0;
  const std::optional<std::string> temperature = Exchange(k, PollCommand(Quantity::kTemperature), generation);
  if (!temperature) return false;
  const PollOutcome temperature_outcome = TemperatureOutcome(*temperature);
  Record(transmitters_[k], Quantity::kTemperature, temperature_outcome);
  Publish(transmitters_[k], Quantity::kTemperature, temperature_outcome, temperature_ms);
  Notify();
  return true;
}

void BusPoll::Cycle() {
  if (!running()) return;
  const std::uint64_t generation = generation_;
  ui::Control& timer = main_["tmrPollAll"];
  // Set at the cycle's start, the beat counts from here.
  if (timer.interval() != TimerInterval()) timer.set_interval(TimerInterval());
  const std::uint64_t start = now_us();
  for (std::size_t k = 0; k < transmitters_.size(); ++k) {
    if (!Turn(k, generation)) return;
  }
  last_cycle_us_ = now_us() - start;
  ++cycles_;
  Notify();
}

bool BusPoll::SelectInMainWindow(std::size_t k) {
  Stop();
  if (k >= transmitters_.size()) return false;
  const WatchedTransmitter& t = transmitters_[k];
  ui::Control& list = main_["CMB_ADDR"];
  for (std::size_t i = 0; i < main_.OnlineTable.size() && i < static_cast<std::size_t>(list.item_count());
       ++i) {
    if (list.item_text(static_cast<int>(i)) == t.address && main_.OnlineTable[i].BandIndex == t.band_index)
      return list.set_list_index(static_cast<int>(i)) || list.list_index() == static_cast<int>(i);
  }
  return false;
}

}  // namespace measure
