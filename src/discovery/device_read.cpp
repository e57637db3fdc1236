#include "discovery/device_read.h"

#include "platform/text/numeric_value.h"
#include "protocol/commands.h"
#include "protocol/frame.h"
#include "shell/reply_fill.h"

namespace discovery {

namespace {

using shell::MainWindow;
namespace cmd = protocol::cmd;

// The selected transmitter's baud rate, on the list and on the port.
void SelectEntryBaud(MainWindow& m) {
  ui::Control& bands = m["CMB_BAND"];
  bands.set_list_index(m.OnlineTable[static_cast<std::size_t>(m["CMB_ADDR"].list_index())].BandIndex);
  m.MSCommBsq.set_settings(bands.text() + ",N,8,1");
}

// A unit code as its text; a code outside the table is shown as it came.
std::string UnitText(MainWindow& m, const std::string& value) {
  const std::optional<int> code = platform::NumericIndex(value);
  if (code && *code >= 0 && *code < shell::kUnitCount) return m.UnitNames[static_cast<std::size_t>(*code)];
  return value;
}

}  // namespace

bool HasSelectedEntry(MainWindow& m) {
  const int k = m["CMB_ADDR"].list_index();
  return k >= 0 && k < static_cast<int>(m.OnlineTable.size());
}

void CMB_ADDR_Click(MainWindow& m) {
  if (!HasSelectedEntry(m)) return;
  m.ReleasePort();  // before the port moves to this transmitter's rate
  SelectEntryBaud(m);
  m["cmbUnit"].set_enabled(false);
  ReadAllParameters(m);
  m["cmbUnit"].set_enabled(true);
}

void ReadAllParameters(MainWindow& m) {
  if (!HasSelectedEntry(m)) return;
  m.ReleasePort();
  using protocol::ValueCut;

  SelectEntryBaud(m);  // 1
  m["TXT_ADDR"].set_text(m["CMB_ADDR"].text());
  m["TXT_BAND"].set_text(m["CMB_BAND"].text());

  m["TXT_TYPE"].set_text(ValueCut(m.SendToSelected(cmd::kType)));    // 2
  m["TXT_VER"].set_text(ValueCut(m.SendToSelected(cmd::kVersion)));  // 3
  shell::BoxFill(m["TXT_DAL"], m.SendToSelected(cmd::kOutputLow));   // 4
  shell::BoxFill(m["TXT_DAH"], m.SendToSelected(cmd::kOutputHigh));  // 5

  const bool fixed_range = m["TXT_VER"].text() == kFixedRangeVersion;
  m["TXT_SCZ"].set_text(ValueCut(m.SendToSelected(fixed_range ? cmd::kLimitLow : cmd::kRangeLow)));    // 6
  m["TXT_SCF"].set_text(ValueCut(m.SendToSelected(fixed_range ? cmd::kLimitHigh : cmd::kRangeHigh)));  // 7
  m["TXT_FUNIT"].set_text(
      UnitText(m, ValueCut(m.SendToSelected(fixed_range ? cmd::kLimitUnit : cmd::kUnit))));  // 8
  m["TXT_DPL"].set_enabled(!fixed_range);
  m["TXT_DPH"].set_enabled(!fixed_range);

  m["TXT_DPL"].set_text(ValueCut(m.SendToSelected(cmd::kRangeLow)));   // 9
  m["TXT_DPH"].set_text(ValueCut(m.SendToSelected(cmd::kRangeHigh)));  // 10

  // 11: a changed selection runs the unit handler (which writes the unit back).
  ui::Control& unit = m["cmbUnit"];
  const std::optional<int> unit_code = platform::NumericIndex(ValueCut(m.SendToSelected(cmd::kUnit)));
  if (unit_code && *unit_code >= 0 && *unit_code < unit.item_count()) unit.set_list_index(*unit_code);
  m["Label3"].set_caption(unit.text());

  m["txtType"].set_text(ValueCut(m.SendToSelected(cmd::kType)));   // 12
  m["TXT_ID"].set_text(ValueCut(m.SendToSelected(cmd::kSerial)));  // 13
  m["txtID"].set_text(m["TXT_ID"].text());
  shell::ListFill(m["Cmb_DP"], m.SendToSelected(cmd::kDecimalPoint));  // 14
  shell::BoxFill(m["TXT_DAZF"], m.SendToSelected(cmd::kTrimLow));      // 15
  shell::BoxFill(m["TXT_DAFF"], m.SendToSelected(cmd::kTrimHigh));     // 16

  ui::Control& pressure = m["TXT_PRESSURE"];  // 17: minimum and maximum restart here
  shell::BoxFill(pressure, m.SendToSelected(cmd::kReadPressure));
  m["txtMAX"].set_text(pressure.text());
  m["txtMIN"].set_text(pressure.text());

  shell::TemperatureFill(m["TXT_TEMPERATURE"], m.SendToSelected(cmd::kReadTemperature));  // 18

  m["Cmb_DP"].set_enabled(m["TXT_VER"].text() != kFixedRangeVersion);  // 19
}

}  // namespace discovery
