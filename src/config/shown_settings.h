#pragma once
// The settings of the selected transmitter as the window shows them: the unit and
// decimal point by their list positions, the pressures and trims as their boxes hold
// them after the last read or write. The apply compares what it wanted with this, and
// the save writes a settings file from it. A list whose last reply carried no code has
// kNoCode, as a box whose last exchange failed shows the failure: neither is a value.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings_file.h"
#include "shell/main_window.h"

namespace config {

inline constexpr int kNoCode = -1;

struct ShownSettings {
  int unit = -1;
  int decimal_point = -1;
  std::string range_low;
  std::string range_high;
  std::string output_4ma;
  std::string output_20ma;
  std::string trim_4ma;
  std::string trim_20ma;
};

ShownSettings SettingsShown(shell::MainWindow& main);

// A list's code when its last fill took it from a reply (or it was never filled), else
// kNoCode; and a code as the comparison writes it ("none" for kNoCode).
int AnsweredCode(shell::MainWindow& main, std::string_view list);
std::string CodeText(int code);

// A box text that is a number as the transmitter sent it: not a failed exchange's result,
// not a reply without a value.
bool ShowsNumberRead(std::string_view text);

// One setting that is not what was wanted: its name as the file and the report write it
// ("RangeHigh", or "Trim4mA" for a trim that did not come back as it was written), the
// value wanted and the value the transmitter gave back.
struct SettingDifference {
  std::string name;
  std::string wanted;
  std::string got;
  bool unread = false;  // `got` is no value the transmitter gave (a failed exchange, no code)
  bool operator==(const SettingDifference&) const = default;
};

// The settings of `got` that differ from `wanted`, in file order. Codes compare as
// codes; pressures as numbers written with the decimal places of `pattern` (a Cmb_DP
// item, "000.0"), so "12.3" equals "+012.3"; trims as whole numbers. A value that is
// not one the transmitter sent (a failed exchange's result, kNoCode, shown as "none")
// differs, whatever was wanted.
std::vector<SettingDifference> CompareSettings(const ShownSettings& wanted, const ShownSettings& got,
                                               std::string_view pattern);

// `text` written as the window writes a range value for an older transmitter: a sign,
// the digits of `pattern` and a point ("12.3" in "000.0" is "+012.3"); the text itself
// when it is no number or the pattern no pattern.
std::string InPattern(std::string_view text, std::string_view pattern);

// The settings shown, as a settings file keeps them; nothing when a value is not one the
// transmitter answered, with `why` naming it (kNoValidValueText, %1 the key).
inline constexpr std::string_view kNoValidValueText = "%1 没有读到有效的值";
std::optional<TransmitterSettings> FileSettings(const ShownSettings& shown, StoreArea store,
                                                std::string& why);

}  // namespace config
