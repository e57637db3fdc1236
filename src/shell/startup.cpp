#include "shell/startup.h"

#include <cmath>
#include <optional>

#include "platform/text/numeric_value.h"
#include "shell/port_choice.h"
#include "shell/search_state.h"

namespace shell {

namespace {

void Form_Load(MainWindow& m) {
  // 1. The unit texts a unit code is shown as.
  m.UnitNames = {"kPa",  "MPa", "mH2O", "Bar",   "Psi",  "mBar", "kgf/cm2",
                 "mmHg", "atm", "Pa",   "inH2O", "inHg", "User"};

  // 2.-7. Port steps: a step that fails is skipped, silently.
  if (m.MSCommBsq.port_open()) m.MSCommBsq.set_port_open(false);
  m.MSCommBsq.DiscardOutput();
  m.MSCommBsq.DiscardInput();
  m.app_title = std::string(kAppTitle);
  const std::string stored = m.settings.Get(m.app_title, "Transmitter", "CommPort", "");
  ui::Control& ports = m["cmbCommPort"];
  if (const auto index = StoredPortIndex(stored, ports.item_count())) ports.set_list_index(*index);

  m["StatusBar1"].set_panel_text(1, std::string(kStartHint));
  m.TempTurn = true;
}

void Form_Click(MainWindow& m) {
  ui::Control& pass = m["txtPass"];
  m.window().SetFocus(pass);
  pass.set_text("");
}

// The close is refused while a bus search runs (whose progress then says why);
// otherwise the port is closed.
void Form_QueryUnload(MainWindow& m, bool& cancel) {
  if (SearchIsRunning(m)) {
    cancel = true;
    m.close_refused_in_search = true;
    return;
  }
  m.ReleasePort();
  if (m.MSCommBsq.port_open()) m.MSCommBsq.set_port_open(false);
}

// Closes the port first, then asks the window to close. During a search the close is
// refused, but the port is closed all the same: the search then ends at its next check,
// keeping what it found.
void COM_QUIT_Click(MainWindow& m) {
  m.ReleasePort();
  if (m.MSCommBsq.port_open()) m.MSCommBsq.set_port_open(false);
  m.window().Close();
}

}  // namespace

std::optional<int> StoredPortIndex(std::string_view stored, int item_count) {
  // Any number converts, rounded to the nearest integer (halves to even): "3.0" is port 3.
  const std::optional<double> number = platform::ParseNumberText(stored);
  if (!number) return std::nullopt;
  const double index = std::nearbyint(*number) - 1;
  if (index < 0 || index >= item_count) return std::nullopt;
  return static_cast<int>(index);
}

void AttachShellHandlers(MainWindow& m) {
  ui::Window& w = m.window();
  w.on_load([&m](ui::UiServices&) { Form_Load(m); });
  w.on_background_click([&m](ui::UiServices&) { Form_Click(m); });
  w.on_query_unload([&m](ui::UiServices&, bool& cancel) { Form_QueryUnload(m, cancel); });
  m["COM_QUIT"].on_click([&m](ui::UiServices&) { COM_QUIT_Click(m); });
  m["Exit"].on_click([&m](ui::UiServices&) { COM_QUIT_Click(m); });
  m["cmbCommPort"].on_click([&m](ui::UiServices&) { cmbCommPort_Click(m); });
}

}  // namespace shell
