#include "measure/polling.h"

#include <string>

#include "measure/elapsed_time.h"
#include "measure/min_max.h"
#include "platform/text/decimal_text.h"
#include "platform/text/numeric_value.h"
#include "platform/text/utf8_text.h"
#include "protocol/commands.h"
#include "protocol/frame.h"
#include "shell/reply_fill.h"

namespace measure {

namespace {

using shell::MainWindow;
namespace cmd = protocol::cmd;

// A pressure result must be longer than this to count as a reading: "*", the address,
// at least five value characters and the CR. The error results are shorter and count
// as failed polls.
constexpr std::size_t kPressureFailLength = 8;

// The length as the box counts its text: in characters, not UTF-8 bytes.
std::size_t Length(const std::string& text) { return platform::utf8::CountCharacters(text); }

// One more failed poll; the caption is its own count, as the label shows it.
void CountFailedPoll(ui::Control& counter) {
  counter.set_caption(platform::DecimalText(platform::NumericValue(counter.caption()) + 1, 0));
}

// A reply without a value and a failed transaction alike count as failed polls: a pulled
// cable must never read as 0 °C.
void PollTemperature(MainWindow& m) {
  if (!shell::TemperatureFill(m["TXT_TEMPERATURE"], m.SendToSelected(cmd::kReadTemperature)))
    CountFailedPoll(m["Label20"]);
}

void PollPressure(MainWindow& m) {
  ui::Control& box = m["TXT_PRESSURE"];
  box.set_text(m.SendToSelected(cmd::kReadPressure));
  if (Length(box.text()) > kPressureFailLength) {
    box.set_text(protocol::ValueCut(box.text()));  // shown as the transmitter wrote it
    TrackMinMax(m["txtMIN"], m["txtMAX"], box.text());
  } else {
    CountFailedPoll(m["Label19"]);
  }
}

}  // namespace

void Timer1_Timer(MainWindow& m, const ReadingFeed* readings) {
  const bool temperature_turn = m.TempTurn;
  m.TempTurn = !temperature_turn;
  // The reading is what the poll left in the panel: its box, its counter and its unit
  // label, so it never disagrees with what the window shows.
  ui::Control& box = m[temperature_turn ? "TXT_TEMPERATURE" : "TXT_PRESSURE"];
  ui::Control& counter = m[temperature_turn ? "Label20" : "Label19"];
  const std::string count_before = counter.caption();
  const std::string address = m["CMB_ADDR"].text();
  const std::int64_t sent_ms = readings != nullptr ? readings->NowMs() : 0;  // when the poll went out
  if (temperature_turn) {
    PollTemperature(m);
  } else {
    PollPressure(m);
  }
  if (readings != nullptr && readings->HasListeners()) {
    Reading r{.time_ms = sent_ms,
              .address = address,
              .quantity = temperature_turn ? Quantity::kTemperature : Quantity::kPressure,
              .text = box.text(),
              .value = std::nullopt,
              .unit = m[temperature_turn ? "Label4" : "Label3"].caption(),
              .failed = counter.caption() != count_before};
    if (!r.failed) r.value = platform::LeadingNumber(r.text);  // none for "+@OVER"
    readings->Publish(r);
  }
  m["StatusBar1"].set_panel_text(4, ElapsedText(m.PollStartTime, m.services().Now()));
}

void cmdON_OFF_Click(MainWindow& m) {
  ui::Control& button = m["cmdON_OFF"];
  ui::Control& timer = m["Timer1"];
  if (button.caption() != kPollStartCaption) {
    timer.set_enabled(false);
    button.set_caption(std::string(kPollStartCaption));
    return;
  }
  // The first tick comes one interval from now: enabling restarts the timer's beat.
  timer.set_enabled(true);
  button.set_caption(std::string(kPollStopCaption));
  m["Label19"].set_caption("0");
  m["Label20"].set_caption("0");
  m.PollStartTime = m.services().Now();
}

}  // namespace measure
