#include "config/range_unit.h"

#include "config/value_normalisation.h"
#include "discovery/device_read.h"
#include "protocol/commands.h"
#include "shell/reply_fill.h"

namespace config {

namespace {

namespace cmd = protocol::cmd;
using shell::MainWindow;

// The user's unit change and the one further read its own read may start.
constexpr int kMostNestedUnitReads = 2;

class CountWhile {
 public:
  explicit CountWhile(int& count) : count_(count) { ++count_; }
  ~CountWhile() { --count_; }
  CountWhile(const CountWhile&) = delete;
  CountWhile& operator=(const CountWhile&) = delete;

 private:
  int& count_;
};

}  // namespace

void cmdSCALE_Read_Click(MainWindow& m) {
  shell::ListFill(m, "cmbUnit", m.SendToSelected(cmd::kUnit));
  shell::ListFill(m, "Cmb_DP", m.SendToSelected(cmd::kDecimalPoint));
  shell::BoxFill(m["TXT_DPL"], m.SendToSelected(cmd::kRangeLow));
  shell::BoxFill(m["TXT_DPH"], m.SendToSelected(cmd::kRangeHigh));
}

void cmdSCALE_Write_Click(MainWindow& m) {
  shell::ListFill(m, "cmbUnit", m.SendToSelected(cmd::kUnit, shell::IndexArgument(m["cmbUnit"])));
  shell::ListFill(m, "Cmb_DP", m.SendToSelected(cmd::kDecimalPoint, shell::IndexArgument(m["Cmb_DP"])));
  ui::Control& low = m["TXT_DPL"];
  shell::BoxFill(low, m.SendToSelected(cmd::kRangeLow, low.text()));
  ui::Control& high = m["TXT_DPH"];
  shell::BoxFill(high, m.SendToSelected(cmd::kRangeHigh, high.text()));
}

void cmbUnit_Click(MainWindow& m, UnitReadNesting& nesting) {
  ui::Control& unit = m["cmbUnit"];
  m.SendToSelected(cmd::kUnit, shell::IndexArgument(unit));  // the echo is not needed
  if (!unit.enabled() || nesting.running >= kMostNestedUnitReads) return;
  CountWhile reading(nesting.running);
  discovery::ReadAllParameters(m);
}

void TXT_DPL_Validate(MainWindow& m, bool&) { NormaliseValueBox(m, m["TXT_DPL"]); }
void TXT_DPH_Validate(MainWindow& m, bool&) { NormaliseValueBox(m, m["TXT_DPH"]); }

}  // namespace config
