#include "discovery/address_change.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/text/numeric_value.h"
#include "platform/ui/text_pattern.h"
#include "protocol/commands.h"
#include "protocol/frame.h"
#include "shell/reply_fill.h"

namespace discovery {

namespace {

using shell::MainWindow;
namespace cmd = protocol::cmd;

// Step 1: an address already in the list (other than the selected one) is refused.
bool RefuseDuplicate(MainWindow& m) {
  ui::Control& addr = m["TXT_ADDR"];
  ui::Control& found = m["CMB_ADDR"];
  if (addr.text() == found.text()) return false;  // same address: only the baud rate changes
  for (int i = 0; i < found.item_count(); ++i) {
    if (found.item_text(i) != addr.text()) continue;
    m.MsgBox(ui::FillPattern(kAddressTakenText, {found.item_text(i)}), std::string(kErrorTitle));
    addr.set_text(found.text());
    return true;
  }
  return false;
}

// Step 2: the transmitter answers from its new address with that address as the value.
void ChangeAddress(MainWindow& m) {
  ui::Control& addr = m["TXT_ADDR"];
  shell::BoxFill(addr, m.SendToSelected(std::string(cmd::kAddress) + addr.text()));
  ui::Control& found = m["CMB_ADDR"];
  found.set_item_text(found.list_index(), addr.text());
}

// Step 3: the port follows only once the transmitter has confirmed from its new address.
void ChangeBaud(MainWindow& m) {
  ui::Control& bands = m["CMB_BAND"];
  ui::Control& found = m["CMB_ADDR"];
  const std::string code = shell::IndexArgument(bands);
  const std::string result = m.SendToSelected(std::string(cmd::kBaud) + code);
  if (!protocol::ExactMatch(result, found.text(), code)) return;
  const auto k = static_cast<std::size_t>(found.list_index());
  if (k < m.OnlineTable.size()) m.OnlineTable[k].BandIndex = static_cast<std::int16_t>(bands.list_index());
  m["TXT_BAND"].set_text(bands.text());
  m.MSCommBsq.set_settings(bands.text() + ",N,8,1");
  const std::optional<int> fixed = m.MSCommBsq.fixed_baud();
  if (fixed && std::to_string(*fixed) != bands.text())
    m.MsgBox(ui::FillPattern(kServerSpeedText, {bands.text(), std::to_string(*fixed)}), "",
             ui::MessageBoxIcon::kExclamation);
}

}  // namespace

void TXT_ADDR_Validate(MainWindow& m, bool& cancel) {
  ui::Control& addr = m["TXT_ADDR"];
  const std::optional<double> value = platform::ParseNumberText(addr.text());
  if (!value || *value > 99 || *value < 1) {
    m.MsgBox(std::string(kAddressInvalidText), std::string(kErrorTitle));
    cancel = true;
    return;
  }
  char text[8];
  std::snprintf(text, sizeof text, "%02d", static_cast<int>(std::lround(*value)));
  addr.set_text(text);
}

void COM_ADDR_Click(MainWindow& m) {
  // Every command goes to the selected entry, and step 2 edits it: without one there is
  // nothing to address.
  if (m["CMB_ADDR"].list_index() < 0) return;
  if (RefuseDuplicate(m)) return;
  ChangeAddress(m);
  ChangeBaud(m);
  ui::Control& type = m["txtType"];
  shell::CutFill(type, m.SendToSelected(cmd::kType, type.text()));
  ui::Control& serial = m["txtID"];
  shell::CutFill(serial, m.SendToSelected(cmd::kSerial, serial.text()));
}

}  // namespace discovery
