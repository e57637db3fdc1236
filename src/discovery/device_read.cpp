#include "discovery/device_read.h"

#include "platform/text/numeric_value.h"
#include "platform/ui/text_pattern.h"
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

// A unit code as its text; a code outside the table is shown as it came, and a failed
// exchange as its result.
std::string UnitText(MainWindow& m, const std::string& result) {
  if (!shell::Answered(result)) return result;
  const std::string value = protocol::ValueCut(result);
  const std::optional<int> code = platform::NumericIndex(value);
  if (code && *code >= 0 && *code < shell::kUnitCount) return m.UnitNames[static_cast<std::size_t>(*code)];
  return value;
}

// The reads of one full read, counting those that failed.
class Reads {
 public:
  explicit Reads(MainWindow& m) : m_(m) {}
  std::string operator()(std::string_view mnemonic) {
    std::string result = m_.SendToSelected(mnemonic);
    if (!shell::Answered(result)) ++failed_;
    return result;
  }
  int failed() const { return failed_; }

 private:
  MainWindow& m_;
  int failed_ = 0;
};

void ReportFailures(MainWindow& m, int failed) {
  ui::Control& status = m["StatusBar1"];
  if (failed > 0) {
    status.set_panel_text(1, ui::FillPattern(kReadFailuresText, {std::to_string(failed)}));
  } else if (ui::MatchPattern(kReadFailuresText, status.panel_text(1))) {
    status.set_panel_text(1, std::string(kReadCompleteText));
  }
}

}  // namespace

UnitListHeld::UnitListHeld(MainWindow& m) : main_(m), was_enabled_(m["cmbUnit"].enabled()) {
  main_["cmbUnit"].set_enabled(false);
}

UnitListHeld::~UnitListHeld() { main_["cmbUnit"].set_enabled(was_enabled_); }

bool HasSelectedEntry(MainWindow& m) {
  const int k = m["CMB_ADDR"].list_index();
  return k >= 0 && k < static_cast<int>(m.OnlineTable.size());
}

void CMB_ADDR_Click(MainWindow& m) {
  if (!HasSelectedEntry(m)) return;
  m.ReleasePort();  // before the port moves to this transmitter's rate
  SelectEntryBaud(m);
  UnitListHeld held(m);
  ReadAllParameters(m);
}

void ReadAllParameters(MainWindow& m) {
  if (!HasSelectedEntry(m)) return;
  m.ReleasePort();
  Reads read(m);

  SelectEntryBaud(m);  // 1
  m["TXT_ADDR"].set_text(m["CMB_ADDR"].text());
  m["TXT_BAND"].set_text(m["CMB_BAND"].text());

  shell::CutFill(m["TXT_TYPE"], read(cmd::kType));       // 2
  shell::CutFill(m["TXT_VER"], read(cmd::kVersion));     // 3
  shell::BoxFill(m["TXT_DAL"], read(cmd::kOutputLow));   // 4
  shell::BoxFill(m["TXT_DAH"], read(cmd::kOutputHigh));  // 5

  const bool fixed_range = m["TXT_VER"].text() == kFixedRangeVersion;
  shell::CutFill(m["TXT_SCZ"], read(fixed_range ? cmd::kLimitLow : cmd::kRangeLow));       // 6
  shell::CutFill(m["TXT_SCF"], read(fixed_range ? cmd::kLimitHigh : cmd::kRangeHigh));     // 7
  m["TXT_FUNIT"].set_text(UnitText(m, read(fixed_range ? cmd::kLimitUnit : cmd::kUnit)));  // 8
  m["TXT_DPL"].set_enabled(!fixed_range);
  m["TXT_DPH"].set_enabled(!fixed_range);

  shell::CutFill(m["TXT_DPL"], read(cmd::kRangeLow));   // 9
  shell::CutFill(m["TXT_DPH"], read(cmd::kRangeHigh));  // 10

  // 11: a changed selection runs the unit handler (which writes the unit back); a reply
  // without a code changes nothing.
  shell::ListFill(m, "cmbUnit", read(cmd::kUnit));
  m["Label3"].set_caption(m["cmbUnit"].text());

  shell::CutFill(m["txtType"], read(cmd::kType));   // 12
  shell::CutFill(m["TXT_ID"], read(cmd::kSerial));  // 13
  m["txtID"].set_text(m["TXT_ID"].text());
  shell::ListFill(m, "Cmb_DP", read(cmd::kDecimalPoint));  // 14
  shell::BoxFill(m["TXT_DAZF"], read(cmd::kTrimLow));      // 15
  shell::BoxFill(m["TXT_DAFF"], read(cmd::kTrimHigh));     // 16

  ui::Control& pressure = m["TXT_PRESSURE"];  // 17: minimum and maximum restart here
  shell::BoxFill(pressure, read(cmd::kReadPressure));
  m["txtMAX"].set_text(pressure.text());
  m["txtMIN"].set_text(pressure.text());

  shell::TemperatureFill(m["TXT_TEMPERATURE"], read(cmd::kReadTemperature));  // 18

  m["Cmb_DP"].set_enabled(m["TXT_VER"].text() != kFixedRangeVersion);  // 19
  ReportFailures(m, read.failed());
}

}  // namespace discovery
