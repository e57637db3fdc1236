#include "config/range_unit.h"

#include "config/selected_transmitter.h"
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
  shell::ListFill(m["cmbUnit"], SendToSelected(m, cmd::kUnit));
  shell::ListFill(m["Cmb_DP"], SendToSelected(m, cmd::kDecimalPoint));
  shell::BoxFill(m["TXT_DPL"], SendToSelected(m, cmd::kRangeLow));
  shell::BoxFill(m["TXT_DPH"], SendToSelected(m, cmd::kRangeHigh));
}

void cmdSCALE_Write_Click(MainWindow& m) {
  ui::Control& unit = m["cmbUnit"];
  shell::ListFill(unit, SendToSelected(m, cmd::kUnit, shell::IndexArgument(unit)));
  ui::Control& decimal_point = m["Cmb_DP"];
  shell::ListFill(decimal_point, SendToSelected(m, cmd::kDecimalPoint, shell::IndexArgument(decimal_point)));
  ui::Control& low = m["TXT_DPL"];
  shell::BoxFill(low, SendToSelected(m, cmd::kRangeLow, low.text()));
  ui::Control& high = m["TXT_DPH"];
  shell::BoxFill(high, SendToSelected(m, cmd::kRangeHigh, high.text()));
}

void cmbUnit_Click(MainWindow& m, UnitReadNesting& nesting) {
  ui::Control& unit = m["cmbUnit"];
  SendToSelected(m, cmd::kUnit, shell::IndexArgument(unit));  // the echo is not needed
  if (!unit.enabled() || nesting.running >= kMostNestedUnitReads) return;
  CountWhile reading(nesting.running);
  discovery::ReadAllParameters(m);
}

void TXT_DPL_Validate(MainWindow& m, bool&) { NormaliseValueBox(m, m["TXT_DPL"]); }
void TXT_DPH_Validate(MainWindow& m, bool&) { NormaliseValueBox(m, m["TXT_DPH"]); }

}  // namespace config
