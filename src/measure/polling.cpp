#include "measure/polling.h"

#include <string>

#include "measure/elapsed_time.h"
#include "measure/min_max.h"
#include "platform/text/decimal_text.h"
#include "measure/poll_outcome.h"
#include "platform/text/numeric_value.h"
#include "protocol/commands.h"

namespace measure {

namespace {

using shell::MainWindow;

// One more failed poll; the caption is its own count, as the label shows it.
void CountFailedPoll(ui::Control& counter) {
  counter.set_caption(platform::DecimalText(platform::NumericValue(counter.caption()) + 1, 0));
}

}  // namespace

std::string_view PollCommand(Quantity quantity) {
  return quantity == Quantity::kPressure ? protocol::cmd::kReadPressure : protocol::cmd::kReadTemperature;
}

void Timer1_Timer(MainWindow& m, const ReadingFeed* readings) {
  const bool temperature_turn = m.TempTurn;
  m.TempTurn = !temperature_turn;
  const Quantity quantity = temperature_turn ? Quantity::kTemperature : Quantity::kPressure;
  const std::string address = m["CMB_ADDR"].text();
  const std::int64_t sent_ms = readings != nullptr ? readings->NowMs() : 0;  // when the poll went out
  const PollOutcome outcome = OutcomeOf(quantity, m.SendToSelected(PollCommand(quantity)));
  // The reading is what the poll left in the panel: its box, its counter and its unit
  // label, so it never disagrees with what the window shows.
  ui::Control& box = m[temperature_turn ? "TXT_TEMPERATURE" : "TXT_PRESSURE"];
  box.set_text(outcome.text);
  if (outcome.failed) {
    CountFailedPoll(m[temperature_turn ? "Label20" : "Label19"]);
  } else if (!temperature_turn) {
    TrackMinMax(m["txtMIN"], m["txtMAX"], box.text());
  }
  if (readings != nullptr && readings->HasListeners()) {
    readings->Publish(
        ReadingOf(sent_ms, address, quantity, outcome, m[temperature_turn ? "Label4" : "Label3"].caption()));
  }
  m["StatusBar1"].set_panel_text(4, ElapsedText(m.PollStartTime, m.services().Now()));
}

void StopPolling(MainWindow& m) {
  m["Timer1"].set_enabled(false);
  m["cmdON_OFF"].set_caption(std::string(kPollStartCaption));
}

void cmdON_OFF_Click(MainWindow& m) {
  ui::Control& button = m["cmdON_OFF"];
  ui::Control& timer = m["Timer1"];
  if (button.caption() != kPollStartCaption) {
    StopPolling(m);
    return;
  }
  m.ReleasePort();  // the bus poll and this polling never run together
  // The first tick comes one interval from now: enabling restarts the timer's beat.
  timer.set_enabled(true);
  button.set_caption(std::string(kPollStopCaption));
  m["Label19"].set_caption("0");
  m["Label20"].set_caption("0");
  m.PollStartTime = m.services().Now();
}

}  // namespace measure
