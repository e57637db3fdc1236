#include "discovery/bus_search.h"

#include <cstdio>
#include <optional>
#include <string>

#include "discovery/device_read.h"
#include "platform/ui/text_pattern.h"
#include "protocol/commands.h"
#include "protocol/frame.h"
#include "shell/search_state.h"

namespace discovery {

namespace {

using shell::kSearchIdleCaption;
using shell::kSearchRunningCaption;
using shell::MainWindow;

constexpr int kLastAddress = 99;

std::string FoundText(int count) { return ui::FillPattern(kFoundText, {std::to_string(count)}); }

std::string BaudText(MainWindow& m) { return ui::FillPattern(kBaudText, {m["CMB_BAND"].text()}); }

std::string TwoDigits(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

// The search goes on while the caption says so and the port is still open. Closing the
// window during a search closes the port before the close is refused: the search then
// ends here, as after a stop, instead of probing a closed port 396 times.
bool KeepSearching(MainWindow& m) { return shell::SearchIsRunning(m) && m.MSCommBsq.port_open(); }

void WriteProgress(MainWindow& m, const std::string& address) {
  ui::Control& status = m["StatusBar1"];
  status.set_panel_text(
      1, ui::FillPattern(m.close_refused_in_search ? kProbingCloseRefusedText : kProbingText, {address}));
  status.set_panel_text(2, FoundText(m["CMB_ADDR"].item_count()));
  status.set_panel_text(3, ui::FillPattern(kPortText, {std::to_string(m.MSCommBsq.comm_port())}));
  status.set_panel_text(4, BaudText(m));
}

// Probes one address; a transmitter counts only when it answers with its own address.
void Probe(MainWindow& m, const std::string& address, int band_index) {
  const std::string result = m.Comm_Send(address, protocol::cmd::kAddress);
  if (!protocol::ExactMatch(result, address, address)) return;
  m["CMB_ADDR"].add_item(address);
  m.OnlineTable.back() = shell::OnlineEntry{address, static_cast<std::int16_t>(band_index)};
  m.OnlineTable.emplace_back();  // the spare entry
}

void ForgetFound(MainWindow& m) {
  m.OnlineTable.assign(1, shell::OnlineEntry{});
  ui::Control& found = m["CMB_ADDR"];
  for (int i = found.item_count() - 1; i >= 0; --i) found.remove_item(i);
}

void SetBand(MainWindow& m, int band_index) {
  ui::Control& bands = m["CMB_BAND"];
  bands.set_list_index(band_index);
  m.MSCommBsq.set_settings(bands.text() + ",N,8,1");
}

void Finish(MainWindow& m) {
  m["cmdSEARCH"].set_caption(std::string(kSearchIdleCaption));
  ui::Control& status = m["StatusBar1"];
  ui::Control& found = m["CMB_ADDR"];
  status.set_panel_text(1, std::string(kSearchDoneText));
  if (found.item_count() > 0) {
    m.OnlineTable.pop_back();
    status.set_panel_text(2, FoundText(found.item_count()));
    status.set_panel_text(4, BaudText(m));
    // Reads the first transmitter; on a port closed during the search that read would
    // only fill every box with failures, so the list keeps nothing selected.
    if (m.MSCommBsq.port_open()) found.set_list_index(0);
  } else {
    status.set_panel_text(2, std::string(kNoneFoundText));
    status.set_panel_text(4, ui::FillPattern(kBaudText, {""}));
  }
}

}  // namespace

void StopPolling(MainWindow& m) {
  m.ReleasePort();  // the bus poll stops before anything else
  m["Timer1"].set_enabled(false);
  m["cmdON_OFF"].set_caption("采集");
}

bool SearchOneAddress(MainWindow& m, const std::string& address, int band_index) {
  StopPolling(m);
  ForgetFound(m);
  SetBand(m, band_index);
  Probe(m, address, band_index);
  ui::Control& found = m["CMB_ADDR"];
  if (found.item_count() == 0) {
    m.OnlineTable.clear();
    return false;
  }
  m.OnlineTable.pop_back();  // the spare entry
  found.set_list_index(0);
  return true;
}

void cmdSEARCH_Click(MainWindow& m) {
  StopPolling(m);

  if (!m.MSCommBsq.port_open()) {
    m.MsgBox(std::string(kPortClosedText), std::string(kErrorTitle), ui::MessageBoxIcon::kExclamation);
    return;
  }
  ui::Control& button = m["cmdSEARCH"];
  if (button.caption() == kSearchRunningCaption) {
    button.set_caption(std::string(kSearchIdleCaption));  // the running search sees it and finishes
    return;
  }
  button.set_caption(std::string(kSearchRunningCaption));
  m.close_refused_in_search = false;

  ForgetFound(m);

  ui::Control& bands = m["CMB_BAND"];
  const int band_count = bands.item_count();
  const std::optional<int> fixed = m.MSCommBsq.fixed_baud();
  for (int b = band_count - 1; b >= 0 && KeepSearching(m); --b) {
    // Behind a raw stream the line runs at the server's speed whatever is set.
    if (fixed && bands.item_text(b) != std::to_string(*fixed)) continue;
    SetBand(m, b);
    for (int n = 1; n <= kLastAddress; ++n) {
      m.services().DoEvents();
      if (!KeepSearching(m)) break;
      const std::string address = TwoDigits(n);
      WriteProgress(m, address);
      Probe(m, address, b);
    }
  }
  Finish(m);
}

}  // namespace discovery
