#include "config/settings_apply.h"

#include "config/data_areas.h"
#include "discovery/device_read.h"
#include "platform/ui/user_actions.h"
#include "protocol/commands.h"

namespace config {

namespace {

using shell::MainWindow;
namespace cmd = protocol::cmd;

// A setting whose write came back wrong is reported with that echo, unless the read
// afterwards shows it wrong too: then with what was read.
std::vector<SettingDifference> Merged(std::vector<SettingDifference> read,
                                      const std::vector<SettingDifference>& echo) {
  for (const SettingDifference& e : echo) {
    bool named = false;
    for (const SettingDifference& r : read) named = named || r.name == e.name;
    if (!named) read.push_back(e);
  }
  return read;
}

bool Store(MainWindow& m, StoreArea area) {
  switch (area) {
    case StoreArea::kUser:
      return ConfirmedBySelected(m, cmd::kStoreUser);
    case StoreArea::kFactory:
      return ConfirmedBySelected(m, cmd::kStoreFactory);
    case StoreArea::kNone:
      break;
  }
  return true;
}

}  // namespace

bool FactoryStoreOpen(MainWindow& m) { return m.window().IsUsable(m["CMD_FACT"]); }

ApplyResult ApplySettings(MainWindow& m, const TransmitterSettings& file) {
  // Each step is a user's action: one the window refuses (a disabled control) is left
  // out, exactly as the user could not do it, and the comparison decides.
  ui::UserActions user(m.window());
  user.Choose({"cmbUnit", -1}, file.unit);  // sends the unit, then reads everything again
  user.Choose({"Cmb_DP", -1}, file.decimal_point);
  // The pressures go in with the transmitter's decimal places, whatever its version.
  const std::string pattern = m["Cmb_DP"].text();
  user.Paste({"TXT_DPL", -1}, InPattern(file.range_low, pattern));
  user.Paste({"TXT_DPH", -1}, InPattern(file.range_high, pattern));
  user.Click({"cmdSCALE_Write", -1});
  ShownSettings echo = SettingsShown(m);

  user.Paste({"TXT_DAL", -1}, InPattern(file.output_4ma, pattern));
  user.Paste({"TXT_DAH", -1}, InPattern(file.output_20ma, pattern));
  const ShownSettings before_output_write = SettingsShown(m);
  user.Click({"cmdDA_Write", -1});
  const ShownSettings output_echo = SettingsShown(m);
  echo.output_4ma = output_echo.output_4ma;
  echo.output_20ma = output_echo.output_20ma;
  echo.trim_4ma = output_echo.trim_4ma;
  echo.trim_20ma = output_echo.trim_20ma;

  discovery::ReadAllParameters(m);

  const ShownSettings wanted{file.unit,
                             file.decimal_point,
                             file.range_low,
                             file.range_high,
                             file.output_4ma,
                             file.output_20ma,
                             before_output_write.trim_4ma,
                             before_output_write.trim_20ma};
  const std::string wanted_pattern = m["Cmb_DP"].item_text(file.decimal_point);
  ApplyResult result;
  result.read_back = SettingsShown(m);
  result.differences = Merged(CompareSettings(wanted, result.read_back, wanted_pattern),
                              CompareSettings(wanted, echo, wanted_pattern));
  if (!result.differences.empty()) return result;
  if (Store(m, file.store)) {
    result.stored = file.store;
  } else {
    result.differences.push_back({"Store", std::string(StoreAreaName(file.store)), "none"});
  }
  return result;
}

}  // namespace config
