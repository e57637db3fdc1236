#include "config/settings_apply.h"

#include <initializer_list>
#include <span>

#include "config/data_areas.h"
#include "discovery/device_read.h"
#include "platform/clock.h"
#include "platform/ui/user_actions.h"
#include "protocol/commands.h"
#include "shell/reply_fill.h"

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

bool Done(const ui::ActionResult& action) { return action.status == ui::ActionStatus::kDone; }

// One value a write will send: the file's when the apply could put it into its control,
// else what the control shows, which must then be what the transmitter answered.
struct Outgoing {
  const char* name;
  bool from_file;
  std::string wanted;  // the file's value; empty for one that only goes back as read
  std::string shown;
  bool answered;
};

Outgoing Code(MainWindow& m, const char* name, const char* list, bool chosen, int wanted) {
  const int shown = AnsweredCode(m, list);
  return {name, chosen, std::to_string(wanted), CodeText(shown), shown != kNoCode};
}

Outgoing Box(MainWindow& m, const char* name, const char* box, bool pasted, std::string wanted) {
  const std::string shown = m[box].text();
  return {name, pasted, std::move(wanted), shown, ShowsNumberRead(shown)};
}

// The values that would be sent without coming from the file or from an answer.
std::vector<SettingDifference> Unread(std::initializer_list<Outgoing> values) {
  std::vector<SettingDifference> unread;
  for (const Outgoing& v : values)
    if (!v.from_file && !v.answered) unread.push_back({v.name, v.wanted, v.shown, true});
  return unread;
}

struct IdentityPart {
  const char* name;
  const char* box;
};
constexpr IdentityPart kVersion{"Version", "TXT_VER"};
constexpr IdentityPart kIdentity[] = {{"Type", "TXT_TYPE"}, {"Serial", "TXT_ID"}, kVersion};

// The parts of the transmitter's identity that were not read: the version decides which
// controls take the file's values, and the read-back names the transmitter in the report.
std::vector<SettingDifference> UnreadIdentity(MainWindow& m, std::span<const IdentityPart> parts) {
  std::vector<SettingDifference> unread;
  for (const IdentityPart& part : parts) {
    const std::string& text = m[part.box].text();
    if (text.empty() || !shell::ShowsAnswer(m[part.box])) unread.push_back({part.name, "", text, true});
  }
  return unread;
}

ApplyResult NotWritten(MainWindow& m, std::vector<SettingDifference> unread) {
  ApplyResult result;
  result.differences = std::move(unread);
  result.read_back = SettingsShown(m);
  result.written = false;
  return result;
}

}  // namespace

bool StoreDataArea(MainWindow& m, StoreArea area) {
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

ReportRow ReportRowFor(MainWindow& m, const ApplyResult& result) {
  return {platform::LocalIsoTime(m.clock.wall_ms()),
          m.MSCommBsq.comm_port(),
          m["CMB_ADDR"].text(),
          m["TXT_TYPE"].text(),
          m["TXT_ID"].text(),
          m["TXT_VER"].text(),
          result.read_back,
          result.stored,
          result.passed(),
          result.differences};
}

bool FactoryStoreOpen(MainWindow& m) { return m.window().IsUsable(m["CMD_FACT"]); }

ApplyResult ApplySettings(MainWindow& m, const TransmitterSettings& file) {
  // Each step is a user's action: one the window refuses (a disabled control) is left
  // out, exactly as the user could not do it, and the comparison decides.
  ui::UserActions user(m.window());
  const bool unit_chosen = Done(user.Choose({"cmbUnit", -1}, file.unit));  // writes it, reads everything
  const discovery::UnitListHeld held(m);
  const bool dp_chosen = Done(user.Choose({"Cmb_DP", -1}, file.decimal_point));
  // The pressures go in with the transmitter's decimal places, whatever its version.
  const std::string pattern = m["Cmb_DP"].text();
  const std::string low = InPattern(file.range_low, pattern);
  const std::string high = InPattern(file.range_high, pattern);
  const bool low_pasted = Done(user.Paste({"TXT_DPL", -1}, low));
  const bool high_pasted = Done(user.Paste({"TXT_DPH", -1}, high));
  std::vector<SettingDifference> unread = UnreadIdentity(m, {&kVersion, 1});
  for (SettingDifference& d :
       Unread({Code(m, "Unit", "cmbUnit", unit_chosen, file.unit),
               Code(m, "DecimalPoint", "Cmb_DP", dp_chosen, file.decimal_point),
               Box(m, "RangeLow", "TXT_DPL", low_pasted, file.range_low),
               Box(m, "RangeHigh", "TXT_DPH", high_pasted, file.range_high),
               Box(m, "Trim4mA", "TXT_DAZF", false, ""), Box(m, "Trim20mA", "TXT_DAFF", false, "")}))
    unread.push_back(std::move(d));
  if (!unread.empty()) return NotWritten(m, std::move(unread));
  user.Click({"cmdSCALE_Write", -1});
  ShownSettings echo = SettingsShown(m);

  const bool out_low_pasted = Done(user.Paste({"TXT_DAL", -1}, InPattern(file.output_4ma, pattern)));
  const bool out_high_pasted = Done(user.Paste({"TXT_DAH", -1}, InPattern(file.output_20ma, pattern)));
  unread = Unread({Box(m, "Output4mA", "TXT_DAL", out_low_pasted, file.output_4ma),
                   Box(m, "Output20mA", "TXT_DAH", out_high_pasted, file.output_20ma)});
  if (!unread.empty()) return NotWritten(m, std::move(unread));
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
  for (SettingDifference& d : UnreadIdentity(m, kIdentity)) result.differences.push_back(std::move(d));
  if (!result.differences.empty()) return result;
  if (StoreDataArea(m, file.store)) {
    result.stored = file.store;
  } else {
    result.differences.push_back({"Store", std::string(StoreAreaName(file.store)), "none"});
  }
  return result;
}

}  // namespace config
