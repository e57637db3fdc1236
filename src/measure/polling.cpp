#include "measure/polling.h"

#include <cstdio>
#include <string>

#include "measure/elapsed_time.h"
#include "measure/min_max.h"
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
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", platform::NumericValue(counter.caption()) + 1);
  counter.set_caption(text);
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

void Timer1_Timer(MainWindow& m) {
  const bool temperature_turn = m.TempTurn;
  m.TempTurn = !temperature_turn;
  if (temperature_turn) {
    PollTemperature(m);
  } else {
    PollPressure(m);
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
